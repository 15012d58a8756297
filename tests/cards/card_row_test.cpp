// SPDX-License-Identifier: MIT
// The card row: adding, sorting, laying out, selecting by taps, moving
// between rows, and the repaints each asks for.
#include <utility>

#include "cards/card_row.h"
#include "support/card_notation.h"
#include "windowed_fixture.h"

namespace {

using namespace notation;

using Position = std::pair<int32_t, int32_t>;

std::vector<Position> positionsOf(const CardRow& row) {
    std::vector<Position> positions;
    for (const Card& card : row.cards) {
        positions.emplace_back(card.x, card.y);
    }
    return positions;
}

TEST(RowAddTest, NewCardsGetTheRowSettingsAndAnEmptyRowTakesTheCardSizeAgain) {
    CardRow row;
    row.faceDown = 1;
    row.backStyle = 3;
    row.trumpSuit = 2;
    addCards(row, "9H 9S");
    const Card& c = row.cards[0];
    EXPECT_EQ((std::vector<int32_t>{row.cardWidth, row.cardHeight, c.present, c.faceDown,
                                    c.backStyle, c.isTrump, row.cards[1].isTrump}),
              (std::vector<int32_t>{28, 40, 1, 1, 3, 1, 0}));
    row.cardWidth = 5;
    row.cards[0].selected = row.cards[1].selected = 1;
    dropSelected(row);
    compact(row);
    addCards(row, "8D");
    EXPECT_EQ(row.cardWidth, 28);
}

// Sorted rows place new cards at once, trumps last; others keep arrival
// order, unplaced, until a refresh.
TEST(RowSortTest, SortOrdersPutTrumpsLast) {
    struct Case {
        int32_t sortMode;
        int32_t trumpSuit;
        const char* added;
        const char* sorted;
    };
    const Case cases[] = {
        {SORT_BY_SUIT, SUIT_CLUBS, "TC 6S AD 6C QH", "AD QH 6S 6C TC"},
        {SORT_BY_RANK, SUIT_CLUBS, "6C 6D 7H 6S AC 6H 7C", "6D 6H 6S 6C 7H 7C AC"},
        {SORT_BY_SUIT, 0, "AS 6S KD TH 7D", "7D KD TH 6S AS"},
        {SORT_NONE, SUIT_CLUBS, "AC 6D", "AC 6D"},
    };
    for (const Case& c : cases) {
        CardRow row;
        row.trumpSuit = c.trumpSuit;
        row.sortMode = c.sortMode;
        row.originX = 10;
        row.originY = 20;
        addCards(row, c.added);
        EXPECT_EQ(names(row), c.sorted) << c.added << " in mode " << c.sortMode;
        EXPECT_EQ(row.cards[1].x, c.sortMode == SORT_NONE ? -1 : 24) << c.added;
    }
    CardRow row;
    addCards(row, "AS 6D");
    row.trumpSuit = 1;
    resort(row);
    EXPECT_EQ(names(row) + " " + std::to_string(row.cards[1].isTrump), "AS 6D 0")
        << "resort of an unsorted row must not refresh";
    row.sortMode = SORT_BY_RANK;
    resort(row);
    EXPECT_EQ(names(row) + " " + std::to_string(row.cards[0].isTrump), "6D AS 1");
    row.sortMode = SORT_BY_SUIT;
    addCards(row, "7D");
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
        row.originX = 2;
        row.originY = c.originY;
        for (int32_t i = 0; i < c.count; ++i) {
            addCard(row, 1 + i / 9, 6 + i % 9);
        }
        refresh(row);
        const auto positions = positionsOf(row);
        EXPECT_EQ(positions[0], Position(2, c.originY)) << "mode " << c.mode;
        for (const auto& [index, position] : c.expected) {
            EXPECT_EQ(positions[index], position) << "mode " << c.mode << ", card " << index;
        }
    }
}

