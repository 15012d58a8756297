// The table as a whole: colour, separators, the trump card under the talon,
// the suit mark, and which table row lies on top.
#include "paint_fixture.h"
#include "window/table_colours.h"

using namespace paint_test;
using namespace table_test;

namespace {

TEST_F(PaintTest, TableColourFillsTheBackground) {
    const uint32_t expected[5] = {0x009600, 0x000000, 0x800000, 0x000099, 0x808080};
    setUpPosition({});
    for (int32_t index = 0; index < 5; ++index) {
        SCOPED_TRACE("table colour " + std::to_string(index));
        tableColourIndex = index;
        const platform::Surface screen = paintAll();
        EXPECT_EQ(pixelsOtherThan(screen, {0, 261, 240, 320}, expected[index]), 0);
        EXPECT_EQ(pixelsOtherThan(screen, {2, 30, 190, 70}, expected[index]), 0);
    }
}

// A settings file edited by hand may hold any number for the colour.
TEST_F(PaintTest, TableColourOutsideTheFivePaintsTheFirstColour) {
    setUpPosition({.humanHand = "6C"});
    tableColourIndex = 0;
    const platform::Surface green0 = paintAll();
    for (int32_t index : {5, -1, 255, INT32_MAX, INT32_MIN}) {
        SCOPED_TRACE("table colour " + std::to_string(index));
        tableColourIndex = index;
        const platform::Surface screen = paintAll();
        EXPECT_EQ(screen.pixels, green0.pixels);
    }
}

TEST_F(PaintTest, SeparatorsAreWhiteLines) {
    setUpPosition({});
    tableColourIndex = 4;
    const platform::Surface screen = paintAll();
    // The command bar lies over the top rows of the window.
    EXPECT_EQ(pixelsOtherThan(screen, {199, 30, 200, 226}, white), 0) << "vertical";
    EXPECT_EQ(pixelsOtherThan(screen, {0, 226, 240, 227}, white), 0) << "horizontal";
    EXPECT_EQ(pixelsOtherThan(screen, {198, 30, 199, 226}, 0x808080), 0);
    EXPECT_EQ(pixelsOtherThan(screen, {200, 30, 201, 226}, 0x808080), 0);
    EXPECT_EQ(pixelsOtherThan(screen, {0, 225, 199, 226}, 0x808080), 0);
    EXPECT_EQ(pixelsOtherThan(screen, {0, 227, 240, 228}, 0x808080), 0);
}

TEST_F(PaintTest, TrumpCardShowsOnlyItsLowerPartUnderTheTalon) {
    setUpPosition({.trump = "9H", .talon = 12});
    const platform::Surface screen = paintAll();
    const platform::Surface mat = resourceImage(IDB_BACK_MAT);
    const platform::Surface heart = resourceImage(IDB_HEART);
    const platform::Surface red = resourceImage(IDB_RANKS_RED);
    EXPECT_EQ(mismatches(screen, 205, 25, mat, 0, 0, 28, 40, Lands::Copied, "talon"), 0);
    // Rows 65 to 89: the trump card's lower 25 pixels with its lower glyphs.
    EXPECT_EQ(mismatches(screen, 207, 79, heart, 0, 0, 9, 9, Lands::Copied, "trump suit"), 0);
    EXPECT_EQ(mismatches(screen, 224, 79, red, 99, 0, 7, 10, Lands::Copied, "trump rank"), 0);
    EXPECT_EQ(pixelsOtherThan(screen, {205, 89, 233, 90}, black), 0) << "trump's lower edge";
    EXPECT_EQ(pixelsOtherThan(screen, {206, 65, 232, 78}, white), 0) << "trump's face";
    EXPECT_EQ(pixelsOtherThan(screen, {205, 90, 233, 91}, green), 0) << "below the trump";
}

TEST_F(PaintTest, SuitMarkShowsOnceTheTrumpCardIsDealt) {
    setUpPosition({.trump = "9S", .trumpDealt = true, .talon = 0});
    const platform::Surface screen = paintAll();
    const platform::Surface spade = resourceImage(IDB_SPADE);
    EXPECT_EQ(mismatches(screen, 215, 74, spade, 0, 0, 9, 9, Lands::Copied, "mark"), 0);
    EXPECT_EQ(pixelsOtherThan(screen, {214, 72, 225, 74}, white), 0) << "box above the glyph";
    EXPECT_EQ(pixelsOtherThan(screen, {214, 72, 215, 83}, white), 0) << "box left of the glyph";
    EXPECT_EQ(pixelsOtherThan(screen, {224, 72, 225, 83}, white), 0) << "box right of the glyph";
    // Neither the talon nor the trump card lies there any more.
    EXPECT_EQ(pixelsOtherThan(screen, {205, 25, 233, 72}, green), 0);
    EXPECT_EQ(pixelsOtherThan(screen, {205, 83, 233, 90}, green), 0);
    EXPECT_EQ(pixelsOtherThan(screen, {213, 72, 214, 83}, green), 0);
    EXPECT_EQ(pixelsOtherThan(screen, {225, 72, 226, 83}, green), 0);
}

TEST_F(PaintTest, NoSuitMarkWhileTheTrumpCardLies) {
    setUpPosition({.trump = "9S", .talon = 0});
    const platform::Surface screen = paintAll();
    EXPECT_EQ(pixelsOtherThan(screen, {205, 25, 233, 50}, green), 0) << "no talon";
    // Where the mark would be, the trump card's face and glyphs show.
    const platform::Surface spade = resourceImage(IDB_SPADE);
    EXPECT_EQ(mismatches(screen, 222, 52, spade, 0, 0, 9, 9, Lands::Copied, "trump suit"), 0);
    EXPECT_EQ(pixelsOtherThan(screen, {214, 72, 225, 74}, white), 0);
    EXPECT_EQ(screen.at(205, 72), black) << "the trump card's frame";
}

TEST_F(PaintTest, JapaneseVariantShowsTheDiamondMarkUnderTheTalon) {
    setUpPosition({.type = 4, .talon = 10});
    const platform::Surface screen = paintAll();
    const platform::Surface mat = resourceImage(IDB_BACK_MAT);
    const platform::Surface diamond = resourceImage(IDB_DIAMOND);
    EXPECT_EQ(mismatches(screen, 205, 25, mat, 0, 0, 28, 40, Lands::Copied, "talon"), 0);
    EXPECT_EQ(mismatches(screen, 215, 74, diamond, 0, 0, 9, 9, Lands::Copied, "mark"), 0);
    EXPECT_EQ(pixelsOtherThan(screen, {205, 65, 233, 72}, green), 0) << "no trump card";
}

// The two table rows lie 21 pixels apart: the lower card covers all of the
// upper one but its top 21 rows, or the upper one covers the lower's top.
class CoveredAttackTest : public PaintTest {
  protected:
    platform::Surface paintBout(int32_t computerAttacking) {
        setUpPosition({.trump = "9H", .computerTable = "7C", .humanTable = "9C", .talon = 12});
        computerAttacks = computerAttacking;
        return paintAll();
    }
};

TEST_F(CoveredAttackTest, WhileTheComputerAttacksTheHumansAnswerLiesOnTop) {
    const platform::Surface screen = paintBout(1);
    EXPECT_EQ(pixelsOtherThan(screen, {2, 94, 30, 95}, black), 0) << "9C's top edge is whole";
    const platform::Surface black9 = resourceImage(IDB_RANKS_BLACK);
    EXPECT_EQ(mismatches(screen, 4, 96, black9, 99, 0, 7, 10, Lands::Copied, "9C's rank"), 0);
    // The attack's upper glyphs stay in sight above it.
    EXPECT_EQ(mismatches(screen, 4, 75, black9, 75, 0, 7, 10, Lands::Copied, "7C's rank"), 0);
}

TEST_F(CoveredAttackTest, WhileTheHumanAttacksTheComputersAnswerLiesOnTop) {
    const platform::Surface screen = paintBout(0);
    // The computer's card reaches down to row 112 over the human's card.
    EXPECT_EQ(pixelsOtherThan(screen, {3, 94, 29, 95}, white), 0) << "9C's top edge is covered";
    EXPECT_EQ(pixelsOtherThan(screen, {2, 112, 30, 113}, black), 0) << "7C's lower edge";
    const platform::Surface black7 = resourceImage(IDB_RANKS_BLACK);
    EXPECT_EQ(mismatches(screen, 21, 102, black7, 75, 0, 7, 10, Lands::Copied, "7C's rank"), 0);
}

TEST_F(PaintTest, LaterCardsOfARowLieOverEarlierOnes) {
    setUpPosition({.humanHand = "6C 7C 8C 9C 6H 7H 8H"});
    handLayoutRule(humanHand);
    ASSERT_EQ(humanHand.cards[1].x - humanHand.cards[0].x, 14);
    const platform::Surface screen = paintAll();
    // Each card's left edge is a whole black column: nothing lies over it.
    for (const Card& card : humanHand.cards) {
        EXPECT_EQ(pixelsOtherThan(screen, {card.x, card.y, card.x + 1, card.y + 40}, black), 0)
            << nameOf(card);
    }
}

} // namespace
