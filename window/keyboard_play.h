// SPDX-License-Identifier: MIT
// Playing from the keyboard: a focus mark over one card of the human's hand,
// moved by keys and drawn only once a key has been used. The keys that act
// (select, play, the two buttons) are taps at the places they stand for, so
// they run through the pen's own handlers.
#pragma once

#include <cstdint>

#include "platform/win_types.h"

extern int32_t focusMarkShown; // 1 once a table key was used, 0 after a pen tap

// The focused card's place in humanHand (0-based), or -1 for an empty hand.
// The mark stays on its card while the hand re-sorts; when the card leaves,
// the mark keeps its place, moved back within the hand.
int32_t focusedCard();
// Puts the mark on the card at the place, kept within the hand, and shows it.
void moveFocus(int32_t place);
// Where the mark lies: a frame just outside the part of the focused card
// that no later card covers, so that it leaves the card's corners free (on
// the card's left edge when the card before lies under it); empty while the
// mark is hidden.
RECT focusMarkRect();
// Repaints the old and the new place of the mark when it has moved, and ties
// the mark to the card now under it. Called after every message.
void updateFocusMark();
// Draws the mark: a two-pixel frame in the focus colour.
void paintFocusMark(HDC dc);
