#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "card_test_support.h"
#include "cards/card_row.h"

namespace {

using card_test::addCards;
using card_test::namesOf;
using card_test::sameRect;
using card_test::selectedMarks;
using card_test::takeRepaintRects;
using card_test::WindowedTest;

using Names = std::vector<std::string>;
using Marks = std::vector<int32_t>;

void selectNamed(CardRow& row, const Names& names) {
    for (Card& card : row.cards) {
        for (const std::string& name : names) {
            if (card_test::cardName(card) == name) {
                card.selected = 1;
            }
        }
    }
}

class RowMoveTest : public WindowedTest {
  protected:
    void SetUp() override {
        WindowedTest::SetUp();
        for (CardRow* row : {&hand, &table}) {
            show(*row);
            row->originX = 2;
            row->layoutMode = 2;
            row->perLine = 7;
        }
        hand.originY = 141;
        table.originY = 94;
        hand.sortMode = SORT_BY_RANK;
        hand.trumpSuit = SUIT_HEARTS;
        table.trumpSuit = SUIT_HEARTS;
        addCards(hand, {"6D", "9H", "JC", "AS", "7S"});
        platform_testing::takeInvalidations();
    }

    CardRow hand;
    CardRow table;
};

TEST_F(RowMoveTest, MovedCardsArriveInSourceOrderAndLeaveTheSource) {
    selectNamed(hand, {"AS", "7S", "9H"});
    EXPECT_EQ(namesOf(hand), (Names{"6D", "7S", "9H", "JC", "AS"}));
    EXPECT_EQ(moveSelected(hand, table), 3);
    EXPECT_EQ(namesOf(table), (Names{"7S", "9H", "AS"}));
    EXPECT_EQ(namesOf(hand), (Names{"6D", "JC"}));
    EXPECT_EQ(hand.cards[1].x, 30) << "the source closes up";
    EXPECT_EQ(table.cards[2].x, 58) << "the destination is laid out";
    EXPECT_EQ(table.cards[2].y, 94);
}

TEST_F(RowMoveTest, MovedCardsAreNewCardsOfTheDestination) {
    CardRow faceDownHand;
    show(faceDownHand);
    faceDownHand.faceDown = 1;
    faceDownHand.backStyle = 2;
    faceDownHand.trumpSuit = SUIT_SPADES;
    hand.cards[0].hidden = 1;
    selectNamed(hand, {"6D", "AS"});
    EXPECT_EQ(moveSelected(hand, faceDownHand), 2);
    ASSERT_EQ(cardCount(faceDownHand), 2);
    for (const Card& card : faceDownHand.cards) {
        EXPECT_EQ(card.selected, 0) << card_test::cardName(card);
        EXPECT_EQ(card.faceDown, 1) << card_test::cardName(card);
        EXPECT_EQ(card.backStyle, 2) << card_test::cardName(card);
        EXPECT_EQ(card.present, 1) << card_test::cardName(card);
        EXPECT_EQ(card.hidden, 0) << card_test::cardName(card);
        EXPECT_EQ(card.window, window);
    }
    EXPECT_EQ(faceDownHand.cards[0].isTrump, 0);
    EXPECT_EQ(faceDownHand.cards[1].isTrump, 1) << "AS is a trump in this row";
}

TEST_F(RowMoveTest, MovingNothingKeepsEveryCardButRefreshesBothRows) {
    addCards(table, {"8C"});
    platform_testing::takeInvalidations();
    EXPECT_EQ(moveSelected(hand, table), 0);
    EXPECT_EQ(cardCount(hand), 5);
    EXPECT_EQ(namesOf(table), (Names{"8C"}));
    EXPECT_EQ(table.cards[0].x, 2) << "the unsorted destination was refreshed";
    const auto rects = takeRepaintRects(window);
    // The hand's compaction refreshes it twice, then the table once.
    ASSERT_EQ(rects.size(), 11u);
    EXPECT_TRUE(sameRect(rects[10], RECT{2, 94, 30, 134}));
}

TEST_F(RowMoveTest, SourceRepaintsOldPlacesBeforeTheCardsGo) {
    selectNamed(hand, {"6D"});
    moveSelected(hand, table);
    const auto rects = takeRepaintRects(window);
    // The unsorted table places its new card only at the final refresh; before
    // that come 5 requests at the hand's old places and 4 at its new ones.
    ASSERT_EQ(rects.size(), 10u);
    EXPECT_TRUE(sameRect(rects[4], RECT{114, 141, 142, 181})) << "old place of the last card";
    EXPECT_TRUE(sameRect(rects[8], RECT{86, 141, 114, 181})) << "new place of the last card";
    EXPECT_TRUE(sameRect(rects[9], RECT{2, 94, 30, 134}));
}

TEST_F(RowMoveTest, MoveWithinOneRowSendsTheSelectedCardsToTheEnd) {
    hand.sortMode = SORT_NONE;
    selectNamed(hand, {"6D", "9H"});
    EXPECT_EQ(moveSelected(hand, hand), 2);
    EXPECT_EQ(namesOf(hand), (Names{"7S", "JC", "AS", "6D", "9H"}));
    EXPECT_EQ(countSelected(hand), 0);
}

TEST_F(RowMoveTest, CopyLeavesTheSourceAndItsMarksAlone) {
    selectNamed(hand, {"JC", "6D"});
    const Names before = namesOf(hand);
    EXPECT_EQ(copySelected(hand, table), 2);
    EXPECT_EQ(namesOf(table), (Names{"6D", "JC"}));
    EXPECT_EQ(namesOf(hand), before);
    EXPECT_EQ(selectedMarks(hand), (Marks{1, 0, 0, 1, 0}));
    EXPECT_EQ(countSelected(table), 0);
    EXPECT_EQ(table.cards[1].x, 30);
}

TEST_F(RowMoveTest, CopyFromAnEmptyRowStillRefreshesTheDestination) {
    CardRow empty;
    addCards(table, {"8C", "TD"});
    platform_testing::takeInvalidations();
    EXPECT_EQ(copySelected(empty, table), 0);
    EXPECT_EQ(table.cards[1].x, 30);
    EXPECT_EQ(takeRepaintRects(window).size(), 2u);
}

TEST_F(RowMoveTest, CompactKeepsTheOrderOfTheRemainingCards) {
    CardRow row;
    row.originX = 2;
    row.originY = 0;
    addCards(row, {"KS", "6D", "QH", "7C", "AD"});
    row.cards[1].present = 0;
    row.cards[3].present = 0;
    compact(row);
    EXPECT_EQ(namesOf(row), (Names{"KS", "QH", "AD"}));
    EXPECT_EQ(row.cards[2].x, 2 + 2 * 14);
}

TEST_F(RowMoveTest, CompactOnAnEmptyRowDoesNothing) {
    CardRow row;
    show(row);
    row.originX = 5;
    compact(row);
    EXPECT_EQ(cardCount(row), 0);
    EXPECT_TRUE(platform_testing::takeInvalidations().empty());
}

TEST_F(RowMoveTest, DropSelectedOnlyMarksForRemoval) {
    selectNamed(hand, {"JC"});
    dropSelected(hand);
    EXPECT_EQ(cardCount(hand), 5);
    EXPECT_EQ(hand.cards[3].present, 0);
    EXPECT_EQ(hand.cards[2].present, 1);
}

TEST_F(RowMoveTest, ClearRepaintsThenEmpties) {
    clear(hand);
    EXPECT_EQ(cardCount(hand), 0);
    EXPECT_EQ(takeRepaintRects(window).size(), 5u);
    clear(hand);
    EXPECT_TRUE(platform_testing::takeInvalidations().empty());
}

TEST_F(RowMoveTest, DestroyingARowRepaintsWhereItsCardsWere) {
    {
        CardRow scoped;
        show(scoped);
        scoped.originX = 2;
        scoped.originY = 73;
        addCards(scoped, {"8C", "TD"});
        refresh(scoped);
        platform_testing::takeInvalidations();
    }
    const auto rects = takeRepaintRects(window);
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_TRUE(sameRect(rects[1], RECT{16, 73, 44, 113}));
}

TEST_F(RowMoveTest, TrumpSuitChangesMarksNotOrderUntilRefresh) {
    hand.sortMode = SORT_BY_SUIT;
    refresh(hand);
    EXPECT_EQ(namesOf(hand), (Names{"6D", "JC", "7S", "AS", "9H"}));
    platform_testing::takeInvalidations();

    setTrumpSuit(hand, SUIT_DIAMONDS);
    EXPECT_EQ(hand.trumpSuit, SUIT_DIAMONDS);
    EXPECT_EQ(hand.cards[0].isTrump, 1);
    EXPECT_EQ(hand.cards[4].isTrump, 0);
    EXPECT_EQ(namesOf(hand), (Names{"6D", "JC", "7S", "AS", "9H"}));
    EXPECT_TRUE(platform_testing::takeInvalidations().empty());

    refresh(hand);
    EXPECT_EQ(namesOf(hand), (Names{"9H", "JC", "7S", "AS", "6D"}));
}

TEST_F(RowMoveTest, BackStyleRepaintsOnlyAFaceDownRow) {
    setBackStyle(hand, 3);
    EXPECT_EQ(hand.backStyle, 3);
    for (const Card& card : hand.cards) {
        EXPECT_EQ(card.backStyle, 3);
    }
    EXPECT_TRUE(platform_testing::takeInvalidations().empty());

    hand.faceDown = 1;
    setBackStyle(hand, 4);
    EXPECT_EQ(hand.cards[4].backStyle, 4);
    EXPECT_EQ(takeRepaintRects(window).size(), 5u);
}

} // namespace
