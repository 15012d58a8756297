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

using Marks = std::vector<int32_t>;

// The human's hand as the game lays it out: side by side from (2, 141), so
// card i (0-based) is drawn at x = 2 + 28 i and hit from x = 28 i.
class RowTapTest : public WindowedTest {
  protected:
    void SetUp() override {
        WindowedTest::SetUp();
        show(hand);
        hand.originX = 2;
        hand.originY = 141;
        hand.layoutMode = 2;
        hand.perLine = 7;
        addCards(hand, {"6D", "9H", "JC", "AS"});
        refresh(hand);
        platform_testing::takeInvalidations();
    }

    static int32_t xOf(int32_t index) { return 2 + 28 * index + 5; }

    CardRow hand;
};

TEST_F(RowTapTest, TapSelectOnAnUnselectedCardMakesItTheOnlyOne) {
    hand.cards[0].selected = 1;
    hand.cards[3].selected = 1;
    EXPECT_EQ(tapSelect(hand, xOf(1), 150), 2);
    EXPECT_EQ(selectedMarks(hand), (Marks{0, 1, 0, 0}));
}

TEST_F(RowTapTest, TapSelectTwiceOnOneCardLeavesNothingSelected) {
    EXPECT_EQ(tapSelect(hand, xOf(2), 150), 3);
    EXPECT_EQ(tapSelect(hand, xOf(2), 150), 3);
    EXPECT_EQ(countSelected(hand), 0);
}

TEST_F(RowTapTest, TapSelectOnAThenBLeavesOnlyB) {
    tapSelect(hand, xOf(0), 150);
    tapSelect(hand, xOf(3), 150);
    EXPECT_EQ(selectedMarks(hand), (Marks{0, 0, 0, 1}));
}

TEST_F(RowTapTest, TapSelectOnTheFirstOfSeveralSelectedUnselectsOnlyIt) {
    hand.cards[1].selected = 1;
    hand.cards[2].selected = 1;
    hand.cards[3].selected = 1;
    EXPECT_EQ(tapSelect(hand, xOf(1), 150), 2);
    EXPECT_EQ(selectedMarks(hand), (Marks{0, 0, 1, 1}));
}

TEST_F(RowTapTest, TapSelectOnALaterSelectedCardUnselectsAll) {
    hand.cards[1].selected = 1;
    hand.cards[2].selected = 1;
    EXPECT_EQ(tapSelect(hand, xOf(2), 150), 3);
    EXPECT_EQ(selectedMarks(hand), (Marks{0, 0, 0, 0}));
}

TEST_F(RowTapTest, TapToggleFlipsOnlyTheCardHitAndRepaintsIt) {
    hand.cards[0].selected = 1;
    EXPECT_EQ(tapToggle(hand, xOf(2), 150), 3);
    EXPECT_EQ(selectedMarks(hand), (Marks{1, 0, 1, 0}));
    auto rects = takeRepaintRects(window);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_TRUE(sameRect(rects[0], RECT{58, 141, 86, 181}));

    hand.cards[0].selected = 7; // any non-zero mark counts as selected
    EXPECT_EQ(tapToggle(hand, xOf(0), 150), 1);
    EXPECT_EQ(selectedMarks(hand), (Marks{0, 0, 1, 0}));
}

TEST_F(RowTapTest, TapSelectOnlyReplacesTheSelection) {
    hand.cards[0].selected = 1;
    hand.cards[2].selected = 1;
    EXPECT_EQ(tapSelectOnly(hand, xOf(2), 150), 3);
    EXPECT_EQ(selectedMarks(hand), (Marks{0, 0, 1, 0}));
    EXPECT_EQ(tapSelectOnly(hand, xOf(2), 150), 3);
    EXPECT_EQ(selectedMarks(hand), (Marks{0, 0, 1, 0})) << "a second tap keeps it selected";
}

