// SPDX-License-Identifier: MIT
// The stock of undealt cards and its random draw.
#pragma once

#include <cstdint>

struct DeckSlot {
    int32_t rank;
    int32_t suit;
    int32_t present; // 1: still in the deck
};

struct Deck {
    DeckSlot slots[52];
    int32_t remaining; // cards still in the deck
    int32_t capacity;  // slots in use: 36 or 52
};

// Size 36: suits 1..4, each ace first then 6..13. Any other size: all 52,
// suits 1..4 with ranks 1..13. Every slot present.
void initDeck(Deck& deck, int32_t size);
int32_t remaining(const Deck& deck);
void restock(Deck& deck);
// Takes one card at random. Returns the cards left after the draw, or -1
// when nothing could be drawn (the outputs are then untouched). The random
// pick happens first, even on an empty deck.
int32_t draw(Deck& deck, int32_t* rank, int32_t* suit);
