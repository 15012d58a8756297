// SPDX-License-Identifier: MIT
// A row's cards coming and going: adding, compacting, moving between rows
// and emptying. Every move creates the card anew in the destination.
#include "cards/card_row.h"

#include <algorithm>
#include <utility>

namespace {

RowWatcher rowWatcher = nullptr;

struct SuitRank {
    int32_t suit;
    int32_t rank;
};

// Taken before anything is added, so that a move within one row never
// walks the array it is growing.
std::vector<SuitRank> selectedCards(const CardRow& row) {
    std::vector<SuitRank> picked;
    for (const Card& card : row.cards) {
        if (card.selected != 0) {
            picked.push_back({card.suit, card.rank});
        }
    }
    return picked;
}

int32_t addAll(CardRow& to, const std::vector<SuitRank>& picked) {
    for (const SuitRank& card : picked) {
        addCard(to, card.suit, card.rank);
    }
    return static_cast<int32_t>(picked.size());
}

void releaseCards(CardRow& row) {
    std::vector<Card>().swap(row.cards);
}

} // namespace

CardRow::~CardRow() {
    // Repaint where the cards were, so that their places are redrawn empty.
    refresh(*this);
    releaseCards(*this);
}

int32_t cardCount(const CardRow& row) {
    return static_cast<int32_t>(row.cards.size());
}

void addCard(CardRow& row, int32_t suit, int32_t rank) {
    Card card;
    resetCard(card);
    if (row.cards.empty()) {
        row.cardWidth = card.width;
        row.cardHeight = card.height;
    }
    card.suit = suit;
    card.rank = rank;
    card.present = 1;
    card.window = row.window;
    card.faceDown = row.faceDown;
    card.backStyle = row.backStyle;
    card.isTrump = suit == row.trumpSuit ? 1 : 0;
    row.cards.push_back(card);
    resort(row);
}

void compact(CardRow& row) {
    if (row.cards.empty()) {
        return;
    }
    // Repaint first: the places about to be vacated are redrawn by these.
    refresh(row);
    const auto kept = std::stable_partition(row.cards.begin(), row.cards.end(),
                                            [](const Card& card) { return card.present != 0; });
    row.cards.erase(kept, row.cards.end());
    refresh(row);
}

void dropSelected(CardRow& row) {
    for (Card& card : row.cards) {
        if (card.selected != 0) {
            card.present = 0;
        }
    }
}

int32_t moveSelected(CardRow& from, CardRow& to) {
    if (rowWatcher != nullptr && countSelected(from) > 0) {
        rowWatcher(from, &to);
    }
    const int32_t moved = addAll(to, selectedCards(from));
    dropSelected(from);
    compact(from);
    refresh(to);
    return moved;
}

int32_t copySelected(CardRow& from, CardRow& to) {
    const int32_t copied = addAll(to, selectedCards(from));
    refresh(to);
    return copied;
}

void clear(CardRow& row) {
    if (rowWatcher != nullptr && !row.cards.empty()) {
        rowWatcher(row, nullptr);
    }
    refresh(row);
    releaseCards(row);
}

void setTrumpSuit(CardRow& row, int32_t suit) {
    row.trumpSuit = suit;
    for (Card& card : row.cards) {
        card.isTrump = card.suit == suit ? 1 : 0;
    }
}

void setBackStyle(CardRow& row, int32_t style) {
    row.backStyle = style;
    for (Card& card : row.cards) {
        card.backStyle = style;
    }
    // A face-up row shows no backs, so there is nothing to redraw.
    if (row.faceDown != 0) {
        refresh(row);
    }
}

void watchRows(RowWatcher watcher) {
    rowWatcher = watcher;
}
