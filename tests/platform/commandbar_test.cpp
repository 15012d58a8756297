// SPDX-License-Identifier: MIT
// The command bar: the commands its buttons send, the pressed look and the
// tooltips shown while the pen is held on a button or the pointer hovers.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/commandbar/command_bar.h"
#include "platform/commandbar_api.h"
#include "platform/core/core_state.h"
#include "platform/screen.h"
#include "platform/testing.h"
#include "platform/window_api.h"
#include "platform_support.h"

namespace {

using namespace platform_testing;

// The commands the table got.
std::vector<Arrival> commands() {
    std::vector<Arrival> found;
    std::copy_if(arrivals.begin(), arrivals.end(), std::back_inserter(found),
                 [](const Arrival& arrival) { return arrival.message == WM_COMMAND; });
    return found;
}

constexpr int BUTTON_COUNT = 7;
constexpr int COMMAND_IDS[BUTTON_COUNT] = {40012, 40014, 40015, 40003, 40017, 40013, 40002};
inline const LPCWSTR TIPS[BUTTON_COUNT] = {u"Новая игра",
                                           u"Опции",
                                           u"Статистика",
                                           u"О программе",
                                           u"Правила игры (Русский)",
                                           u"Правила игры (Английский)",
                                           u"Выход"};

class CommandBarTest : public ::testing::Test {
  protected:
    HWND main = nullptr;
    HWND bar = nullptr;

    void SetUp() override {
        platform_testing::resetPlatform();
        arrivals.clear();
        main = recordingWindow(u"table", CS_DBLCLKS, WS_VISIBLE, {0, 0, 240, 320});
        bar = CommandBar_Create(nullptr, main, 1);
        CommandBar_AddBitmap(bar, nullptr, 141, BUTTON_COUNT, 16, 16);
        SendMessageW(bar, TB_SETTOOLTIPS, BUTTON_COUNT, reinterpret_cast<LPARAM>(TIPS));
        TBBUTTON buttons[BUTTON_COUNT] = {};
        for (int i = 0; i < BUTTON_COUNT; ++i) {
            buttons[i] = TBBUTTON{i, COMMAND_IDS[i], TBSTATE_ENABLED, TBSTYLE_BUTTON, 0, 0};
        }
        SendMessageW(bar, TB_ADDBUTTONSW, BUTTON_COUNT, reinterpret_cast<LPARAM>(buttons));
        CommandBar_Show(bar, TRUE);
        pump();
    }

    void TearDown() override { platform_testing::resetPlatform(); }

    static RECT cellOf(int index) {
        using namespace platform::commandbar;
        int left = CELL_LEFT + index * (CELL_WIDTH + CELL_GAP);
        return RECT{left, CELL_TOP, left + CELL_WIDTH, CELL_TOP + CELL_HEIGHT};
    }

