// A paint redraws only what was invalidated: everything else keeps the
// pixels it had, even when the state behind them has changed.
#include "paint_fixture.h"

using namespace paint_test;
using namespace table_test;

namespace {

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
