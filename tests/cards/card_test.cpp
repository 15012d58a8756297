#include <gtest/gtest.h>

#include "card_test_support.h"
#include "cards/card.h"

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
    Card card{reinterpret_cast<HWND>(0x1234), {1, 2, 3, 4}, 1, 2, 9, 1, 5, 6, 3, 1, 1, 1, 7, 8};
    resetCard(card);
    EXPECT_EQ(card.window, reinterpret_cast<HWND>(0x1234));
    EXPECT_TRUE(sameRect(card.bounds, RECT{1, 2, 3, 4}));
    EXPECT_EQ((std::vector<int32_t>{card.hidden, card.suit, card.rank, card.isTrump, card.x, card.y,
                                    card.backStyle, card.selected, card.present, card.faceDown,
                                    card.height, card.width}),
              (std::vector<int32_t>{0, -1, -1, -1, -1, -1, 0, 0, 0, 0, 40, 28}));
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

// 9H at (30, 141) is hit from x - 2 to x - 2 + width, from y to y + height.
TEST(CardTest, HitAreaIsShiftedTwoPixelsLeftAndIncludesFarEdges) {
    struct Case {
        int32_t suit, rank, x, y, hidden, px, py, hit;
    };
    const Case cases[] = {
        {2, 9, 30, 141, 0, 28, 141, 1},
        {2, 9, 30, 141, 0, 56, 181, 1},
        {2, 9, 30, 141, 0, 40, 160, 1},
        {2, 9, 30, 141, 0, 27, 141, 0},
        {2, 9, 30, 141, 0, 57, 141, 0},
        {2, 9, 30, 141, 0, 30, 140, 0},
        {2, 9, 30, 141, 0, 30, 182, 0},
        {2, 9, 30, 141, 1, 40, 160, 0},
        {-1, 9, 30, 141, 0, 40, 160, 0},
        {2, -1, 30, 141, 0, 40, 160, 0},
        {2, 9, -1, -1, 0, -1, -1, 0},
        {2, 9, -1, -1, 0, -2, 10, 0},
        {1, 6, 2147483647, -2147483647, 0, 2147483645, -2147483647, 1},
        {1, 6, 2147483647, -2147483647, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        Card card = placedCard(c.suit, c.rank, c.x, c.y);
        card.hidden = c.hidden;
        EXPECT_EQ(hitTest(card, c.px, c.py), c.hit)
            << "card " << c.suit << "/" << c.rank << " at " << c.x << "," << c.y << " hidden "
            << c.hidden << ", tap " << c.px << "," << c.py;
    }
}

using CardRepaintTest = WindowedTest;

TEST_F(CardRepaintTest, RepaintAsksForTheBoundsOfAnIdentifiedPlacedCardOnly) {
    Card card = placedCard(3, 10, 2, 73); // TC
    repaintCard(card);
    EXPECT_TRUE(platform_testing::takeInvalidations().empty()) << "no window";
    attachWindow(card, window);
    repaintCard(card);
    const auto rects = takeRepaintRects(window);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_TRUE(sameRect(rects[0], RECT{2, 73, 30, 113}));
    for (int field = 0; field < 4; ++field) {
        Card unset = card;
        int32_t* fields[4] = {&unset.suit, &unset.rank, &unset.x, &unset.y};
        *fields[field] = -1;
        repaintCard(unset);
        EXPECT_TRUE(takeRepaintRects(window).empty()) << "field " << field;
    }
}

TEST_F(CardRepaintTest, HidingAPlacedCardRepaintsItsBounds) {
    Card card = placedCard(4, 14, 205, 50); // AS
    attachWindow(card, window);
    setHidden(card, 1);
    EXPECT_EQ(hitTest(card, 210, 60), 0);
    auto rects = takeRepaintRects(window);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_TRUE(sameRect(rects[0], RECT{205, 50, 233, 90}));
    setHidden(card, 0);
    EXPECT_EQ(hitTest(card, 210, 60), 1);
    EXPECT_EQ(takeRepaintRects(window).size(), 1u);
}

} // namespace
