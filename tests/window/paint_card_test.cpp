// SPDX-License-Identifier: MIT
// What a paint redraws, and one card: a selection undone leaves no trace, a
// face-down card shows its back (inverted when selected), and only a card
// that can be is painted. Whole faces, backs and the negative of a selected
// card are in the goldens.
#include <utility>

#include "paint_fixture.h"

using namespace paint_test;
using namespace table_test;

namespace {

// A face-down card selected is its back inverted (the face-up negative is
// in the goldens); either turns back when deselected.
TEST_F(PaintTest, SelectionComesAndGoesWithoutATrace) {
    setUpPosition({.computerHand = "6D", .humanHand = "8H 9S"});
    ASSERT_EQ(computerHand.faceDown, 1);
    for (CardRow* row : {&computerHand, &humanHand}) {
        Card& card = row->cards.back();
        SCOPED_TRACE(nameOf(card));
        const platform::Surface before = paintAll();
        card.selected = 1;
        InvalidateRect(window, &card.bounds, FALSE);
        const platform::Surface selected = paintPending();
        int32_t notInverted = 0;
        for (int32_t y = card.y; y < card.y + 40; ++y) {
            for (int32_t x = card.x; x < card.x + 28; ++x) {
                notInverted += selected.at(x, y) != (before.at(x, y) ^ 0xFFFFFF) ? 1 : 0;
            }
        }
        EXPECT_EQ(notInverted == 0, row == &computerHand) << notInverted;
        card.selected = 0;
        EXPECT_EQ(paintAll().pixels, before.pixels);
    }
}

// paintCard on its own, on a small surface of a colour no card uses.
class PaintCardAloneTest : public PaintTest {
  protected:
    static constexpr uint32_t backdrop = 0x123456;

    int32_t paintOnScratch(const Card& card) {
        scratch = platform::Surface(40, 50, backdrop);
        platform::Region clip;
        clip.add({0, 0, 40, 50}, {0, 0, 40, 50});
        const HDC dc = platform::createSurfaceDC(&scratch, clip);
        const int32_t painted = paintCard(card, dc);
        DeleteDC(dc);
        return painted;
    }

    static Card cardAt(int32_t suit, int32_t rank, int32_t faceDown) {
        Card card;
        resetCard(card);
        card.suit = suit;
        card.rank = rank;
        card.faceDown = faceDown;
        placeCard(card, 4, 5);
        return card;
    }

