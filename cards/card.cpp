// SPDX-License-Identifier: MIT
// The card record's own operations: reset, placement, repaint requests and
// the pen's hit test.
#include "cards/card.h"

#include "platform/window_api.h"

namespace {

// Coordinates come from layout arithmetic; keep them 32-bit with wrap-around
// instead of overflowing on absurd input.
int32_t wrapSum(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<int64_t>(a) + static_cast<int64_t>(b));
}

bool isIdentified(const Card& card) {
    return card.suit != UNSET && card.rank != UNSET;
}

bool isPlaced(const Card& card) {
    return card.x != UNSET && card.y != UNSET;
}

} // namespace

void resetCard(Card& card) {
    card.hidden = 0;
    card.suit = UNSET;
    card.rank = UNSET;
    card.isTrump = UNSET;
    card.x = UNSET;
    card.y = UNSET;
    card.backStyle = 0;
    card.selected = 0;
    card.present = 0;
    card.faceDown = 0;
    card.height = 40;
    card.width = 28;
}

void placeCard(Card& card, int32_t x, int32_t y) {
    card.x = x;
    card.y = y;
    card.bounds = {x, y, wrapSum(x, card.width), wrapSum(y, card.height)};
}

void attachWindow(Card& card, HWND window) {
    card.window = window;
}

void repaintCard(const Card& card) {
    if (!isIdentified(card) || !isPlaced(card) || card.window == nullptr) {
        return;
    }
    InvalidateRect(card.window, &card.bounds, FALSE);
}

void setHidden(Card& card, int32_t value) {
    card.hidden = value;
    repaintCard(card);
}

int32_t hitTest(const Card& card, int32_t px, int32_t py) {
    if (!isIdentified(card) || !isPlaced(card) || card.hidden == 1) {
        return 0;
    }
    // The pen tends to land left of where the user aims, so the sensitive
    // area sits two pixels to the left and takes in both far edges.
    const int64_t left = static_cast<int64_t>(card.x) - 2;
    const int64_t right = left + card.width;
    const int64_t top = card.y;
    const int64_t bottom = top + card.height;
    return (left <= px && px <= right && top <= py && py <= bottom) ? 1 : 0;
}
