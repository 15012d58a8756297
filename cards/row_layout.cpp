// SPDX-License-Identifier: MIT
// Ordering and placing a row's cards on the screen.
#include <algorithm>

#include "cards/card_row.h"

namespace {

// Keys are unique per card, so the order is total. By suit, trumps get a
// key of at least 1006 and follow every other suit (at most 414).
int64_t sortKey(const Card& card, int32_t sortMode) {
    const int64_t suit = card.suit;
    const int64_t rank = card.rank;
    if (sortMode == SORT_BY_RANK) {
        return 100 * rank + suit + (card.isTrump != 0 ? 5 : 0);
    }
    if (card.isTrump == 1) {
        return suit * 1000 + rank;
    }
    return suit * 100 + rank;
}

// A row holds a few dozen cards at most, and is sorted again after each
// change: an insertion sort, stable like the library's, does it in place,
// without the buffer a library stable sort asks the heap for each time.
void sortCards(CardRow& row) {
    const int32_t mode = row.sortMode;
    std::vector<Card>& cards = row.cards;
    for (size_t i = 1; i < cards.size(); ++i) {
        const Card card = cards[i];
        const int64_t key = sortKey(card, mode);
        size_t j = i;
        for (; j > 0 && sortKey(cards[j - 1], mode) > key; --j) {
            cards[j] = cards[j - 1];
        }
        cards[j] = card;
    }
}

struct Steps {
    int32_t across; // from one card to the next on a line
    int32_t down;   // from one line to the next
};

Steps layoutSteps(const CardRow& row) {
    switch (row.layoutMode) {
    case 2:
        return {row.cardWidth, row.cardHeight + 1};
    case 3:
        return {row.cardWidth / 3, row.cardHeight + 1};
    case 4:
        return {row.cardWidth / 4, row.cardHeight / 3 + 1};
    case 5:
        return {0, 0};
    default:
        return {row.cardWidth / 2, row.cardHeight + 1};
    }
}

int32_t wrap32(int64_t value) {
    return static_cast<int32_t>(value);
}

} // namespace

void resort(CardRow& row) {
    if (row.sortMode == SORT_NONE) {
        return;
    }
    sortCards(row);
    refresh(row);
}

void refresh(CardRow& row) {
    if (row.sortMode != SORT_NONE) {
        sortCards(row);
    }
    arrange(row);
    for (Card& card : row.cards) {
        card.isTrump = card.suit == row.trumpSuit ? 1 : 0;
        repaintCard(card);
    }
}

namespace {

// Where arrange puts each card: place(card index, x, y).
template <class Place> void forEachPlace(const CardRow& row, Place place) {
    const Steps steps = layoutSteps(row);
    int64_t top = row.originY;
    int32_t column = 0;
    for (size_t i = 0; i < row.cards.size(); ++i) {
        if (column == row.perLine) {
            top += steps.down;
            column = 0;
        }
        place(i, wrap32(row.originX + static_cast<int64_t>(steps.across) * column), wrap32(top));
        ++column;
    }
}

} // namespace

void arrange(CardRow& row) {
    forEachPlace(row, [&row](size_t i, int32_t x, int32_t y) { placeCard(row.cards[i], x, y); });
}

bool isInPlace(const CardRow& row) {
    const int32_t mode = row.sortMode;
    if (mode != SORT_NONE &&
        !std::is_sorted(row.cards.begin(), row.cards.end(), [mode](const Card& a, const Card& b) {
            return sortKey(a, mode) < sortKey(b, mode);
        })) {
        return false;
    }
    bool placed = true;
    forEachPlace(row, [&](size_t i, int32_t x, int32_t y) {
        Card probe = row.cards[i];
        placeCard(probe, x, y);
        const Card& card = row.cards[i];
        placed = placed && card.x == x && card.y == y && card.bounds.left == probe.bounds.left &&
                 card.bounds.top == probe.bounds.top && card.bounds.right == probe.bounds.right &&
                 card.bounds.bottom == probe.bounds.bottom;
    });
    return placed && std::all_of(row.cards.begin(), row.cards.end(), [&row](const Card& card) {
               return card.isTrump == (card.suit == row.trumpSuit ? 1 : 0);
           });
}

void handLayoutRule(CardRow& hand) {
    const int32_t count = cardCount(hand);
    if (count <= 6) {
        hand.layoutMode = 2;
        hand.perLine = 7;
    } else if (count <= 24) {
        hand.layoutMode = 1;
        hand.perLine = 12;
    } else {
        hand.layoutMode = 3;
        hand.perLine = 18;
    }
    refresh(hand);
}
