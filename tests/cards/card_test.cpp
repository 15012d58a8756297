#include <gtest/gtest.h>

#include "card_test_support.h"
#include "cards/card.h"

namespace {

using namespace card_test;

Card placedCard(const std::string& name, int32_t x, int32_t y) {
    Card card;
    resetCard(card);
    const CardName parsed = name == "--" ? CardName{} : parseCard(name);
    card.suit = parsed.suit;
    card.rank = parsed.rank;
    placeCard(card, x, y);
    return card;
}

TEST(CardTest, ResetKeepsWindowAndBoundsAndPlaceTakesTheSize) {
    Card card{reinterpret_cast<HWND>(0x1234), {1, 2, 3, 4}, 1, 2, 9, 1, 5, 6, 3, 1, 1, 1, 7, 8};
    resetCard(card);
    EXPECT_EQ(card.window, reinterpret_cast<HWND>(0x1234));
    EXPECT_EQ((std::vector<int32_t>{card.hidden, card.suit, card.rank, card.x, card.selected,
                                    card.present, card.faceDown, card.height, card.width}),
              (std::vector<int32_t>{0, -1, -1, -1, 0, 0, 0, 40, 28}));
    placeCard(card, 30, 141);
    EXPECT_EQ(rectText(card.bounds), "30,141,58,181");
    card.width = 10;
    card.height = 5;
    placeCard(card, -4, 7);
    EXPECT_EQ(rectText(card.bounds), "-4,7,6,12");
}

// 9H at (30, 141) is hit from x - 2 to x - 2 + width, from y to y + height.
TEST(CardTest, HitAreaIsShiftedTwoPixelsLeftAndIncludesFarEdges) {
    struct Case {
        const char* card;
        int32_t x, y, hidden, px, py, hit;
    };
    const int32_t big = 2147483647;
    const Case cases[] = {
        {"9H", 30, 141, 0, 28, 141, 1},         {"9H", 30, 141, 0, 56, 181, 1},
        {"9H", 30, 141, 0, 27, 141, 0},         {"9H", 30, 141, 0, 57, 141, 0},
        {"9H", 30, 141, 0, 30, 140, 0},         {"9H", 30, 141, 0, 30, 182, 0},
        {"9H", 30, 141, 1, 40, 160, 0},         {"--", 30, 141, 0, 40, 160, 0},
        {"9H", -1, -1, 0, -1, -1, 0},           {"9H", -1, -1, 0, -2, 10, 0},
        {"6D", big, -big, 0, big - 2, -big, 1}, {"6D", big, -big, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        Card card = placedCard(c.card, c.x, c.y);
        card.hidden = c.hidden;
        EXPECT_EQ(hitTest(card, c.px, c.py), c.hit)
            << c.card << " at " << c.x << "," << c.y << " hidden " << c.hidden << ", tap " << c.px
            << "," << c.py;
    }
}

using CardRepaintTest = WindowedTest;

TEST_F(CardRepaintTest, RepaintAndHidingAskForTheBoundsOfAnIdentifiedPlacedCardOnly) {
    Card card = placedCard("TC", 2, 73);
    repaintCard(card);
    EXPECT_TRUE(platform_testing::takeInvalidations().empty()) << "no window";
    attachWindow(card, window);
    repaintCard(card);
    EXPECT_EQ(takeRepaintRects(window), std::vector<std::string>{"2,73,30,113"});
    for (int field = 0; field < 4; ++field) {
        Card unset = card;
        int32_t* fields[4] = {&unset.suit, &unset.rank, &unset.x, &unset.y};
        *fields[field] = -1;
        repaintCard(unset);
        EXPECT_TRUE(takeRepaintRects(window).empty()) << "field " << field;
    }
    setHidden(card, 1);
    EXPECT_EQ(hitTest(card, 10, 80), 0);
    EXPECT_EQ(takeRepaintRects(window), std::vector<std::string>{"2,73,30,113"});
    setHidden(card, 0);
    EXPECT_EQ(hitTest(card, 10, 80), 1);
    EXPECT_EQ(takeRepaintRects(window).size(), 1u);
}

} // namespace
