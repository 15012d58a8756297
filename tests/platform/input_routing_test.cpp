// SPDX-License-Identifier: MIT
// Where pen and key input arrives: the window under the pen, its children,
// modal blocking and the pen-up that follows a press.
#include <gtest/gtest.h>

#include <vector>

#include "platform/backend.h"
#include "platform/core/core_state.h"
#include "platform/screen.h"
#include "platform/testing.h"
#include "platform/window_api.h"
#include "platform_support.h"

namespace {

using namespace platform_testing;

class InputRouting : public ::testing::Test {
  protected:
    HWND main = nullptr;
    HWND bar = nullptr;

    void SetUp() override {
        platform_testing::resetPlatform();
        arrivals.clear();
        main = recordingWindow(u"table", CS_DBLCLKS, WS_VISIBLE, {0, 0, 240, 320});
        bar = recordingWindow(u"strip", 0, WS_VISIBLE | WS_CHILD, {0, 0, 240, 25}, main);
    }
};

using Type = platform::InputEvent::Type;

TEST_F(InputRouting, PenGoesToTheDeepestChildInItsOwnCoordinates) {
    deliver(Type::PenDown, {30, 10});
    deliver(Type::PenDown, {30, 100});
    ASSERT_EQ(arrivals.size(), 2u);
    EXPECT_EQ(arrivals[0].window, bar);
    EXPECT_EQ(arrivals[1].window, main);
    EXPECT_EQ(arrivals[1].x(), 30);
    EXPECT_EQ(arrivals[1].y(), 100);
}

TEST_F(InputRouting, PenUpFollowsThePressEvenOutsideTheWindow) {
    deliver(Type::PenDown, {30, 10});
    deliver(Type::PenUp, {30, 200});
    ASSERT_EQ(arrivals.size(), 2u);
    EXPECT_EQ(arrivals[1].window, bar);
    EXPECT_EQ(arrivals[1].message, WM_LBUTTONUP);
}

TEST_F(InputRouting, AModalWindowBlocksTheOneBelowAndTakesKeysAndCommands) {
    HWND dialog = CreateWindowExW(0, u"strip", u"", WS_VISIBLE, 20, 60, 200, 100, main, nullptr,
                                  nullptr, nullptr);
    EnableWindow(main, FALSE);
    EXPECT_EQ(platform::activeWindow(), dialog);
    EXPECT_EQ(platform::mainWindowHandle(), main);
    deliver(Type::PenDown, {5, 200}); // on the disabled main window
    deliver(Type::PenDown, {25, 70});
    platform::InputEvent key;
    key.type = Type::Key;
    key.key = 'N';
    key.alt = true;
    platform::postInputEvent(key);
    platform::InputEvent command;
    command.type = Type::Command;
    command.id = 1;
    platform::postInputEvent(command);
    pump();
    ASSERT_EQ(arrivals.size(), 3u);
    EXPECT_EQ(arrivals[0].window, dialog);
    EXPECT_EQ(arrivals[0].x(), 5);
    EXPECT_EQ(arrivals[0].y(), 10);
    EXPECT_EQ(arrivals[1].message, WM_SYSKEYDOWN);
    EXPECT_EQ(arrivals[2].message, WM_COMMAND);
    EXPECT_EQ(arrivals[2].window, dialog);
}

} // namespace
