#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "card_test_support.h"
#include "cards/card_row.h"

namespace {

using namespace card_test;

using Position = std::pair<int32_t, int32_t>;

std::vector<Position> positionsOf(const CardRow& row) {
    std::vector<Position> positions;
    for (const Card& card : row.cards) {
        positions.emplace_back(card.x, card.y);
    }
    return positions;
}

// A row of n distinct cards in arrival order, at the given origin.
void fillRow(CardRow& row, int32_t n, int32_t originX, int32_t originY) {
    row.originX = originX;
    row.originY = originY;
    for (int32_t i = 0; i < n; ++i) {
        addCard(row, 1 + i / 9, 6 + i % 9);
    }
}

TEST(RowAddTest, NewCardsGetTheRowSettingsAndTheFirstTakesTheCardSizeAgain) {
    CardRow row;
    row.faceDown = 1;
    row.backStyle = 3;
    row.trumpSuit = 2;
    addCards(row, "9H 9S");
    const Card& c = row.cards[0];
    EXPECT_EQ(
        (std::vector<int32_t>{row.cardWidth, row.cardHeight, cardCount(row), c.present, c.faceDown,
                              c.backStyle, c.isTrump, c.selected, c.hidden, row.cards[1].isTrump}),
        (std::vector<int32_t>{28, 40, 2, 1, 1, 3, 1, 0, 0, 0}));
    row.cardWidth = 5;
    row.cardHeight = 5;
    clear(row);
    addCards(row, "7D");
    EXPECT_EQ(row.cardWidth * 100 + row.cardHeight, 2840);
    row.cardWidth = 5;
    row.cards[0].selected = 1;
    dropSelected(row);
    compact(row);
    EXPECT_EQ(cardCount(row), 0);
    addCards(row, "8D");
    EXPECT_EQ(row.cardWidth, 28);
}

TEST(RowAddTest, OnlyASortedRowPlacesNewCardsAtOnce) {
    for (int32_t sortMode : {SORT_NONE, SORT_BY_RANK}) {
        CardRow row;
        row.sortMode = sortMode;
        row.originX = 10;
        row.originY = 20;
        row.layoutMode = 2;
        addCards(row, "KS 6D");
        const bool sorted = sortMode == SORT_BY_RANK;
        EXPECT_EQ(names(row), sorted ? "6D KS" : "KS 6D");
        EXPECT_EQ(positionsOf(row), (std::vector<Position>{{sorted ? 10 : -1, sorted ? 20 : -1},
                                                           {sorted ? 38 : -1, sorted ? 20 : -1}}));
        refresh(row);
        EXPECT_EQ(rectText(row.cards[1].bounds), "38,20,66,60");
    }
}

TEST(RowSortTest, SortOrdersPutTrumpsLast) {
    struct Case {
        int32_t sortMode;
        int32_t trumpSuit;
        const char* added;
        const char* sorted;
    };
    const Case cases[] = {
        {SORT_BY_SUIT, SUIT_CLUBS, "TC 6S AD 6C QH", "AD QH 6S 6C TC"},
        {SORT_BY_RANK, SUIT_CLUBS, "6C 6D 7H", "6D 6C 7H"},
        {SORT_BY_RANK, SUIT_CLUBS, "6C 6D 7H 6S AC 6H 7C", "6D 6H 6S 6C 7H 7C AC"},
        {SORT_BY_SUIT, 0, "AS 6S KD TH 7D", "7D KD TH 6S AS"},
        {SORT_NONE, SUIT_CLUBS, "AC 6D", "AC 6D"},
    };
    for (const Case& c : cases) {
        CardRow row;
        row.trumpSuit = c.trumpSuit;
        row.sortMode = c.sortMode;
        addCards(row, c.added);
        refresh(row);
        EXPECT_EQ(names(row), c.sorted) << c.added << " in mode " << c.sortMode;
    }
}

TEST(RowSortTest, ResortDoesNothingWhileArrivalOrderIsKeptAndModesApplyAtRefresh) {
    CardRow row;
    addCards(row, "AS 6D");
    row.trumpSuit = 1;
    resort(row);
    EXPECT_EQ(names(row) + " " + std::to_string(row.cards[0].x), "AS 6D -1");
    EXPECT_EQ(row.cards[1].isTrump, 0) << "resort of an unsorted row must not refresh";
    row.sortMode = SORT_BY_RANK;
    resort(row);
    EXPECT_EQ(names(row) + " " + std::to_string(row.cards[0].isTrump), "6D AS 1");
    addCards(row, "7D");
    row.sortMode = SORT_BY_SUIT;
    EXPECT_EQ(names(row), "6D 7D AS");
    refresh(row);
    EXPECT_EQ(names(row), "AS 6D 7D");
}

// Where the cards of a row lie after a refresh, by layout mode: side by side
// (2), half a card apart (1 and anything unknown), a third (3), tightly packed
// (4) or all on one spot (5); each line holds perLine cards.
TEST(RowArrangeTest, LayoutModesSpaceAndWrapTheCards) {
    struct Case {
        int32_t mode, perLine, count, originY;
        std::vector<std::pair<size_t, Position>> expected;
    };
    const Case cases[] = {
        {2, 7, 9, 141, {{1, {30, 141}}, {6, {170, 141}}, {7, {2, 182}}, {8, {30, 182}}}},
        {1, 12, 13, 141, {{1, {16, 141}}, {11, {156, 141}}, {12, {2, 182}}}},
        {0, 12, 13, 141, {{1, {16, 141}}, {11, {156, 141}}, {12, {2, 182}}}},
        {6, 12, 13, 141, {{1, {16, 141}}, {12, {2, 182}}}},
        {-1, 12, 13, 141, {{1, {16, 141}}, {12, {2, 182}}}},
        {3, 18, 20, 141, {{1, {11, 141}}, {17, {155, 141}}, {18, {2, 182}}, {19, {11, 182}}}},
        {4, 18, 20, 25, {{1, {9, 25}}, {17, {121, 25}}, {18, {2, 39}}, {19, {9, 39}}}},
        {5, 3, 8, 25, {{0, {2, 25}}, {3, {2, 25}}, {7, {2, 25}}}},
    };
    for (const Case& c : cases) {
        CardRow row;
        row.layoutMode = c.mode;
        row.perLine = c.perLine;
        fillRow(row, c.count, 2, c.originY);
        refresh(row);
        const auto positions = positionsOf(row);
        EXPECT_EQ(positions[0], Position(2, c.originY)) << "mode " << c.mode;
        for (const auto& [index, position] : c.expected) {
            EXPECT_EQ(positions[index], position) << "mode " << c.mode << ", card " << index;
        }
    }
}

using RowRefreshTest = WindowedTest;

// Arranging uses the row's card size and repaints nothing; refreshing
// repaints every card in order at its new place.
TEST_F(RowRefreshTest, ArrangeUsesTheRowsCardSizeAndRefreshRepaintsEveryCard) {
    CardRow row;
    show(row);
    row.layoutMode = 2;
    fillRow(row, 3, 2, 73);
    row.cardWidth = 20;
    arrange(row);
    EXPECT_EQ(positionsOf(row), (std::vector<Position>{{2, 73}, {22, 73}, {42, 73}}));
    EXPECT_TRUE(takeRepaintRects(window).empty()) << "adding and arranging repaint nothing";
    row.cardWidth = 28;
    refresh(row);
    EXPECT_EQ(takeRepaintRects(window),
              (std::vector<std::string>{"2,73,30,113", "30,73,58,113", "58,73,86,113"}));
    row.sortMode = SORT_BY_RANK;
    addCards(row, "8H");
    EXPECT_EQ(takeRepaintRects(window).size(), 4u) << "adding to a sorted row repaints it all";
}

} // namespace
