// SPDX-License-Identifier: MIT
// The keyboard's focus mark over hands of every size the game deals or
// builds (one card, six, seven, the eighteen of bulk Durak, twenty-four after
// takes): the arrows reach every card from either end and stop there, Home
// and End jump to the ends, the frame lies round the card it marks, and a
// card that leaves the hand leaves the mark in its place.
#include <algorithm>
#include <string>

#include "game/table_fixture.h"
#include "window/keyboard_play.h"

using namespace table_test;

namespace {

class KeyboardMarkTest : public TableTest {
  protected:
    static void key(WPARAM which) { send(WM_KEYDOWN, which, 0); }

    // The first `count` cards of the pack, six of diamonds up.
    static std::string cards(int32_t count) {
        std::string names;
        for (int32_t i = 0; i < count; ++i) {
            names += (i == 0 ? "" : " ") + cardName(1 + i / 9, 6 + i % 9);
        }
        return names;
    }

    // The mark is on the card at `place`, and its frame lies two pixels out
    // from the card's top and right, and on or just outside its left edge.
    static void expectMarkOn(int32_t place) {
        ASSERT_EQ(focusedCard(), place);
        const Card& card = humanHand.cards[place];
        const RECT mark = focusMarkRect();
        EXPECT_EQ(mark.top, card.y - 2) << nameOf(card);
        EXPECT_TRUE(mark.left == card.x || mark.left == card.x - 2) << nameOf(card);
        EXPECT_GT(mark.right, card.x + 2) << nameOf(card);
        EXPECT_GT(mark.bottom, card.y + 2) << nameOf(card);
    }
};

TEST_F(KeyboardMarkTest, ArrowsReachEveryCardFromEitherEndAndStopThere) {
    for (const int32_t size : {1, 6, 7, 18, 24}) {
        SCOPED_TRACE("a hand of " + std::to_string(size));
        setUpPosition({.type = size > 7 ? 2 : 0,
                       .trump = "AS",
                       .trumpDealt = true,
                       .humanHand = cards(size),
                       .talon = 0});
        ASSERT_EQ(cardCount(humanHand), size);
        focusMarkShown = 0;
        for (int32_t presses = 1; presses <= size + 1; ++presses) {
            key(VK_RIGHT);
            expectMarkOn(std::min(presses, size) - 1);
        }
        focusMarkShown = 0;
        for (int32_t presses = 1; presses <= size + 1; ++presses) {
            key(VK_LEFT);
            expectMarkOn(std::max(size - presses, 0));
        }
        key(VK_END);
        expectMarkOn(size - 1);
        key(VK_HOME);
        expectMarkOn(0);
        EXPECT_EQ(focusMarkShown, 1);
    }
}

// The human leads the marked card: the mark stays in its place, on the card
// that now lies there, or on the last card when the hand became shorter.
TEST_F(KeyboardMarkTest, TheMarkKeepsItsPlaceWhenItsCardIsPlayed) {
    const struct {
        int32_t place;
        const char* played;
        const char* markedAfter;
    } cases[] = {{0, "6C", "8C"}, {2, "TC", "QC"}, {4, "AC", "QC"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.played);
        setUpPosition({.computerHand = "7H 8H 9H TH JH QH", .humanHand = "6C 8C TC QC AC"});
        focusMarkShown = 0;
        key(VK_HOME);
        for (int32_t i = 0; i < c.place; ++i) {
            key(VK_RIGHT);
        }
        key(VK_SPACE);
        key(VK_RETURN);
        EXPECT_EQ(names(humanTableRow), c.played);
        ASSERT_EQ(cardCount(humanHand), 4);
        EXPECT_EQ(nameOf(humanHand.cards[focusedCard()]), c.markedAfter);
        expectMarkOn(focusedCard());
    }
}

} // namespace
