// SPDX-License-Identifier: MIT
// One card as it lies on the screen.
#pragma once

#include <cstdint>

#include "platform/win_types.h"

// Suits: 1 diamonds, 2 hearts (red); 3 clubs, 4 spades (black).
// Ranks: 6..14 with 11 jack, 12 queen, 13 king, 14 ace. -1 means unset.
constexpr int32_t SUIT_DIAMONDS = 1;
constexpr int32_t SUIT_HEARTS = 2;
constexpr int32_t SUIT_CLUBS = 3;
constexpr int32_t SUIT_SPADES = 4;
constexpr int32_t UNSET = -1;

struct Card {
    HWND window = nullptr;      // where repaint requests go
    RECT bounds = {0, 0, 0, 0}; // x, y, x + width, y + height; set only by placeCard
    int32_t hidden = 0;         // 1: not drawn and not hit
    int32_t suit = UNSET;
    int32_t rank = UNSET;
    int32_t isTrump = UNSET; // set by the row that holds the card
    int32_t x = UNSET;
    int32_t y = UNSET;
    int32_t backStyle = 0; // card-back picture, 0..4
    int32_t selected = 0;
    int32_t present = 0; // 0 marks the card for removal by its row
    int32_t faceDown = 0;
    int32_t height = 40;
    int32_t width = 28;
};

// Every field back to its default; window and bounds are kept.
void resetCard(Card& card);
void placeCard(Card& card, int32_t x, int32_t y);
void attachWindow(Card& card, HWND window);
// Asks the card's window to repaint its bounds (no erase), if the card is
// identified (suit and rank set) and placed (x and y set).
void repaintCard(const Card& card);
void setHidden(Card& card, int32_t value);
// 1 when the point lies in the card's sensitive area: shifted two pixels to
// the left of the drawn card, width + 1 columns by height + 1 rows.
int32_t hitTest(const Card& card, int32_t px, int32_t py);
