// The command bar's tooltips: shown while the pen is held on a button or the
// pointer hovers over one, never in the way of the table's input.
#include "commandbar_fixture.h"

namespace {

using namespace commandbar_testing;

constexpr uint32_t TIP_YELLOW = 0xFFFFE1;

TEST_F(CommandBarTest, HoldingThePenOnAButtonShowsItsTipUntilPenUp) {
    EXPECT_TRUE(popups().empty());
    deliver(Type::PenDown, centreOf(4));
    std::vector<HWND> shown = popups();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(textOf(shown[0]), u"Правила игры (Русский)");
    RECT rect{};
    GetWindowRect(shown[0], &rect);
    EXPECT_GE(rect.top, COMMAND_BAR_HEIGHT);
    EXPECT_LT(rect.top, COMMAND_BAR_HEIGHT + 4);
    EXPECT_LE(rect.right, platform::SCREEN_WIDTH);
    EXPECT_GE(rect.left, 0);
    platform::Surface screen = platform::composeScreen();
    EXPECT_EQ(screen.at(rect.left + 2, rect.top + 1), TIP_YELLOW);
    EXPECT_EQ(screen.at(rect.left, rect.top), 0x000000u); // its border

    deliver(Type::PenMove, POINT{120, 200}); // dragged off: the tip stays while held
    EXPECT_EQ(popups().size(), 1u);
    deliver(Type::PenUp, POINT{120, 200});
    EXPECT_TRUE(popups().empty());
    EXPECT_NE(platform::composeScreen().at(rect.left + 2, rect.top + 1), TIP_YELLOW);
}

TEST_F(CommandBarTest, TheTipFollowsTheHoveringPointerAndGoesWhenItLeavesTheBar) {
    deliver(Type::PenMove, centreOf(1));
    ASSERT_EQ(popups().size(), 1u);
    EXPECT_EQ(textOf(popups()[0]), u"Опции");
    deliver(Type::PenMove, centreOf(2));
    ASSERT_EQ(popups().size(), 1u);
    EXPECT_EQ(textOf(popups()[0]), u"Статистика");
    deliver(Type::PenMove, POINT{200, 12}); // the bar, but no button
    EXPECT_TRUE(popups().empty());
    deliver(Type::PenMove, centreOf(6));
    ASSERT_EQ(popups().size(), 1u);
    EXPECT_EQ(textOf(popups()[0]), u"Выход");
    deliver(Type::PenMove, POINT{100, 33}); // onto the table, where the tip was
    EXPECT_TRUE(popups().empty());

    // The table gets its pen again at once.
    deliver(Type::PenDown, POINT{100, 33});
    deliver(Type::PenUp, POINT{100, 33});
    EXPECT_EQ(tableInput(), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
    EXPECT_TRUE(commands().empty());
}

TEST_F(CommandBarTest, TheTipGoesWhenThePointerLeavesTheWindow) {
    deliver(Type::PenMove, centreOf(0));
    ASSERT_EQ(popups().size(), 1u);
    deliver(Type::PenMove, POINT{-1, -1}); // what the desktop window sends on leaving
    EXPECT_TRUE(popups().empty());
}

TEST_F(CommandBarTest, AShownTipTakesNeitherKeysNorTheActiveWindow) {
    deliver(Type::PenMove, centreOf(3));
    ASSERT_EQ(popups().size(), 1u);
    EXPECT_EQ(platform::activeWindow(), main);
    platform::InputEvent key;
    key.type = Type::Key;
    key.key = 'N';
    key.alt = true;
    platform::postInputEvent(key);
    pump();
    EXPECT_EQ(tableInput(), (std::vector<UINT>{WM_SYSKEYDOWN}));
}

TEST_F(CommandBarTest, ATapAfterHoveringStillSendsTheCommand) {
    deliver(Type::PenMove, centreOf(5));
    deliver(Type::PenDown, centreOf(5));
    ASSERT_EQ(popups().size(), 1u);
    EXPECT_EQ(textOf(popups()[0]), u"Правила игры (Английский)");
    deliver(Type::PenUp, centreOf(5));
    ASSERT_EQ(commands().size(), 1u);
    EXPECT_EQ(LOWORD(commands()[0].wParam), 40013);
    EXPECT_TRUE(popups().empty());
}

TEST_F(CommandBarTest, ALongTipNearTheRightEdgeStaysOnTheScreen) {
    deliver(Type::PenMove, centreOf(5));
    ASSERT_EQ(popups().size(), 1u);
    RECT rect{};
    GetWindowRect(popups()[0], &rect);
    EXPECT_LE(rect.right, platform::SCREEN_WIDTH);
    EXPECT_GT(rect.right - rect.left, 100); // the whole text, not a cut-off box
}

TEST_F(CommandBarTest, NoTipWhileAModalWindowBlocksTheBar) {
    EnableWindow(main, FALSE);
    deliver(Type::PenMove, centreOf(0));
    EXPECT_TRUE(popups().empty());
    // The bar was hovered when the window became blocked: the next move lets go.
    EnableWindow(main, TRUE);
    deliver(Type::PenMove, centreOf(0));
    ASSERT_EQ(popups().size(), 1u);
    EnableWindow(main, FALSE);
    deliver(Type::PenMove, centreOf(1));
    EXPECT_TRUE(popups().empty());
    EXPECT_EQ(GetCapture(), nullptr);
}

} // namespace
