#include <gtest/gtest.h>

#include "card_test_support.h"
#include "cards/card_row.h"

namespace {

using namespace card_test;

// A hand in rank order "6D 7S 9H JC AS" (hearts trump) and an empty table
// row, both laid side by side from x = 2.
class RowMoveTest : public WindowedTest {
  protected:
    void SetUp() override {
        WindowedTest::SetUp();
        for (CardRow* row : {&hand, &table}) {
            show(*row);
            row->originX = 2;
            row->layoutMode = 2;
            row->perLine = 7;
            row->trumpSuit = SUIT_HEARTS;
        }
        hand.originY = 141;
        table.originY = 94;
        hand.sortMode = SORT_BY_RANK;
        addCards(hand, "6D 9H JC AS 7S");
        platform_testing::takeInvalidations();
    }

    CardRow hand;
    CardRow table;
};

TEST_F(RowMoveTest, MovedCardsArriveInSourceOrderAndLeaveTheSource) {
    selectCards(hand, "AS 7S 9H");
    EXPECT_EQ(names(hand), "6D 7S 9H JC AS");
    EXPECT_EQ(moveSelected(hand, table), 3);
    EXPECT_EQ(names(table), "7S 9H AS");
    EXPECT_EQ(names(hand), "6D JC");
    EXPECT_EQ(hand.cards[1].x, 30) << "the source closes up";
    EXPECT_EQ(table.cards[2].x, 58) << "the destination is laid out";
    EXPECT_EQ(table.cards[2].y, 94);
}

// Each moved card "name selected faceDown backStyle present hidden isTrump".
TEST_F(RowMoveTest, MovedCardsAreNewCardsOfTheDestination) {
    CardRow faceDownHand;
    show(faceDownHand);
    faceDownHand.faceDown = 1;
    faceDownHand.backStyle = 2;
    faceDownHand.trumpSuit = SUIT_SPADES;
    hand.cards[0].hidden = 1;
    selectCards(hand, "6D AS");
    EXPECT_EQ(moveSelected(hand, faceDownHand), 2);
    std::string moved;
    for (const Card& c : faceDownHand.cards) {
        for (int32_t field :
             {c.selected, c.faceDown, c.backStyle, c.present, c.hidden, c.isTrump}) {
            moved += std::to_string(field);
        }
        moved += c.window == window ? " " : " no window ";
    }
    EXPECT_EQ(moved, "012100 012101 ") << "AS is a trump in this row";
}

TEST_F(RowMoveTest, MovingNothingKeepsEveryCardButRefreshesBothRows) {
    addCards(table, "8C");
    platform_testing::takeInvalidations();
    EXPECT_EQ(moveSelected(hand, table), 0);
    EXPECT_EQ(cardCount(hand), 5);
    EXPECT_EQ(names(table), "8C");
    EXPECT_EQ(table.cards[0].x, 2) << "the unsorted destination was refreshed";
    const auto rects = takeRepaintRects(window);
    // The hand's compaction refreshes it twice, then the table once.
    ASSERT_EQ(rects.size(), 11u);
    EXPECT_EQ(rects[10], "2,94,30,134");
}

TEST_F(RowMoveTest, SourceRepaintsOldPlacesBeforeTheCardsGo) {
    selectCards(hand, "6D");
    moveSelected(hand, table);
    const auto rects = takeRepaintRects(window);
    // The unsorted table places its new card only at the final refresh; before
    // that come 5 requests at the hand's old places and 4 at its new ones.
    ASSERT_EQ(rects.size(), 10u);
    EXPECT_EQ(rects[4], "114,141,142,181") << "old place of the last card";
    EXPECT_EQ(rects[8], "86,141,114,181") << "new place of the last card";
    EXPECT_EQ(rects[9], "2,94,30,134");
}

TEST_F(RowMoveTest, MoveWithinOneRowSendsTheSelectedCardsToTheEnd) {
    hand.sortMode = SORT_NONE;
    selectCards(hand, "6D 9H");
    EXPECT_EQ(moveSelected(hand, hand), 2);
    EXPECT_EQ(names(hand) + " / " + selectedNames(hand), "7S JC AS 6D 9H / ");
}

TEST_F(RowMoveTest, CopyLeavesTheSourceAndItsMarksAlone) {
    selectCards(hand, "JC 6D");
    EXPECT_EQ(copySelected(hand, table), 2);
    EXPECT_EQ(names(table) + " / " + names(hand) + " / " + selectedNames(hand) + " / " +
                  selectedNames(table),
              "6D JC / 6D 7S 9H JC AS / 6D JC / ");
    EXPECT_EQ(table.cards[1].x, 30);
    CardRow empty;
    platform_testing::takeInvalidations();
    EXPECT_EQ(copySelected(empty, table), 0);
    EXPECT_EQ(takeRepaintRects(window).size(), 2u) << "the destination is refreshed anyway";
}

// Dropping only marks the cards for removal; compacting removes them.
TEST_F(RowMoveTest, DropSelectedMarksAndCompactKeepsTheOrderOfTheRest) {
    hand.sortMode = SORT_NONE;
    selectCards(hand, "7S JC");
    dropSelected(hand);
    EXPECT_EQ(cardCount(hand), 5);
    EXPECT_EQ(hand.cards[3].present * 10 + hand.cards[2].present, 1);
    compact(hand);
    EXPECT_EQ(names(hand), "6D 9H AS");
    EXPECT_EQ(hand.cards[2].x, 2 + 2 * 28);
    CardRow empty;
    show(empty);
    platform_testing::takeInvalidations();
    compact(empty);
    EXPECT_TRUE(platform_testing::takeInvalidations().empty());
}

TEST_F(RowMoveTest, ClearAndDestructionRepaintWhereTheCardsWere) {
    {
        CardRow scoped;
        show(scoped);
        scoped.originX = 2;
        scoped.originY = 73;
        addCards(scoped, "8C TD");
        refresh(scoped);
        platform_testing::takeInvalidations();
    }
    const auto rects = takeRepaintRects(window);
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[1], "16,73,44,113");
    clear(hand);
    EXPECT_EQ(cardCount(hand), 0);
    EXPECT_EQ(takeRepaintRects(window).size(), 5u);
    clear(hand);
    EXPECT_TRUE(platform_testing::takeInvalidations().empty());
}

TEST_F(RowMoveTest, TrumpSuitChangesMarksNotOrderUntilRefresh) {
    hand.sortMode = SORT_BY_SUIT;
    refresh(hand);
    platform_testing::takeInvalidations();
    setTrumpSuit(hand, SUIT_DIAMONDS);
    EXPECT_EQ(names(hand) + " " + std::to_string(hand.trumpSuit) +
                  std::to_string(hand.cards[0].isTrump) + std::to_string(hand.cards[4].isTrump),
              "6D JC 7S AS 9H 110");
    EXPECT_TRUE(platform_testing::takeInvalidations().empty());
    refresh(hand);
    EXPECT_EQ(names(hand), "9H JC 7S AS 6D");
}

TEST_F(RowMoveTest, BackStyleRepaintsOnlyAFaceDownRow) {
    setBackStyle(hand, 3);
    EXPECT_EQ(hand.backStyle * 10 + hand.cards[0].backStyle, 33);
    EXPECT_TRUE(platform_testing::takeInvalidations().empty());
    hand.faceDown = 1;
    setBackStyle(hand, 4);
    EXPECT_EQ(hand.cards[4].backStyle, 4);
    EXPECT_EQ(takeRepaintRects(window).size(), 5u);
}

} // namespace