// The hand closes up as it grows: up to six cards side by side, up to 24
// half a card apart, more a third of a card apart.
TEST(RowArrangeTest, TheHandClosesUpAtSevenAndAtTwentyFiveCards) {
    const std::pair<int32_t, int32_t> spacingBySize[] = {{2, 30},  {6, 30},  {7, 16},
                                                         {24, 16}, {25, 11}, {36, 11}};
    for (const auto& [size, secondX] : spacingBySize) {
        CardRow hand;
        hand.originX = 2;
        hand.originY = 141;
        for (int32_t i = 0; i < size; ++i) {
            addCard(hand, 1 + i / 9, 6 + i % 9);
        }
        handLayoutRule(hand);
        const auto positions = positionsOf(hand);
        EXPECT_EQ(positions[0], Position(2, 141)) << size;
        EXPECT_EQ(positions[1], Position(secondX, 141)) << size;
    }
}

enum Tap { Select, Toggle, SelectOnly };

// The hand "6D 9H JC AS" (hearts trump) in rank order, side by side from
// (2, 141): card i (0-based) is drawn at x = 2 + 28 i and hit from x = 28 i.
// The table row below it starts empty.
class RowTest : public WindowedTest {
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
        addCards(hand, "6D 9H JC AS");
        platform_testing::takeInvalidations();
    }

    int32_t tap(Tap kind, int32_t x, int32_t y = 150) {
        int32_t (*const taps[])(CardRow&, int32_t, int32_t) = {tapSelect, tapToggle, tapSelectOnly};
        return taps[kind](hand, x, y);
    }

    static int32_t xOf(int32_t index) { return 2 + 28 * index + 5; }

    CardRow hand;
    CardRow table;
};

