#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "card_test_support.h"
#include "cards/card_row.h"

namespace {

using card_test::addCards;
using card_test::namesOf;
using card_test::sameRect;
using card_test::takeRepaintRects;
using card_test::WindowedTest;

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

TEST(RowAddTest, FirstCardTakesTheCardSizeAndNewCardsGetTheRowSettings) {
    CardRow row;
    row.faceDown = 1;
    row.backStyle = 3;
    row.trumpSuit = 2;
    row.window = reinterpret_cast<HWND>(0x77);
    addCards(row, {"9H", "9S"});
    EXPECT_EQ(row.cardWidth, 28);
    EXPECT_EQ(row.cardHeight, 40);
    ASSERT_EQ(cardCount(row), 2);
    const Card& nineHearts = row.cards[0];
    EXPECT_EQ(nineHearts.present, 1);
    EXPECT_EQ(nineHearts.faceDown, 1);
    EXPECT_EQ(nineHearts.backStyle, 3);
    EXPECT_EQ(nineHearts.window, reinterpret_cast<HWND>(0x77));
    EXPECT_EQ(nineHearts.isTrump, 1);
    EXPECT_EQ(nineHearts.selected, 0);
    EXPECT_EQ(nineHearts.hidden, 0);
    EXPECT_EQ(row.cards[1].isTrump, 0);
    row.window = nullptr; // the fake handle must not reach the platform
    for (Card& card : row.cards) {
        card.window = nullptr;
    }
}

TEST(RowAddTest, CardSizeIsTakenAgainAfterTheRowEmpties) {
    CardRow row;
    addCards(row, {"6D"});
    row.cardWidth = 5;
    row.cardHeight = 5;
    clear(row);
    EXPECT_EQ(cardCount(row), 0);
    addCards(row, {"7D"});
    EXPECT_EQ(row.cardWidth, 28);
    EXPECT_EQ(row.cardHeight, 40);

    row.cardWidth = 5;
    row.cards[0].selected = 1;
    dropSelected(row);
    compact(row);
    EXPECT_EQ(cardCount(row), 0);
    addCards(row, {"8D"});
    EXPECT_EQ(row.cardWidth, 28);
}

TEST(RowAddTest, UnsortedRowLeavesNewCardsUnplacedUntilRefresh) {
    CardRow row;
    row.originX = 2;
    row.originY = 94;
    addCards(row, {"KS", "6D"});
    EXPECT_EQ(namesOf(row), (std::vector<std::string>{"KS", "6D"}));
    EXPECT_EQ(positionsOf(row), (std::vector<Position>{{-1, -1}, {-1, -1}}));
    EXPECT_EQ(hitTest(row.cards[0], -1, -1), 0);
    refresh(row);
    EXPECT_EQ(positionsOf(row), (std::vector<Position>{{2, 94}, {16, 94}}));
}

TEST(RowAddTest, SortedRowPlacesNewCardsAtOnce) {
    CardRow row;
    row.sortMode = SORT_BY_RANK;
    row.originX = 10;
    row.originY = 20;
    row.layoutMode = 2;
    addCards(row, {"KS", "6D"});
    EXPECT_EQ(namesOf(row), (std::vector<std::string>{"6D", "KS"}));
    EXPECT_EQ(positionsOf(row), (std::vector<Position>{{10, 20}, {38, 20}}));
    EXPECT_TRUE(sameRect(row.cards[1].bounds, RECT{38, 20, 66, 60}));
}

TEST(RowSortTest, BySuitPutsTrumpsLast) {
    CardRow row;
    row.trumpSuit = SUIT_CLUBS;
    row.sortMode = SORT_BY_SUIT;
    addCards(row, {"TC", "6S", "AD", "6C", "QH"});
    EXPECT_EQ(namesOf(row), (std::vector<std::string>{"AD", "QH", "6S", "6C", "TC"}));
}

TEST(RowSortTest, ByRankPutsTheTrumpLastWithinItsRank) {
    CardRow row;
    row.trumpSuit = SUIT_CLUBS;
    row.sortMode = SORT_BY_RANK;
    addCards(row, {"6C", "6D", "7H"});
    EXPECT_EQ(namesOf(row), (std::vector<std::string>{"6D", "6C", "7H"}));

    addCards(row, {"6S", "AC", "6H", "7C"});
    EXPECT_EQ(namesOf(row), (std::vector<std::string>{"6D", "6H", "6S", "6C", "7H", "7C", "AC"}));
}

TEST(RowSortTest, WithoutTrumpsBySuitIsSuitThenRank) {
    CardRow row;
    row.sortMode = SORT_BY_SUIT;
    addCards(row, {"AS", "6S", "KD", "TH", "7D"});
    EXPECT_EQ(namesOf(row), (std::vector<std::string>{"7D", "KD", "TH", "6S", "AS"}));
}

TEST(RowSortTest, ResortDoesNothingWhileArrivalOrderIsKept) {
    CardRow row;
    addCards(row, {"AS", "6D"});
    row.trumpSuit = 1;
    resort(row);
    EXPECT_EQ(namesOf(row), (std::vector<std::string>{"AS", "6D"}));
    EXPECT_EQ(row.cards[0].x, -1);
    EXPECT_EQ(row.cards[1].isTrump, 0) << "resort of an unsorted row must not refresh";

    row.sortMode = SORT_BY_RANK;
    resort(row);
    EXPECT_EQ(namesOf(row), (std::vector<std::string>{"6D", "AS"}));
    EXPECT_EQ(row.cards[0].isTrump, 1);
}

TEST(RowSortTest, SwitchingTheModeTakesEffectAtTheNextRefresh) {
    CardRow row;
    row.sortMode = SORT_BY_RANK;
    addCards(row, {"7D", "6S"});
    row.sortMode = SORT_BY_SUIT;
    EXPECT_EQ(namesOf(row), (std::vector<std::string>{"6S", "7D"}));
    refresh(row);
    EXPECT_EQ(namesOf(row), (std::vector<std::string>{"7D", "6S"}));
}

TEST(RowArrangeTest, ModeTwoLaysCardsSideBySideAndWrapsAfterPerLine) {
    CardRow row;
    row.layoutMode = 2;
    row.perLine = 7;
    fillRow(row, 9, 2, 141);
    refresh(row);
    const auto positions = positionsOf(row);
    EXPECT_EQ(positions[0], Position(2, 141));
    EXPECT_EQ(positions[1], Position(30, 141));
    EXPECT_EQ(positions[6], Position(170, 141));
    EXPECT_EQ(positions[7], Position(2, 182)) << "8th card starts the second line";
    EXPECT_EQ(positions[8], Position(30, 182));
}

TEST(RowArrangeTest, ModeOneAndUnknownModesOverlapByHalfACard) {
    for (int32_t mode : {1, 0, 6, -1}) {
        CardRow row;
        row.layoutMode = mode;
        row.perLine = 12;
        fillRow(row, 13, 2, 141);
        refresh(row);
        const auto positions = positionsOf(row);
        EXPECT_EQ(positions[1], Position(16, 141)) << "mode " << mode;
        EXPECT_EQ(positions[11], Position(156, 141)) << "mode " << mode;
        EXPECT_EQ(positions[12], Position(2, 182)) << "mode " << mode;
    }
}

TEST(RowArrangeTest, ModeThreeStepsByAThirdOfACard) {
    CardRow row;
    row.layoutMode = 3;
    row.perLine = 18;
    fillRow(row, 20, 2, 141);
    refresh(row);
    const auto positions = positionsOf(row);
    EXPECT_EQ(positions[1], Position(11, 141));
    EXPECT_EQ(positions[17], Position(155, 141));
    EXPECT_EQ(positions[18], Position(2, 182));
    EXPECT_EQ(positions[19], Position(11, 182));
}

TEST(RowArrangeTest, ModeFourPacksTheComputerHandTightly) {
    CardRow row;
    row.layoutMode = 4;
    row.perLine = 18;
    fillRow(row, 20, 2, 25);
    refresh(row);
    const auto positions = positionsOf(row);
    EXPECT_EQ(positions[1], Position(9, 25));
    EXPECT_EQ(positions[17], Position(121, 25));
    EXPECT_EQ(positions[18], Position(2, 39)) << "19th card";
    EXPECT_EQ(positions[19], Position(9, 39));
}

TEST(RowArrangeTest, ModeFivePilesEveryCardOnOneSpot) {
    CardRow row;
    row.layoutMode = 5;
    row.perLine = 3;
    fillRow(row, 8, 2, 25);
    refresh(row);
    for (const Position& position : positionsOf(row)) {
        EXPECT_EQ(position, Position(2, 25));
    }
}

TEST(RowArrangeTest, UsesTheSizeTakenFromTheFirstCard) {
    CardRow row;
    row.layoutMode = 2;
    fillRow(row, 2, 0, 0);
    row.cardWidth = 20;
    arrange(row);
    EXPECT_EQ(positionsOf(row), (std::vector<Position>{{0, 0}, {20, 0}}));
}

TEST(HandLayoutRuleTest, SpacingFollowsTheHandSize) {
    struct Case {
        int32_t cards;
        int32_t layoutMode;
        int32_t perLine;
    };
    for (const Case& c : {Case{0, 2, 7}, Case{6, 2, 7}, Case{7, 1, 12}, Case{24, 1, 12},
                          Case{25, 3, 18}, Case{36, 3, 18}}) {
        CardRow hand;
        hand.layoutMode = 4;
        hand.perLine = 99;
        fillRow(hand, c.cards, 2, 141);
        handLayoutRule(hand);
        EXPECT_EQ(hand.layoutMode, c.layoutMode) << c.cards << " cards";
        EXPECT_EQ(hand.perLine, c.perLine) << c.cards << " cards";
        if (c.cards > 1) {
            EXPECT_NE(hand.cards[1].x, -1) << "the rule refreshes the hand";
        }
    }
}

TEST(HandLayoutRuleTest, TwentyFiveCardsWrapAfterEighteen) {
    CardRow hand;
    fillRow(hand, 25, 2, 141);
    handLayoutRule(hand);
    EXPECT_EQ(hand.cards[17].x, 2 + 17 * 9);
    EXPECT_EQ(positionsOf(hand)[18], Position(2, 182));
}

using RowRefreshTest = WindowedTest;

TEST_F(RowRefreshTest, RefreshRepaintsEveryCardInOrderAtItsNewPlace) {
    CardRow row;
    show(row);
    row.layoutMode = 2;
    fillRow(row, 3, 2, 73);
    EXPECT_TRUE(takeRepaintRects(window).empty()) << "unplaced cards are not repainted";
    refresh(row);
    const auto rects = takeRepaintRects(window);
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_TRUE(sameRect(rects[0], RECT{2, 73, 30, 113}));
    EXPECT_TRUE(sameRect(rects[1], RECT{30, 73, 58, 113}));
    EXPECT_TRUE(sameRect(rects[2], RECT{58, 73, 86, 113}));
}

TEST_F(RowRefreshTest, ArrangeAloneRepaintsNothing) {
    CardRow row;
    show(row);
    fillRow(row, 3, 2, 73);
    arrange(row);
    EXPECT_EQ(row.cards[2].x, 30);
    EXPECT_TRUE(takeRepaintRects(window).empty());
}

TEST_F(RowRefreshTest, AddingToASortedRowRepaintsTheWholeRow) {
    CardRow row;
    show(row);
    row.sortMode = SORT_BY_RANK;
    row.originX = 2;
    row.originY = 141;
    addCards(row, {"9H", "7H"});
    takeRepaintRects(window);
    addCards(row, {"8H"});
    EXPECT_EQ(takeRepaintRects(window).size(), 3u);
}

} // namespace
