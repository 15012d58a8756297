#include <gtest/gtest.h>

#include <string>

#include "card_test_support.h"
#include "cards/card_row.h"

namespace {

using namespace card_test;

enum Tap { Select, Toggle, SelectOnly };

// The human's hand "6D 9H JC AS" laid side by side from (2, 141): card i
// (0-based) is drawn at x = 2 + 28 i and hit from x = 28 i.
class RowTapTest : public WindowedTest {
  protected:
    void SetUp() override {
        WindowedTest::SetUp();
        show(hand);
        hand.originX = 2;
        hand.originY = 141;
        hand.layoutMode = 2;
        hand.perLine = 7;
        addCards(hand, "6D 9H JC AS");
        refresh(hand);
        platform_testing::takeInvalidations();
    }

    int32_t tap(Tap kind, int32_t x, int32_t y = 150) {
        int32_t (*const taps[])(CardRow&, int32_t, int32_t) = {tapSelect, tapToggle, tapSelectOnly};
        return taps[kind](hand, x, y);
    }

    static int32_t xOf(int32_t index) { return 2 + 28 * index + 5; }

    CardRow hand;
};

TEST_F(RowTapTest, TapsChangeTheSelectionByTheirOwnRule) {
    struct Case {
        const char* label;
        const char* before;
        Tap kind;
        int32_t card; // 0-based, tapped in its middle
        int32_t hit;
        const char* after;
    };
    const Case cases[] = {
        {"select an unselected card: the only one", "6D AS", Select, 1, 2, "9H"},
        {"select the only selected card: none", "JC", Select, 2, 3, ""},
        {"select the first of several: only it goes", "9H JC AS", Select, 1, 2, "JC AS"},
        {"select a later one of several: all go", "9H JC", Select, 2, 3, ""},
        {"toggle flips only the card hit", "6D", Toggle, 2, 3, "6D JC"},
        {"toggle a selected card", "6D JC", Toggle, 0, 1, "JC"},
        {"select-only replaces the selection", "6D JC", SelectOnly, 2, 3, "JC"},
        {"select-only on the only selected card keeps it", "JC", SelectOnly, 2, 3, "JC"},
        {"select-only on an empty selection", "", SelectOnly, 3, 4, "AS"},
    };
    for (const Case& c : cases) {
        selectCards(hand, c.before);
        EXPECT_EQ(tap(c.kind, xOf(c.card)), c.hit) << c.label;
        EXPECT_EQ(selectedNames(hand), c.after) << c.label;
    }
    selectCards(hand, "");
    hand.cards[0].selected = 7; // any non-zero mark counts as selected
    EXPECT_EQ(tap(Toggle, xOf(0)), 1);
    EXPECT_EQ(selectedNames(hand), "");
}

// A new selection repaints the whole row (selectNone), then the card hit.
// A row in place repaints only the cards whose selection changes; one that
// is out of order is refreshed whole, every card at its new place.
TEST_F(RowTapTest, TapsRepaintTheCardsTheyChange) {
    selectCards(hand, "AS");
    tap(Select, xOf(1));
    EXPECT_EQ(takeRepaintRects(window),
              (std::vector<std::string>{"86,141,114,181", "30,141,58,181"}));
    tap(Toggle, xOf(2));
    EXPECT_EQ(takeRepaintRects(window), std::vector<std::string>{"58,141,86,181"});
    std::swap(hand.cards[0], hand.cards[3]);
    tap(Select, xOf(2));
    EXPECT_EQ(takeRepaintRects(window),
              (std::vector<std::string>{"2,141,30,181", "30,141,58,181", "58,141,86,181",
                                        "86,141,114,181", "58,141,86,181"}));
}

TEST_F(RowTapTest, TapMissingEveryCardChangesNothing) {
    selectCards(hand, "9H");
    for (auto [px, py] : {std::pair{-1, 150}, std::pair{xOf(4), 150}, std::pair{xOf(0), 140},
                          std::pair{xOf(0), 182}}) {
        for (Tap kind : {Select, Toggle, SelectOnly}) {
            EXPECT_EQ(tap(kind, px, py), 0) << px << "," << py;
        }
    }
    EXPECT_EQ(selectedNames(hand), "9H");
    EXPECT_TRUE(takeRepaintRects(window).empty());
}

TEST_F(RowTapTest, OverlapsGoToTheCardDrawnOnTopUnlessItIsHidden) {
    EXPECT_EQ(tap(Toggle, 28), 2) << "x 28 is card 0's right edge and card 1's left edge";
    hand.layoutMode = 1; // 14 pixels apart
    refresh(hand);
    EXPECT_EQ(tap(Toggle, 20), 2) << "x 20 lies in 6D's and 9H's areas";
    EXPECT_EQ(tap(Toggle, 8), 1) << "x 8 lies only in 6D's area";
    hand.layoutMode = 5;
    refresh(hand);
    hand.cards[3].hidden = 1;
    EXPECT_EQ(tap(Toggle, 10), 3);
}

// findRank, findSuit and firstSelected count from 1, with 0 for none.
TEST(RowSelectionTest, SelectAllNoneAndLookupsAreOneBasedWithZeroForNone) {
    CardRow row;
    row.originX = 2;
    row.originY = 0;
    auto lookups = [&row] {
        return std::vector<int32_t>{findRank(row, 9),           findRank(row, 13),
                                    findRank(row, 14),          findSuit(row, SUIT_DIAMONDS),
                                    findSuit(row, SUIT_HEARTS), findSuit(row, SUIT_CLUBS),
                                    countRank(row, 9),          countRank(row, 7),
                                    firstSelected(row),         countSelected(row)};
    };
    EXPECT_EQ(lookups(), (std::vector<int32_t>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    addCards(row, "9H 6D 9S KH");
    selectAll(row);
    EXPECT_EQ(selectedNames(row), "9H 6D 9S KH");
    EXPECT_NE(row.cards[0].x, -1) << "selecting refreshes the row";
    selectNone(row);
    EXPECT_EQ(countSelected(row), 0);
    selectCards(row, "9S KH");
    EXPECT_EQ(lookups(), (std::vector<int32_t>{1, 4, 0, 2, 1, 0, 2, 0, 3, 2}));
}

} // namespace