TEST_F(RowTest, TapsChangeTheSelectionByTheirOwnRule) {
    struct Case {
        const char* label;
        const char* before;
        Tap kind;
        int32_t card; // 0-based, tapped in its middle
        int32_t hit;
        const char* after;
    };
    const Case cases[] = {
        {"select an unselected card: the only one", "9H AS", Select, 0, 1, "6D"},
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

// A row in place repaints only the cards whose selection changes; one out of
// place is refreshed whole, every card at its new place. A tap that misses
// every card changes and repaints nothing.
TEST_F(RowTest, TapsRepaintTheCardsTheyChange) {
    selectCards(hand, "AS");
    tap(Select, xOf(1));
    EXPECT_EQ(takeRepaintRects(), (std::vector<std::string>{"86,141,114,181", "30,141,58,181"}));
    tap(Toggle, xOf(2));
    EXPECT_EQ(takeRepaintRects(), std::vector<std::string>{"58,141,86,181"});
    std::swap(hand.cards[0], hand.cards[3]);
    tap(Select, xOf(2));
    EXPECT_EQ(takeRepaintRects(),
              (std::vector<std::string>{"2,141,30,181", "30,141,58,181", "58,141,86,181",
                                        "86,141,114,181", "58,141,86,181"}));
    std::swap(hand.cards[0], hand.cards[3]);
    refresh(hand);
    selectCards(hand, "9H JC");
    takeRepaintRects();
    for (auto [px, py] : {std::pair{-1, 150}, std::pair{xOf(4), 150}, std::pair{xOf(0), 140},
                          std::pair{xOf(0), 182}}) {
        for (Tap kind : {Select, Toggle, SelectOnly}) {
            EXPECT_EQ(tap(kind, px, py), 0) << px << "," << py;
        }
    }
    EXPECT_EQ(selectedNames(hand), "9H JC");
    EXPECT_TRUE(takeRepaintRects().empty());
}

TEST_F(RowTest, OverlapsGoToTheCardDrawnOnTopUnlessItIsHidden) {
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

// Moved cards are new cards of the destination. The source repaints their old
// places, then its cards' new ones; the unsorted table places its new cards
// at the final refresh.
TEST_F(RowTest, MovedCardsArriveInSourceOrderAndTheOldPlacesAreRepainted) {
    addCards(hand, "7S");
    platform_testing::takeInvalidations();
    table.faceDown = 1;
    table.backStyle = 2;
    table.trumpSuit = SUIT_SPADES;
    hand.cards[0].hidden = 1;
    selectCards(hand, "AS 7S 6D");
    EXPECT_EQ(moveSelected(hand, table), 3);
    EXPECT_EQ(names(table) + " / " + names(hand), "6D 7S AS / 9H JC");
    std::string moved; // each card "selected faceDown backStyle present hidden isTrump"
    for (const Card& c : table.cards) {
        for (int32_t field :
             {c.selected, c.faceDown, c.backStyle, c.present, c.hidden, c.isTrump}) {
            moved += std::to_string(field);
        }
        moved += c.window == window ? " " : " no window ";
    }
    EXPECT_EQ(moved, "012100 012101 012101 ") << "new cards of the table, where spades are trump";
    const auto rects = takeRepaintRects();
    ASSERT_EQ(rects.size(), 10u);
    EXPECT_EQ(rects[4], "114,141,142,181") << "old place of the last card";
    EXPECT_EQ(rects[6], "30,141,58,181") << "new place of the last card";
    EXPECT_EQ(rects[9], "58,94,86,134");
    EXPECT_EQ(positionsOf(table)[2], Position(58, 94));
    selectCards(table, "6D");
    EXPECT_EQ(moveSelected(table, table), 1);
    EXPECT_EQ(names(table) + " / " + selectedNames(table), "7S AS 6D / ")
        << "a move within one row sends the cards to its end";
    EXPECT_EQ(moveSelected(hand, table), 0);
    EXPECT_EQ(cardCount(hand) * 10 + cardCount(table), 23);
}

TEST_F(RowTest, CopyLeavesTheSourceAndItsMarksAlone) {
    selectCards(hand, "JC 6D");
    EXPECT_EQ(copySelected(hand, table), 2);
    EXPECT_EQ(names(table) + " / " + names(hand) + " / " + selectedNames(hand) + " / " +
                  selectedNames(table),
              "6D JC / 6D 9H JC AS / 6D JC / ");
    EXPECT_EQ(table.cards[1].x, 30);
    CardRow empty;
    platform_testing::takeInvalidations();
    EXPECT_EQ(copySelected(empty, table), 0);
    EXPECT_EQ(takeRepaintRects().size(), 2u) << "the destination is refreshed anyway";
}

// Dropping only marks the cards for removal; compacting removes them.
TEST_F(RowTest, DropSelectedMarksAndCompactKeepsTheOrderOfTheRest) {
    hand.sortMode = SORT_NONE;
    addCards(hand, "7S");
    selectCards(hand, "9H JC");
    dropSelected(hand);
    EXPECT_EQ(cardCount(hand), 5);
    EXPECT_EQ(hand.cards[2].present * 10 + hand.cards[1].present, 0);
    EXPECT_EQ(hand.cards[3].present * 10 + hand.cards[4].present, 11);
    compact(hand);
    EXPECT_EQ(names(hand), "6D AS 7S");
    EXPECT_EQ(hand.cards[2].x, 2 + 2 * 28);
    platform_testing::takeInvalidations();
    compact(table);
    EXPECT_TRUE(platform_testing::takeInvalidations().empty());
}

TEST_F(RowTest, ClearAndDestructionRepaintWhereTheCardsWere) {
    {
        CardRow scoped;
        show(scoped);
        scoped.originX = 2;
        scoped.originY = 73;
        addCards(scoped, "8C TD");
        refresh(scoped);
        platform_testing::takeInvalidations();
    }
    EXPECT_EQ(takeRepaintRects(), (std::vector<std::string>{"2,73,30,113", "16,73,44,113"}));
    clear(hand);
    EXPECT_EQ(cardCount(hand), 0);
    EXPECT_EQ(takeRepaintRects().size(), 4u);
    clear(hand);
    EXPECT_TRUE(platform_testing::takeInvalidations().empty());
}

TEST_F(RowTest, ANewTrumpSuitChangesMarksAtOnceAndTheOrderAtTheRefresh) {
    hand.sortMode = SORT_BY_SUIT;
    refresh(hand);
    platform_testing::takeInvalidations();
    setTrumpSuit(hand, SUIT_DIAMONDS);
    EXPECT_EQ(names(hand) + " " + std::to_string(hand.trumpSuit) +
                  std::to_string(hand.cards[0].isTrump) + std::to_string(hand.cards[3].isTrump),
              "6D JC AS 9H 110");
    EXPECT_TRUE(platform_testing::takeInvalidations().empty());
    refresh(hand);
    EXPECT_EQ(names(hand), "9H JC AS 6D") << "the order changes at the refresh";
}

} // namespace
