// SPDX-License-Identifier: MIT
// Selection marks, the lookups over a row, and the pen's taps on a row.
#include "cards/card_row.h"

namespace {

// The top card under the point: the last one drawn there. -1 for none.
int32_t hitIndex(const CardRow& row, int32_t px, int32_t py) {
    for (int32_t i = cardCount(row) - 1; i >= 0; --i) {
        if (hitTest(row.cards[i], px, py) == 1) {
            return i;
        }
    }
    return -1;
}

template <typename Match> int32_t firstMatch(const CardRow& row, Match match) {
    for (int32_t i = 0; i < cardCount(row); ++i) {
        if (match(row.cards[i])) {
            return i + 1;
        }
    }
    return 0;
}

template <typename Match> int32_t countMatches(const CardRow& row, Match match) {
    int32_t n = 0;
    for (const Card& card : row.cards) {
        if (match(card)) {
            ++n;
        }
    }
    return n;
}

// selectNone, but a row that refresh would leave as it is repaints only the
// cards it unselects: every other card looks as it did. A tap that selects
// one card then repaints one or two cards, not the whole hand.
void unselectAll(CardRow& row) {
    if (!isInPlace(row)) {
        selectNone(row);
        return;
    }
    for (Card& card : row.cards) {
        if (card.selected != 0) {
            card.selected = 0;
            repaintCard(card);
        }
    }
}

} // namespace

void selectAll(CardRow& row) {
    for (Card& card : row.cards) {
        card.selected = 1;
    }
    refresh(row);
}

void selectNone(CardRow& row) {
    for (Card& card : row.cards) {
        card.selected = 0;
    }
    refresh(row);
}

int32_t firstSelected(const CardRow& row) {
    return firstMatch(row, [](const Card& card) { return card.selected != 0; });
}

int32_t countSelected(const CardRow& row) {
    return countMatches(row, [](const Card& card) { return card.selected != 0; });
}

int32_t countRank(const CardRow& row, int32_t rank) {
    return countMatches(row, [rank](const Card& card) { return card.rank == rank; });
}

int32_t findRank(const CardRow& row, int32_t rank) {
    return firstMatch(row, [rank](const Card& card) { return card.rank == rank; });
}

int32_t findSuit(const CardRow& row, int32_t suit) {
    return firstMatch(row, [suit](const Card& card) { return card.suit == suit; });
}

int32_t tapToggle(CardRow& row, int32_t px, int32_t py) {
    const int32_t i = hitIndex(row, px, py);
    if (i < 0) {
        return 0;
    }
    Card& card = row.cards[i];
    card.selected = card.selected == 0 ? 1 : 0;
    repaintCard(card);
    return i + 1;
}

int32_t tapSelect(CardRow& row, int32_t px, int32_t py) {
    const int32_t i = hitIndex(row, px, py);
    if (i < 0) {
        return 0;
    }
    const int32_t wasSelected = row.cards[i].selected;
    // Tapping the first of several selected cards drops only that one; any
    // other tap starts the selection afresh.
    if (firstSelected(row) != i + 1) {
        unselectAll(row);
    }
    Card& card = row.cards[i];
    card.selected = wasSelected == 0 ? 1 : 0;
    repaintCard(card);
    return i + 1;
}

int32_t tapSelectOnly(CardRow& row, int32_t px, int32_t py) {
    const int32_t i = hitIndex(row, px, py);
    if (i < 0) {
        return 0;
    }
    selectNone(row);
    Card& card = row.cards[i];
    card.selected = 1;
    repaintCard(card);
    return i + 1;
}
