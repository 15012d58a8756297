// A main window that paints itself in one colour, and a backend that plays
// scripted input into the on-screen message box and keeps what it shows.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/backend.h"
#include "platform/core/message_box_screen.h"
#include "platform/gdi_api.h"
#include "platform/screen.h"
#include "platform/testing.h"
#include "platform/window_api.h"

namespace message_box_testing {

using Type = platform::InputEvent::Type;
using Step = std::function<platform::InputEvent()>;

class ScriptedBackend final : public platform::Backend {
  public:
    std::deque<Step> steps;
    std::vector<platform::Surface> shown;
    int waits = 0;
    int quitCode = 0;

    platform::InputEvent waitEvent() override {
        ++waits;
        if (steps.empty()) {
            platform::InputEvent quit;
            quit.type = Type::Quit;
            quit.exitCode = quitCode;
            return quit;
        }
        Step step = std::move(steps.front());
        steps.pop_front();
        return step();
    }
    void present(const platform::Surface& screen) override { shown.push_back(screen); }
    std::optional<int> answerMessageBox(const platform::MessageBoxInfo& /*box*/) override {
        return std::nullopt;
    }
};

inline COLORREF& tableColour() {
    static COLORREF colour = RGB(0, 128, 0);
    return colour;
}

// Pen and key messages the table received.
inline std::vector<UINT>& tableInput() {
    static std::vector<UINT> seen;
    return seen;
}

inline LRESULT tableProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP || message == WM_KEYDOWN) {
        tableInput().push_back(message);
    }
    if (message == WM_PAINT) {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(window, &paint);
        HBRUSH brush = CreateSolidBrush(tableColour());
        FillRect(dc, &paint.rcPaint, brush);
        DeleteObject(brush);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

inline platform::InputEvent event(Type type, int x = 0, int y = 0, uint32_t key = 0) {
    platform::InputEvent made;
    made.type = type;
    made.x = x;
    made.y = y;
    made.key = key;
    return made;
}

// The open box: the newest window that takes input.
inline HWND openBox() {
    return platform::activeWindow();
}

inline POINT centreOfButton(int result) {
    for (const platform::MessageBoxButton& button : platform::messageBoxButtons(openBox())) {
        if (button.result == result) {
            return POINT{(button.rect.left + button.rect.right) / 2,
                         (button.rect.top + button.rect.bottom) / 2};
        }
    }
    ADD_FAILURE() << "no button " << result << " in the open box";
    return POINT{-1, -1};
}

class MessageBoxTest : public ::testing::Test {
  protected:
    HWND main = nullptr;
    ScriptedBackend* backend = nullptr;

    void SetUp() override {
        platform_testing::resetPlatform();
        tableColour() = RGB(0, 128, 0);
        tableInput().clear();
        auto scripted = std::make_unique<ScriptedBackend>();
        backend = scripted.get();
        platform::setBackend(std::move(scripted));
        WNDCLASSW table{};
        table.style = CS_DBLCLKS;
        table.lpfnWndProc = tableProc;
        table.lpszClassName = u"table";
        RegisterClassW(&table);
        main = CreateWindowExW(0, u"table", u"", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
        UpdateWindow(main);
    }

    void TearDown() override { platform_testing::resetPlatform(); }

    void then(Step step) { backend->steps.push_back(std::move(step)); }
    void then(platform::InputEvent made) {
        backend->steps.push_back([made] { return made; });
    }
    void thenKey(uint32_t key) { then(event(Type::Key, 0, 0, key)); }
    // A pen down and up on the button that gives result.
    void thenTap(int result) {
        auto where = std::make_shared<POINT>();
        then([where, result] {
            *where = centreOfButton(result);
            return event(Type::PenDown, where->x, where->y);
        });
        then([where] { return event(Type::PenUp, where->x, where->y); });
    }

    int show(LPCWSTR text, LPCWSTR caption, UINT style) {
        return MessageBoxW(main, text, caption, style);
    }
};

} // namespace message_box_testing
