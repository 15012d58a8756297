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

// A window holds the pixels from its left and top edges up to, not
// including, its right and bottom ones.
TEST_F(InputRouting, PenGoesToTheDeepestChildInItsOwnCoordinates) {
    HWND box = recordingWindow(u"box", 0, WS_VISIBLE | WS_CHILD, {100, 100, 40, 20}, main);
    const struct {
        POINT at;
        HWND* window;
        POINT inside;
    } cases[] = {
        {{30, 10}, &bar, {30, 10}},      {{30, 25}, &main, {30, 25}},
        {{100, 100}, &box, {0, 0}},      {{139, 119}, &box, {39, 19}},
        {{140, 110}, &main, {140, 110}}, {{120, 120}, &main, {120, 120}},
        {{99, 110}, &main, {99, 110}},   {{120, 99}, &main, {120, 99}},
    };
    for (const auto& c : cases) {
        arrivals.clear();
        deliver(Type::PenDown, c.at);
        ASSERT_EQ(arrivals.size(), 1u);
        EXPECT_EQ(arrivals[0].window, *c.window) << c.at.x << "," << c.at.y;
        EXPECT_EQ(arrivals[0].x(), c.inside.x) << c.at.x << "," << c.at.y;
        EXPECT_EQ(arrivals[0].y(), c.inside.y) << c.at.x << "," << c.at.y;
        deliver(Type::PenUp, c.at);
    }
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