TEST_F(RowTapTest, SelectionChangeRepaintsOnlyWhatChanges) {
    hand.cards[3].selected = 1;
    tapSelect(hand, xOf(1), 150);
    auto rects = takeRepaintRects(window);
    ASSERT_EQ(rects.size(), 2u) << "the card unselected, then the card hit";
    EXPECT_TRUE(sameRect(rects[0], RECT{86, 141, 114, 181}));
    EXPECT_TRUE(sameRect(rects[1], RECT{30, 141, 58, 181}));

    // A card out of its place: the row is laid out again and repainted whole.
    placeCard(hand.cards[2], 60, 141);
    tapSelect(hand, xOf(3), 150);
    rects = takeRepaintRects(window);
    ASSERT_EQ(rects.size(), 5u) << "the whole row by selectNone, then the card hit";
    EXPECT_TRUE(sameRect(rects[2], RECT{58, 141, 86, 181}));
    EXPECT_EQ(selectedMarks(hand), (Marks{0, 0, 0, 1}));
}

TEST_F(RowTapTest, TapMissingEveryCardChangesNothing) {
    hand.cards[1].selected = 1;
    for (auto [px, py] : {std::pair{-1, 150}, std::pair{xOf(4), 150}, std::pair{xOf(0), 140},
                          std::pair{xOf(0), 182}}) {
        EXPECT_EQ(tapSelect(hand, px, py), 0);
        EXPECT_EQ(tapToggle(hand, px, py), 0);
        EXPECT_EQ(tapSelectOnly(hand, px, py), 0);
    }
    EXPECT_EQ(selectedMarks(hand), (Marks{0, 1, 0, 0}));
    EXPECT_TRUE(takeRepaintRects(window).empty());
}

TEST_F(RowTapTest, SharedEdgeBelongsToTheLaterCard) {
    // x = 28 is both the right edge of card 0's area and the left edge of card 1's.
    EXPECT_EQ(tapToggle(hand, 28, 150), 2);
}

TEST_F(RowTapTest, HiddenCardLetsTheTapThrough) {
    hand.layoutMode = 5;
    refresh(hand);
    hand.cards[3].hidden = 1;
    EXPECT_EQ(tapToggle(hand, 10, 150), 3);
}

TEST(RowOverlapTest, TapInTheOverlapHitsTheCardDrawnOnTop) {
    CardRow row;
    row.originX = 2;
    row.originY = 141;
    row.layoutMode = 1; // 14 pixels apart
    addCards(row, {"6D", "7D", "8D"});
    refresh(row);
    EXPECT_EQ(tapToggle(row, 20, 150), 2) << "x 20 lies in 6D's and 7D's areas";
    EXPECT_EQ(tapToggle(row, 8, 150), 1) << "x 8 lies only in 6D's area";
    EXPECT_EQ(tapToggle(row, 45, 150), 3);
}

TEST(RowSelectionTest, SelectAllAndNoneMarkEveryCard) {
    CardRow row;
    row.originX = 2;
    row.originY = 0;
    addCards(row, {"6D", "7D", "8D"});
    selectAll(row);
    EXPECT_EQ(selectedMarks(row), (Marks{1, 1, 1}));
    EXPECT_EQ(countSelected(row), 3);
    EXPECT_NE(row.cards[0].x, -1) << "both refresh the row";
    selectNone(row);
    EXPECT_EQ(countSelected(row), 0);
    EXPECT_EQ(firstSelected(row), 0);
}

TEST(RowSelectionTest, LookupsAreOneBasedWithZeroForNone) {
    CardRow row;
    EXPECT_EQ(findRank(row, 6), 0);
    EXPECT_EQ(findSuit(row, 1), 0);
    EXPECT_EQ(firstSelected(row), 0);
    EXPECT_EQ(countRank(row, 6), 0);
    EXPECT_EQ(countSelected(row), 0);

    addCards(row, {"9H", "6D", "9S", "KH"});
    row.cards[2].selected = 1;
    row.cards[3].selected = 1;
    EXPECT_EQ(findRank(row, 9), 1);
    EXPECT_EQ(findRank(row, 13), 4);
    EXPECT_EQ(findRank(row, 14), 0);
    EXPECT_EQ(findSuit(row, SUIT_DIAMONDS), 2);
    EXPECT_EQ(findSuit(row, SUIT_HEARTS), 1);
    EXPECT_EQ(findSuit(row, SUIT_CLUBS), 0);
    EXPECT_EQ(countRank(row, 9), 2);
    EXPECT_EQ(countRank(row, 7), 0);
    EXPECT_EQ(firstSelected(row), 3);
    EXPECT_EQ(countSelected(row), 2);
}

} // namespace
