#include <gtest/gtest.h>

#include "card_test_support.h"
#include "cards/card.h"
#include "cards/table.h"

namespace {

using card_test::sameRect;
using card_test::takeRepaintRects;
using card_test::WindowedTest;

Card placedCard(int32_t suit, int32_t rank, int32_t x, int32_t y) {
    Card card;
    resetCard(card);
    card.suit = suit;
    card.rank = rank;
    placeCard(card, x, y);
    return card;
}

TEST(CardTest, ResetRestoresDefaultsButKeepsWindowAndBounds) {
    Card card;
    card.window = reinterpret_cast<HWND>(0x1234);
    card.bounds = {1, 2, 3, 4};
    card.hidden = 1;
    card.suit = 2;
    card.rank = 9;
    card.isTrump = 1;
    card.x = 5;
    card.y = 6;
    card.backStyle = 3;
    card.selected = 1;
    card.present = 1;
    card.faceDown = 1;
    card.height = 7;
    card.width = 8;

    resetCard(card);
    EXPECT_EQ(card.window, reinterpret_cast<HWND>(0x1234));
    EXPECT_TRUE(sameRect(card.bounds, RECT{1, 2, 3, 4}));
    EXPECT_EQ(card.hidden, 0);
    EXPECT_EQ(card.suit, -1);
    EXPECT_EQ(card.rank, -1);
    EXPECT_EQ(card.isTrump, -1);
    EXPECT_EQ(card.x, -1);
    EXPECT_EQ(card.y, -1);
    EXPECT_EQ(card.backStyle, 0);
    EXPECT_EQ(card.selected, 0);
    EXPECT_EQ(card.present, 0);
    EXPECT_EQ(card.faceDown, 0);
    EXPECT_EQ(card.height, 40);
    EXPECT_EQ(card.width, 28);
}

TEST(CardTest, PlaceSetsPositionAndBoundsFromTheSize) {
    Card card;
    resetCard(card);
    placeCard(card, 30, 141);
    EXPECT_EQ(card.x, 30);
    EXPECT_EQ(card.y, 141);
    EXPECT_TRUE(sameRect(card.bounds, RECT{30, 141, 58, 181}));

    card.width = 10;
    card.height = 5;
    placeCard(card, -4, 7);
    EXPECT_TRUE(sameRect(card.bounds, RECT{-4, 7, 6, 12}));
}

TEST(CardTest, HitAreaIsShiftedTwoPixelsLeftAndIncludesFarEdges) {
    const Card card = placedCard(2, 9, 30, 141); // 9H
    EXPECT_EQ(hitTest(card, 28, 141), 1);        // x - 2, y
    EXPECT_EQ(hitTest(card, 56, 181), 1);        // x - 2 + width, y + height
    EXPECT_EQ(hitTest(card, 40, 160), 1);
    EXPECT_EQ(hitTest(card, 27, 141), 0); // x - 3
    EXPECT_EQ(hitTest(card, 57, 141), 0); // x - 1 + width
    EXPECT_EQ(hitTest(card, 30, 140), 0); // y - 1
    EXPECT_EQ(hitTest(card, 30, 182), 0); // y + height + 1
}

TEST(CardTest, UnidentifiedUnplacedOrHiddenCardIsNeverHit) {
    Card card = placedCard(2, 9, 30, 141);
    card.hidden = 1;
    EXPECT_EQ(hitTest(card, 40, 160), 0);

    card = placedCard(-1, 9, 30, 141);
    EXPECT_EQ(hitTest(card, 40, 160), 0);
    card = placedCard(2, -1, 30, 141);
    EXPECT_EQ(hitTest(card, 40, 160), 0);

    Card unplaced;
    resetCard(unplaced);
    unplaced.suit = 2;
    unplaced.rank = 9;
    EXPECT_EQ(hitTest(unplaced, -1, -1), 0);
    EXPECT_EQ(hitTest(unplaced, -2, 10), 0);
}

TEST(CardTest, ExtremeCoordinatesDoNotMisbehave) {
    const Card card = placedCard(1, 6, 2147483647, -2147483647);
    EXPECT_EQ(hitTest(card, 2147483645, -2147483647), 1);
    EXPECT_EQ(hitTest(card, 0, 0), 0);
}

TEST(CardTest, AttachWindowSetsTheHandle) {
    Card card;
    attachWindow(card, reinterpret_cast<HWND>(0x55));
    EXPECT_EQ(card.window, reinterpret_cast<HWND>(0x55));
}

TEST(CardTest, ProgramWideObjectsStartReset) {
    EXPECT_EQ(deck.capacity, 36);
    EXPECT_EQ(remaining(deck), 36);
    for (const Card* card : {&trumpCard, &talonCard}) {
        EXPECT_EQ(card->suit, -1);
        EXPECT_EQ(card->rank, -1);
        EXPECT_EQ(card->isTrump, -1);
        EXPECT_EQ(card->x, -1);
        EXPECT_EQ(card->hidden, 0);
        EXPECT_EQ(card->width, 28);
        EXPECT_EQ(card->height, 40);
    }
    for (const CardRow* row : {&computerHand, &computerTableRow, &humanTableRow, &humanHand}) {
        EXPECT_EQ(cardCount(*row), 0);
        EXPECT_EQ(row->sortMode, -1);
        EXPECT_EQ(row->perLine, 16);
        EXPECT_EQ(row->layoutMode, 1);
        EXPECT_EQ(row->trumpSuit, 0);
        EXPECT_EQ(row->cardWidth, -1);
    }
}

using CardRepaintTest = WindowedTest;

TEST_F(CardRepaintTest, RepaintAsksForTheBoundsWithoutErasing) {
    Card card = placedCard(3, 10, 2, 73); // TC
    attachWindow(card, window);
    repaintCard(card);
    const auto rects = takeRepaintRects(window);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_TRUE(sameRect(rects[0], RECT{2, 73, 30, 113}));
}

TEST_F(CardRepaintTest, NothingIsAskedForAnUnidentifiedOrUnplacedCard) {
    for (int field = 0; field < 4; ++field) {
        Card card = placedCard(3, 10, 2, 73);
        attachWindow(card, window);
        int32_t* unset[4] = {&card.suit, &card.rank, &card.x, &card.y};
        *unset[field] = -1;
        repaintCard(card);
        EXPECT_TRUE(takeRepaintRects(window).empty()) << "field " << field;
    }
}

TEST_F(CardRepaintTest, CardWithoutWindowAsksNothing) {
    const Card card = placedCard(3, 10, 2, 73);
    repaintCard(card);
    EXPECT_TRUE(platform_testing::takeInvalidations().empty());
}

TEST_F(CardRepaintTest, HidingAPlacedCardRepaintsItsBounds) {
    Card card = placedCard(4, 14, 205, 50); // AS
    attachWindow(card, window);
    setHidden(card, 1);
    EXPECT_EQ(card.hidden, 1);
    EXPECT_EQ(hitTest(card, 210, 60), 0);
    auto rects = takeRepaintRects(window);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_TRUE(sameRect(rects[0], RECT{205, 50, 233, 90}));

    setHidden(card, 0);
    EXPECT_EQ(hitTest(card, 210, 60), 1);
    EXPECT_EQ(takeRepaintRects(window).size(), 1u);
}

} // namespace
