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

using platform_testing::pump;

void deliver(platform::InputEvent::Type type, int x, int y) {
    platform_testing::deliver(type, POINT{x, y});
}

struct Arrival {
    HWND window;
    UINT message;
    int x;
    int y;
};
std::vector<Arrival> arrivals;

LRESULT recordInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_MOUSEMOVE && message <= WM_LBUTTONDBLCLK) {
        arrivals.push_back({window, message, LOWORD(static_cast<uintptr_t>(lParam)),
                            HIWORD(static_cast<uintptr_t>(lParam))});
    } else if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN || message == WM_COMMAND ||
               message == WM_SYSCHAR) {
        arrivals.push_back({window, message, static_cast<int>(wParam), 0});
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

class InputRouting : public ::testing::Test {
  protected:
    HWND main = nullptr;
    HWND bar = nullptr;

    void SetUp() override {
        platform_testing::resetPlatform();
        arrivals.clear();
        WNDCLASSW withDoubleTaps{};
        withDoubleTaps.style = CS_DBLCLKS;
        withDoubleTaps.lpfnWndProc = recordInput;
        withDoubleTaps.lpszClassName = u"table";
        RegisterClassW(&withDoubleTaps);
        WNDCLASSW plain{};
        plain.lpfnWndProc = recordInput;
        plain.lpszClassName = u"strip";
        RegisterClassW(&plain);
        main = CreateWindowExW(0, u"table", u"", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
        bar = CreateWindowExW(0, u"strip", u"", WS_VISIBLE | WS_CHILD, 0, 0, 240, 25, main,
                              reinterpret_cast<HMENU>(1), nullptr, nullptr);
    }
};

using Type = platform::InputEvent::Type;

TEST_F(InputRouting, PenGoesToTheDeepestChildInItsOwnCoordinates) {
    deliver(Type::PenDown, 30, 10);
    deliver(Type::PenDown, 30, 100);
    ASSERT_EQ(arrivals.size(), 2u);
    EXPECT_EQ(arrivals[0].window, bar);
    EXPECT_EQ(arrivals[1].window, main);
    EXPECT_EQ(arrivals[1].x, 30);
    EXPECT_EQ(arrivals[1].y, 100);
}

TEST_F(InputRouting, PenUpFollowsThePressEvenOutsideTheWindow) {
    deliver(Type::PenDown, 30, 10);
    deliver(Type::PenUp, 30, 200);
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
    deliver(Type::PenDown, 5, 200); // on the disabled main window
    deliver(Type::PenDown, 25, 70);
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
    EXPECT_EQ(arrivals[0].x, 5);
    EXPECT_EQ(arrivals[0].y, 10);
    EXPECT_EQ(arrivals[1].message, WM_SYSKEYDOWN);
    EXPECT_EQ(arrivals[2].message, WM_COMMAND);
    EXPECT_EQ(arrivals[2].window, dialog);
}

} // namespace
