// A main window with the program's seven-button command bar across its top,
// and ways to work it with the pen as the backends do.
#pragma once

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

namespace commandbar_testing {

struct Command {
    WPARAM wParam;
    LPARAM lParam;
};

inline std::vector<Command>& commands() {
    static std::vector<Command> list;
    return list;
}

inline std::vector<UINT>& tableInput() {
    static std::vector<UINT> list;
    return list;
}

inline LRESULT tableProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        commands().push_back({wParam, lParam});
        return 0;
    }
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP || message == WM_KEYDOWN ||
        message == WM_SYSKEYDOWN) {
        tableInput().push_back(message);
    }
    return DefWindowProcW(window, message, wParam, lParam);
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
        commands().clear();
        tableInput().clear();
        WNDCLASSW table{};
        table.style = CS_DBLCLKS;
        table.lpfnWndProc = tableProc;
        table.lpszClassName = u"table";
        RegisterClassW(&table);
        main = CreateWindowExW(0, u"table", u"", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
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

    // Runs the loop until everything posted is handled and painted (the
    // null backend then ends it).
    static void pump() {
        MSG message{};
        while (GetMessageW(&message, nullptr, 0, 0)) {
            DispatchMessageW(&message);
        }
    }

    static void deliver(platform::InputEvent::Type type, POINT at) {
        platform::InputEvent event;
        event.type = type;
        event.x = at.x;
        event.y = at.y;
        platform::postInputEvent(event);
        pump();
    }

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

    static std::u16string textOf(HWND window) {
        WCHAR text[256] = {};
        int length = GetWindowTextW(window, text, 256);
        return std::u16string(text, static_cast<size_t>(length));
    }
};

using Type = platform::InputEvent::Type;

} // namespace commandbar_testing
