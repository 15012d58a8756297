// The command bar's buttons: where the bar sits, the images it shows, the
// commands a press sends and the pressed look.
#include "commandbar_fixture.h"

#include "platform/resource_api.h"

namespace {

using namespace commandbar_testing;

TEST_F(CommandBarTest, SitsAcrossTheTopOfItsParentAsAChild) {
    RECT rect{};
    GetWindowRect(bar, &rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right, platform::SCREEN_WIDTH);
    EXPECT_EQ(rect.bottom, COMMAND_BAR_HEIGHT);
    EXPECT_EQ(GetParent(bar), main);
    EXPECT_TRUE(IsWindowVisible(bar));
}

TEST_F(CommandBarTest, ATapOnEachButtonPostsItsCommandFromTheBar) {
    for (int i = 0; i < BUTTON_COUNT; ++i) {
        deliver(Type::PenDown, centreOf(i));
        deliver(Type::PenUp, centreOf(i));
    }
    ASSERT_EQ(commands().size(), static_cast<size_t>(BUTTON_COUNT));
    for (int i = 0; i < BUTTON_COUNT; ++i) {
        EXPECT_EQ(LOWORD(commands()[i].wParam), COMMAND_IDS[i]);
        EXPECT_EQ(HIWORD(commands()[i].wParam), 0);
        EXPECT_EQ(commands()[i].lParam, reinterpret_cast<LPARAM>(bar));
    }
}

TEST_F(CommandBarTest, TheCommandIsPostedSoItRunsAfterThePenUpIsHandled) {
    deliver(Type::PenDown, centreOf(0));
    POINT at = centreOf(0);
    SendMessageW(bar, WM_LBUTTONUP, 0,
                 MAKELPARAM(static_cast<WORD>(at.x), static_cast<WORD>(at.y)));
    EXPECT_TRUE(commands().empty());
    pump();
    ASSERT_EQ(commands().size(), 1u);
    EXPECT_EQ(LOWORD(commands()[0].wParam), 40012);
}

TEST_F(CommandBarTest, ReleasingAnywhereButThePressedButtonSendsNothing) {
    deliver(Type::PenDown, centreOf(1));
    deliver(Type::PenUp, centreOf(2)); // another button
    deliver(Type::PenDown, centreOf(3));
    deliver(Type::PenUp, POINT{120, 200});  // on the table
    deliver(Type::PenDown, POINT{220, 12}); // the bar beyond the last button
    deliver(Type::PenUp, POINT{220, 12});
    deliver(Type::PenDown, POINT{120, 200}); // pressed on the table, released on a button
    deliver(Type::PenUp, centreOf(0));
    EXPECT_TRUE(commands().empty());
}

TEST_F(CommandBarTest, DraggingOffAndBackOntoThePressedButtonStillPresses) {
    deliver(Type::PenDown, centreOf(6));
    deliver(Type::PenMove, POINT{120, 200});
    deliver(Type::PenMove, centreOf(6));
    deliver(Type::PenUp, centreOf(6));
    ASSERT_EQ(commands().size(), 1u);
    EXPECT_EQ(LOWORD(commands()[0].wParam), 40002);
}

// Pixels of the bar (the tooltip below it is another window) that differ.
std::vector<POINT> barChanges(const platform::Surface& before, const platform::Surface& after) {
    std::vector<POINT> changed;
    for (int y = 0; y < COMMAND_BAR_HEIGHT; ++y) {
        for (int x = 0; x < platform::SCREEN_WIDTH; ++x) {
            if (before.at(x, y) != after.at(x, y)) {
                changed.push_back(POINT{x, y});
            }
        }
    }
    return changed;
}

TEST_F(CommandBarTest, ThePressedLookChangesThatButtonOnlyAndGoesAtPenUp) {
    platform::Surface before = platform::composeScreen();
    deliver(Type::PenDown, centreOf(3));
    platform::Surface pressed = platform::composeScreen();
    std::vector<POINT> changed = barChanges(before, pressed);
    EXPECT_GT(changed.size(), 20u);
    RECT cell = cellOf(3);
    for (POINT point : changed) {
        EXPECT_TRUE(point.x >= cell.left && point.x < cell.right && point.y >= cell.top &&
                    point.y < cell.bottom)
            << point.x << "," << point.y;
    }

    deliver(Type::PenMove, POINT{120, 200}); // off the button: raised again
    EXPECT_TRUE(barChanges(before, platform::composeScreen()).empty());
    deliver(Type::PenMove, centreOf(3));
    EXPECT_EQ(barChanges(before, platform::composeScreen()).size(), changed.size());
    deliver(Type::PenUp, POINT{120, 200});
    EXPECT_TRUE(barChanges(before, platform::composeScreen()).empty());
}

TEST_F(CommandBarTest, ADisabledButtonNeitherPressesNorSends) {
    TBBUTTON extra{0, 555, 0, TBSTYLE_BUTTON, 0, 0};
    SendMessageW(bar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&extra));
    pump();
    platform::Surface before = platform::composeScreen();
    deliver(Type::PenDown, centreOf(7));
    EXPECT_TRUE(barChanges(before, platform::composeScreen()).empty());
    deliver(Type::PenUp, centreOf(7));
    EXPECT_TRUE(commands().empty());
}

TEST_F(CommandBarTest, BadArgumentsAreRefusedWithoutHarm) {
    EXPECT_EQ(CommandBar_Create(nullptr, nullptr, 1), nullptr);
    EXPECT_EQ(CommandBar_AddBitmap(bar, nullptr, 9999, 7, 16, 16), -1);
    EXPECT_EQ(CommandBar_AddBitmap(bar, nullptr, 141, -1, 16, 16), -1);
    EXPECT_EQ(CommandBar_AddBitmap(main, nullptr, 141, 7, 16, 16), -1);
    EXPECT_EQ(CommandBar_Show(main, TRUE), FALSE);
    SendMessageW(bar, TB_ADDBUTTONSW, 3, 0);
    SendMessageW(bar, TB_SETTOOLTIPS, 3, 0);
    // A button whose image index is past the images is drawn empty.
    TBBUTTON noImage{40, 556, TBSTATE_ENABLED, TBSTYLE_BUTTON, 0, 0};
    SendMessageW(bar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&noImage));
    pump();
    platform::Surface screen = platform::composeScreen();
    POINT centre = centreOf(7);
    EXPECT_EQ(screen.at(centre.x, centre.y), 0xC0C0C0u);
    deliver(Type::PenDown, centre);
    deliver(Type::PenUp, centre);
    ASSERT_EQ(commands().size(), 1u);
    EXPECT_EQ(LOWORD(commands()[0].wParam), 556);
}

TEST_F(CommandBarTest, HidingTheBarUncoversTheTable) {
    CommandBar_Show(bar, FALSE);
    pump();
    EXPECT_FALSE(IsWindowVisible(bar));
    deliver(Type::PenDown, centreOf(0));
    ASSERT_EQ(tableInput().size(), 1u);
    EXPECT_EQ(tableInput()[0], WM_LBUTTONDOWN);
}

TEST_F(CommandBarTest, DestroyingTheParentTakesTheBarAlong) {
    deliver(Type::PenMove, centreOf(2)); // a tooltip is up
    DestroyWindow(main);
    EXPECT_FALSE(IsWindow(bar));
    EXPECT_TRUE(platform::core().topLevels.empty());
}

} // namespace
