// SPDX-License-Identifier: MIT
// An owned, ordered row of cards shown together: a hand or one side of the
// table. Array order is drawing order; taps search from the last card down.
// Positions returned are 1-based, 0 meaning none.
#pragma once

#include <cstdint>
#include <vector>

#include "cards/card.h"

constexpr int32_t SORT_NONE = -1;
constexpr int32_t SORT_BY_RANK = 0;
constexpr int32_t SORT_BY_SUIT = 1;

struct CardRow {
    std::vector<Card> cards;
    int32_t sortMode = SORT_NONE;
    int32_t perLine = 16;
    int32_t backStyle = 0;
    int32_t faceDown = 0;
    int32_t trumpSuit = 0;
    HWND window = nullptr;
    int32_t originX = UNSET;
    int32_t originY = UNSET;
    int32_t cardWidth = UNSET;
    int32_t cardHeight = UNSET;
    int32_t layoutMode = 1;

    CardRow() = default;
    CardRow(const CardRow&) = delete;
    CardRow& operator=(const CardRow&) = delete;
    // Repaints where the cards were before they go.
    ~CardRow();
};

int32_t cardCount(const CardRow& row);

void addCard(CardRow& row, int32_t suit, int32_t rank);
void resort(CardRow& row);
void refresh(CardRow& row);
void arrange(CardRow& row);
// Whether refresh would leave every card where and as it is (order, place,
// trump mark), so that only a change of selection needs repainting.
bool isInPlace(const CardRow& row);
void compact(CardRow& row);
void dropSelected(CardRow& row);
int32_t moveSelected(CardRow& from, CardRow& to);
int32_t copySelected(CardRow& from, CardRow& to);
void clear(CardRow& row);
void selectAll(CardRow& row);
void selectNone(CardRow& row);
int32_t firstSelected(const CardRow& row);
int32_t countSelected(const CardRow& row);
int32_t countRank(const CardRow& row, int32_t rank);
int32_t findRank(const CardRow& row, int32_t rank);
int32_t findSuit(const CardRow& row, int32_t suit);
void setTrumpSuit(CardRow& row, int32_t suit);
void setBackStyle(CardRow& row, int32_t style);
int32_t tapToggle(CardRow& row, int32_t px, int32_t py);
int32_t tapSelect(CardRow& row, int32_t px, int32_t py);
int32_t tapSelectOnly(CardRow& row, int32_t px, int32_t py);
// Told before the selected cards of a row move to another (moveSelected),
// and before a row with cards in it is emptied (clear, to is null).
using RowWatcher = void (*)(const CardRow& from, const CardRow* to);
void watchRows(RowWatcher watcher);

// Spaces the human's hand by its size: up to 6 cards side by side, 7 to 24
// at half a card, 25 or more at a third, then refreshes it.
void handLayoutRule(CardRow& hand);