    platform::Surface scratch;
};

// Only a card with a suit 1..4, a rank 1..14 and a place is painted; any
// other value cannot be a card of either deck, and such a card is left out
// altogether instead of reading a glyph from past the tables.
TEST_F(PaintCardAloneTest, PaintsOnlyACardThatCanBe) {
    const struct {
        const char* what;
        int32_t suit, rank, x, y, hidden, painted;
    } cases[] = {{"AS", SUIT_SPADES, 14, 4, 5, 0, 1},
                 {"low ace", SUIT_HEARTS, 1, 4, 5, 0, 1},
                 {"unset suit", UNSET, 9, 4, 5, 0, 0},
                 {"unset rank", SUIT_HEARTS, UNSET, 4, 5, 0, 0},
                 {"unset x", SUIT_HEARTS, 9, UNSET, 5, 0, 0},
                 {"unset y", SUIT_HEARTS, 9, 4, UNSET, 0, 0},
                 {"hidden", SUIT_HEARTS, 9, 4, 5, 1, 0},
                 {"suit 0", 0, 9, 4, 5, 0, 0},
                 {"suit 5", 5, 9, 4, 5, 0, 0},
                 {"rank 0", SUIT_HEARTS, 0, 4, 5, 0, 0},
                 {"rank 15", 2, 15, 4, 5, 0, 0},
                 {"lowest suit", INT32_MIN, 9, 4, 5, 0, 0},
                 {"highest rank", 2, INT32_MAX, 4, 5, 0, 0}};
    for (const auto& c : cases) {
        for (int32_t faceDown : {0, 1}) {
            SCOPED_TRACE(std::string(c.what) + (faceDown != 0 ? " face down" : " face up"));
            Card card = cardAt(c.suit, c.rank, faceDown);
            card.x = c.x;
            card.y = c.y;
            card.hidden = c.hidden;
            EXPECT_EQ(paintOnScratch(card), c.painted);
            EXPECT_EQ(pixelsOtherThan(scratch, {0, 0, 40, 5}, backdrop), 0) << "above the card";
            EXPECT_EQ(pixelsOtherThan(scratch, {0, 0, 40, 50}, backdrop) != 0, c.painted == 1);
        }
    }
    // The low ace of a 52-card deck and the high ace of the 36-card deck
    // share the A glyph.
    paintOnScratch(cardAt(SUIT_HEARTS, 1, 0));
    const platform::Surface lowAce = scratch;
    paintOnScratch(cardAt(SUIT_HEARTS, 14, 0));
    EXPECT_EQ(lowAce.pixels, scratch.pixels);
    // Far off the surface nothing lands, and the sums do not overflow.
    Card far = cardAt(SUIT_CLUBS, 10, 0);
    far.x = INT32_MAX - 3;
    far.y = INT32_MAX - 3;
    EXPECT_EQ(paintOnScratch(far), 1);
    EXPECT_EQ(pixelsOtherThan(scratch, {0, 0, 40, 50}, backdrop), 0);
}

struct CardScene {
    const char* what;
    table_test::Position position;
    int32_t computerAttacks;
    const char* selected; // in the player's hand, and the computer's last card
    SIZE secondCard;      // the size of the player's second card; 0 x 0 leaves it
    bool imagesReloaded;  // every drawing object dropped and the images loaded again
};

const CardScene CARD_SCENES[] = {
    {"full hands, the player attacking",
     {.computerHand = "6C 7C 8C 9C TC JC QC KC AC",
      .humanHand = "6S 7S 8S 9S TS JS QS KS AS 6D",
      .computerTable = "7D 8D",
      .humanTable = "6H 7H 8H",
      .talon = 5},
     0,
     "",
     {0, 0},
     false},
    {"the computer attacking, cards selected",
     {.computerHand = "6C 7C 8C",
      .humanHand = "6S 7S 8S 9S TS JS",
      .computerTable = "7D 8D 9D",
      .humanTable = "TD JD",
      .talon = 10},
     1,
     "7S JS",
     {0, 0},
     false},
    {"a face too narrow for its glyphs",
     {.computerHand = "6C", .humanHand = "6S 7S 8S 9S", .humanTable = "6H"},
     0,
     "8S",
     {6, 40},
     false},
    {"a face wider than usual",
     {.computerHand = "6C", .humanHand = "6S 7S 8S 9S"},
     0,
     "7S",
     {32, 40},
     false},
    {"a face taller than usual",
     {.computerHand = "6C", .humanHand = "6S 7S 8S 9S"},
     0,
     "",
     {28, 44},
     false},
    {"the images loaded again",
     {.computerHand = "6C 7C", .humanHand = "6S 7S 8S 9S"},
     0,
     "8S",
     {0, 0},
     true},
};

// Every card painted in its order, one over the other, on a surface of the
// backdrop colour.
platform::Surface cardsOneOverAnother(int32_t width, int32_t height, uint32_t backdrop) {
    platform::Surface cards(width, height, backdrop);
    platform::Region all;
    all.add({0, 0, width, height}, {0, 0, width, height});
    const HDC dc = platform::createSurfaceDC(&cards, all);
    paintCard(trumpCard, dc);
    paintCard(talonCard, dc);
    const CardRow& attacks = computerAttacks != 0 ? computerTableRow : humanTableRow;
    const CardRow& answers = computerAttacks != 0 ? humanTableRow : computerTableRow;
    for (const CardRow* row :
         {&std::as_const(computerHand), &attacks, &answers, &std::as_const(humanHand)}) {
        for (const Card& card : row->cards) {
            paintCard(card, dc);
        }
    }
    DeleteDC(dc);
    return cards;
}

// Each card lies over the cards before it: the trump, the talon, the
// computer's hand, the attacker's row, the defender's row, the player's hand.
// What the screen shows where a card lies is what painting every card in that
// order shows, however the table is drawn: from the top card down, faces of
// the usual size copied from bitmaps drawn once, or, with a face too narrow
// for its glyphs, which spill onto the card below, from the bottom up.
TEST_F(PaintTest, EachCardLiesOverTheCardsBeforeIt) {
    for (const CardScene& scene : CARD_SCENES) {
        SCOPED_TRACE(scene.what);
        setUpPosition(scene.position);
        computerAttacks = scene.computerAttacks;
        showTalonCount = 0;
        for (Card& card : humanHand.cards) {
            card.selected = std::string(scene.selected).find(nameOf(card)) != std::string::npos;
        }
        computerHand.cards.back().selected = 1;
        if (scene.secondCard.cx != 0) {
            humanHand.cards[1].width = scene.secondCard.cx;
            humanHand.cards[1].height = scene.secondCard.cy;
        }
        if (scene.imagesReloaded) {
            paintAll();
            platform::resetRaster();
            LoadCardImages();
            LoadButtonImages();
        }
        const platform::Surface screen = paintAll();

        constexpr uint32_t backdrop = 0x123456;
        const platform::Surface cards = cardsOneOverAnother(screen.width, screen.height, backdrop);
        int32_t shown = 0;
        int32_t wrong = 0;
        for (int32_t y = 0; y < cards.height; ++y) {
            for (int32_t x = 0; x < cards.width; ++x) {
                shown += cards.at(x, y) != backdrop ? 1 : 0;
                wrong += cards.at(x, y) != backdrop && cards.at(x, y) != screen.at(x, y) ? 1 : 0;
            }
        }
        EXPECT_GT(shown, 20 * 28 * 40 / 4);
        EXPECT_EQ(wrong, 0);
    }
}

// A paint redraws only what was invalidated: everything else keeps the
// pixels it had, even when the state behind them has changed.
// Pixels outside the rectangle where the two screens differ.
int32_t changesOutside(const platform::Surface& before, const platform::Surface& after,
                       const RECT& area) {
    return differences(before, after, {0, 0, before.width, before.height}) -
           differences(before, after, area);
}

TEST_F(PaintTest, SelectingACardRepaintsOnlyThatCard) {
    setUpPosition({.humanHand = "6C 8D QS"});
    const platform::Surface before = paintAll();
    // Changed but not invalidated: only the card's own rectangle may show it.
    tableColourIndex = 1;
    const Card& card = humanHand.cards[1]; // 8D
    tap(point(card.x + 2, card.y + 2));
    ASSERT_EQ(selectedNames(humanHand), "8D");
    const platform::Surface after = paintPending();
    EXPECT_EQ(changesOutside(before, after, card.bounds), 0);
    EXPECT_EQ(after.at(card.x, card.y), grey) << "the selected card's frame";
    EXPECT_EQ(after.at(100, 300), green) << "the table outside stays as it was";
}

TEST_F(PaintTest, SettingTheStatusRepaintsOnlyTheStatusLine) {
    setUpPosition({.humanHand = "6C", .talon = 20});
    const platform::Surface before = paintAll();
    showTalonCount = 1;
    buttonPressed = 1;
    SetStatus(u"Бито!");
    const platform::Surface after = paintPending();
    EXPECT_EQ(changesOutside(before, after, statusRect), 0);
    EXPECT_GT(pixelsOtherThan(after, statusRect, green), 0);
}

TEST_F(PaintTest, TheWholeWindowInvalidatedRepaintsEverything) {
    setUpPosition({.humanHand = "6C"});
    paintAll();
    tableColourIndex = 1;
    const platform::Surface after = paintAll();
    EXPECT_EQ(after.at(100, 300), 0x000000u);
    EXPECT_EQ(after.at(100, 60), 0x000000u);
}

} // namespace