    static POINT centreOf(int index) {
        RECT cell = cellOf(index);
        return POINT{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    }

    // The visible top-level windows other than the main window.
    std::vector<HWND> popups() const {
        std::vector<HWND> found;
        for (HWND top : platform::core().topLevels) {
            if (top != main && IsWindowVisible(top)) {
                found.push_back(top);
            }
        }
        return found;
    }
};

using Type = platform::InputEvent::Type;

TEST_F(CommandBarTest, ATapOnEachButtonPostsItsCommandFromTheBarAndNothingElseDoes) {
    deliver(Type::PenDown, centreOf(1));
    deliver(Type::PenUp, centreOf(2)); // another button
    deliver(Type::PenDown, centreOf(3));
    deliver(Type::PenUp, POINT{120, 200});  // on the table
    deliver(Type::PenDown, POINT{220, 12}); // the bar beyond the last button
    deliver(Type::PenUp, POINT{220, 12});
    deliver(Type::PenDown, POINT{120, 200}); // pressed on the table, released on a button
    deliver(Type::PenUp, centreOf(0));
    EXPECT_TRUE(commands().empty());
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

// A bar made for another window, hidden behind the table, leaves this one
// working.
TEST_F(CommandBarTest, ABarForAnotherWindowLeavesThisOneWorking) {
    HWND other = recordingWindow(u"other", 0, 0, {0, 0, 240, 320});
    ASSERT_NE(CommandBar_Create(nullptr, other, 2), nullptr);
    deliver(Type::PenDown, centreOf(0));
    deliver(Type::PenUp, centreOf(0));
    ASSERT_EQ(commands().size(), 1u);
    EXPECT_EQ(LOWORD(commands()[0].wParam), COMMAND_IDS[0]);
    EXPECT_EQ(commands()[0].lParam, reinterpret_cast<LPARAM>(bar));
}

// A bar keeps up to 256 images: a strip is added whole or not at all, and
// each call answers the index of its first image.
TEST_F(CommandBarTest, ABarKeepsUpTo256Images) {
    EXPECT_EQ(CommandBar_AddBitmap(bar, nullptr, 141, 200, 16, 16), BUTTON_COUNT);
    EXPECT_EQ(CommandBar_AddBitmap(bar, nullptr, 141, 50, 16, 16), -1);
    EXPECT_EQ(CommandBar_AddBitmap(bar, nullptr, 141, 49, 16, 16), BUTTON_COUNT + 200);
    EXPECT_EQ(CommandBar_AddBitmap(bar, nullptr, 141, 1, 16, 16), -1);
}

// A bar holds up to 64 buttons: of 70 added, the 64th sends its command
// (to a pen the bar gets from its owner, past the screen's edge) and the
// 65th is not there.
TEST_F(CommandBarTest, ABarHoldsUpTo64Buttons) {
    HWND owner = recordingWindow(u"wide", 0, 0, {0, 0, 240, 320});
    HWND wide = CommandBar_Create(nullptr, owner, 2);
    std::vector<TBBUTTON> many(70);
    for (int i = 0; i < 70; ++i) {
        many[static_cast<size_t>(i)] =
            TBBUTTON{0, 50000 + i, TBSTATE_ENABLED, TBSTYLE_BUTTON, 0, 0};
    }
    SendMessageW(wide, TB_ADDBUTTONSW, many.size(), reinterpret_cast<LPARAM>(many.data()));
    for (int index : {63, 64}) {
        const POINT at = centreOf(index);
        const LPARAM where = MAKELPARAM(static_cast<WORD>(at.x), static_cast<WORD>(at.y));
        SendMessageW(wide, WM_LBUTTONDOWN, 0, where);
        SendMessageW(wide, WM_LBUTTONUP, 0, where);
        pump();
    }
    ASSERT_EQ(commands().size(), 1u);
    EXPECT_EQ(LOWORD(commands()[0].wParam), 50063);
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

constexpr uint32_t TIP_YELLOW = 0xFFFFE1;

TEST_F(CommandBarTest, HoldingThePenOnAButtonShowsItsTipUntilPenUp) {
    EXPECT_TRUE(popups().empty());
    deliver(Type::PenDown, centreOf(4));
    std::vector<HWND> shown = popups();
    ASSERT_EQ(shown.size(), 1u);
    WCHAR text[64] = {};
    GetWindowTextW(shown[0], text, 64);
    EXPECT_EQ(std::u16string(text), u"Правила игры (Русский)");
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

// A press ends the hovering: after the pointer hovered one button and the
// pen tapped another, no button keeps the hover frame and no tip stays.
TEST_F(CommandBarTest, APressEndsTheHoverOfAnotherButton) {
    const platform::Surface before = platform::composeScreen();
    deliver(Type::PenMove, centreOf(1));
    EXPECT_FALSE(barChanges(before, platform::composeScreen()).empty());
    deliver(Type::PenDown, centreOf(3));
    deliver(Type::PenUp, centreOf(3));
    EXPECT_TRUE(barChanges(before, platform::composeScreen()).empty());
    EXPECT_TRUE(popups().empty());
    ASSERT_EQ(commands().size(), 1u);
    EXPECT_EQ(LOWORD(commands()[0].wParam), COMMAND_IDS[3]);
}

// The pointer over the bar with no button pressed: the tip of the button
// under it, the first one included, and none once it leaves the bar.
TEST_F(CommandBarTest, HoveringShowsTheTipOfTheButtonUnderThePointer) {
    const std::pair<int, std::u16string> hovered[] = {
        {0, u"Новая игра"}, {4, u"Правила игры (Русский)"}, {0, u"Новая игра"}};
    for (const auto& [index, tip] : hovered) {
        deliver(Type::PenMove, centreOf(index));
        const std::vector<HWND> shown = popups();
        ASSERT_EQ(shown.size(), 1u) << index;
        WCHAR text[64] = {};
        GetWindowTextW(shown[0], text, 64);
        EXPECT_EQ(std::u16string(text), tip);
    }
    deliver(Type::PenMove, POINT{120, 200});
    EXPECT_TRUE(popups().empty());
}

} // namespace
