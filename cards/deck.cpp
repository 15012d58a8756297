// SPDX-License-Identifier: MIT
// The stock of undealt cards and its random draw.
#include "cards/deck.h"

#include "cards/random_source.h"

namespace {

constexpr int32_t SLOT_COUNT = 52;
constexpr int32_t SMALL_DECK = 36;
// After the first pick, a draw tries again this many times before it
// settles for the nearest card still in the deck.
constexpr int32_t EXTRA_PICKS = 3;

// Slots actually in use, whatever the record says.
int32_t usedSlots(const Deck& deck) {
    if (deck.capacity < 0) {
        return 0;
    }
    return deck.capacity > SLOT_COUNT ? SLOT_COUNT : deck.capacity;
}

bool slotPresent(const Deck& deck, int32_t slot) {
    return slot >= 0 && slot < usedSlots(deck) && deck.slots[slot].present == 1;
}

int32_t pickSlot(const Deck& deck) {
    return randomBetween(0, deck.capacity - 1);
}

// The nearest present slot below s, else the nearest above it; -1 for none.
int32_t nearestPresent(const Deck& deck, int32_t s) {
    const int32_t used = usedSlots(deck);
    const int32_t start = s < used ? s : used;
    for (int32_t t = start - 1; t >= 0; --t) {
        if (deck.slots[t].present == 1) {
            return t;
        }
    }
    for (int32_t t = (s < 0 ? 0 : s + 1); t < used; ++t) {
        if (deck.slots[t].present == 1) {
            return t;
        }
    }
    return -1;
}

} // namespace

void initDeck(Deck& deck, int32_t size) {
    deck = Deck{};
    if (size == SMALL_DECK) {
        // Ace first, then 6 to king: the order the original table was written in.
        for (int32_t suit = 1; suit <= 4; ++suit) {
            for (int32_t i = 0; i < 9; ++i) {
                deck.slots[9 * (suit - 1) + i] = {i == 0 ? 14 : i + 5, suit, 1};
            }
        }
        deck.capacity = SMALL_DECK;
    } else {
        for (int32_t suit = 1; suit <= 4; ++suit) {
            for (int32_t rank = 1; rank <= 13; ++rank) {
                deck.slots[13 * (suit - 1) + (rank - 1)] = {rank, suit, 1};
            }
        }
        deck.capacity = SLOT_COUNT;
    }
    deck.remaining = deck.capacity;
}

int32_t remaining(const Deck& deck) {
    return deck.remaining;
}

void restock(Deck& deck) {
    const int32_t used = usedSlots(deck);
    for (int32_t s = 0; s < used; ++s) {
        deck.slots[s].present = 1;
    }
    deck.remaining = deck.capacity;
}

int32_t draw(Deck& deck, int32_t* rank, int32_t* suit) {
    // The pick comes before the emptiness check, so an empty deck still
    // advances the random source by one value.
    int32_t s = pickSlot(deck);
    if (deck.remaining == 0) {
        return -1;
    }
    for (int32_t tries = 0; tries < EXTRA_PICKS && !slotPresent(deck, s); ++tries) {
        s = pickSlot(deck);
    }
    const int32_t taken = slotPresent(deck, s) ? s : nearestPresent(deck, s);
    if (taken < 0) {
        return -1;
    }
    DeckSlot& slot = deck.slots[taken];
    if (rank != nullptr) {
        *rank = slot.rank;
    }
    if (suit != nullptr) {
        *suit = slot.suit;
    }
    slot.present = 0;
    deck.remaining -= 1;
    return deck.remaining;
}
