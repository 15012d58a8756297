// SPDX-License-Identifier: MIT
// The card: placing, hit tests and the repaints it asks for.
#include "cards/card.h"
#include "support/card_notation.h"
#include "windowed_fixture.h"

namespace {

using namespace notation;

Card placedCard(const std::string& name, int32_t x, int32_t y) {
    Card card{reinterpret_cast<HWND>(0x1234), {1, 2, 3, 4}, 1, 2, 9, 1, 5, 6, 3, 1, 1, 1, 7, 8};
    resetCard(card);
    const CardName parsed = name == "--" ? CardName{} : parseCard(name);
    card.suit = parsed.suit;
    card.rank = parsed.rank;
    placeCard(card, x, y);
    return card;
}

// A reset card keeps its window and takes the card size; 9H at (30, 141) is
// hit from x - 2 to x - 2 + width, from y to y + height.
TEST(CardTest, HitAreaIsShiftedTwoPixelsLeftAndIncludesFarEdges) {
    Card card = placedCard("9H", 30, 141);
    EXPECT_EQ(card.window, reinterpret_cast<HWND>(0x1234));
    EXPECT_EQ(rectText(card.bounds) + " " + std::to_string(card.hidden) +
                  std::to_string(card.backStyle) + std::to_string(card.selected) +
                  std::to_string(card.present) + std::to_string(card.faceDown),
              "30,141,58,181 00000");
    card.width = 10;
    card.height = 5;
    placeCard(card, -4, 7);
    EXPECT_EQ(rectText(card.bounds), "-4,7,6,12");
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
        card = placedCard(c.card, c.x, c.y);
        card.hidden = c.hidden;
        EXPECT_EQ(hitTest(card, c.px, c.py), c.hit)
            << c.card << " at " << c.x << "," << c.y << " hidden " << c.hidden << ", tap " << c.px
            << "," << c.py;
    }
}

using CardRepaintTest = WindowedTest;

TEST_F(CardRepaintTest, RepaintAndHidingAskForTheBoundsOfAnIdentifiedPlacedCardOnly) {
    Card card = placedCard("TC", 2, 73);
    attachWindow(card, window);
    repaintCard(card);
    EXPECT_EQ(takeRepaintRects(), std::vector<std::string>{"2,73,30,113"});
    for (int field = 0; field < 5; ++field) {
        Card unset = card;
        int32_t* fields[4] = {&unset.suit, &unset.rank, &unset.x, &unset.y};
        if (field < 4) {
            *fields[field] = -1;
        }
        unset.window = field < 4 ? window : nullptr;
        repaintCard(unset);
        EXPECT_TRUE(platform_testing::takeInvalidations().empty()) << "field " << field;
    }
    setHidden(card, 1);
    EXPECT_EQ(hitTest(card, 10, 80), 0);
    EXPECT_EQ(takeRepaintRects(), std::vector<std::string>{"2,73,30,113"});
    setHidden(card, 0);
    EXPECT_EQ(hitTest(card, 10, 80), 1);
    EXPECT_EQ(takeRepaintRects().size(), 1u);
}

} // namespace
