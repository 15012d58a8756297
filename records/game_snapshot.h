// SPDX-License-Identifier: MIT
// The program-wide records of the game in progress, copied as one value:
// the unit of undo, redo and resuming.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cards/card.h"
#include "cards/deck.h"
#include "cards/random_source.h"

struct RowSnapshot {
    std::vector<Card> cards;
    int32_t sortMode = 0;
    int32_t perLine = 0;
    int32_t backStyle = 0;
    int32_t faceDown = 0;
    int32_t trumpSuit = 0;
    int32_t originX = 0;
    int32_t originY = 0;
    int32_t cardWidth = 0;
    int32_t cardHeight = 0;
    int32_t layoutMode = 0;
};

struct GameSnapshot {
    RowSnapshot rows[4]; // computer's hand, computer's table row, human's table row, human's hand
    Card trump;
    Card talon;
    Deck deck{};
    RandomState random;
    int32_t gameType = 0;
    int32_t computerAttacks = 0;
    int32_t transferOpen = 0;
    int32_t computerLed = 0;
    int32_t lastWinner = -1;
    int32_t computerHandAtLead = 0;
    int32_t humanHandAtLead = 0;
    int32_t throwInAllowance = -1;
    int32_t buttonPressed = 0;
    bool statusShown = false;
    std::u16string status;
};

GameSnapshot TakeSnapshot();
// Puts the snapshot back on the table and repaints the whole window.
void RestoreSnapshot(const GameSnapshot& snapshot);
// Whether a move was made between the two: a card changed place, the
// talon shrank or the roles changed (a new selection or order is no move).
bool MoveBetween(const GameSnapshot& before, const GameSnapshot& after);
