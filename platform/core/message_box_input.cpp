// SPDX-License-Identifier: MIT
// The message box answers the pen on its buttons, Enter, Escape, Y and N,
// and the desktop window's close button.
#include <algorithm>

#include "platform/core/message_box_parts.h"
#include "platform/window_api.h"

namespace platform::message_box {
namespace {

// What Escape, the close button and an interrupted run answer.
int cancelAnswer(UINT style) {
    switch (style & 0x0F) {
    case MB_YESNO:
        return IDNO;
    case MB_OKCANCEL:
        return IDCANCEL;
    default:
        return IDOK;
    }
}

POINT pointOf(LPARAM lParam) {
    auto value = static_cast<uintptr_t>(lParam);
    return POINT{static_cast<int16_t>(LOWORD(value)), static_cast<int16_t>(HIWORD(value))};
}

int buttonAt(const BoxState& state, POINT point) {
    const auto& buttons = state.layout.buttons;
    for (size_t i = 0; i < buttons.size(); ++i) {
        const RECT& rect = buttons[i].rect;
        if (point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
            point.y < rect.bottom) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void invalidateButton(HWND window, const BoxState& state, int index) {
    if (index >= 0 && index < static_cast<int>(state.layout.buttons.size())) {
        InvalidateRect(window, &state.layout.buttons[static_cast<size_t>(index)].rect, FALSE);
    }
}

bool hasButton(const BoxState& state, int result) {
    return std::any_of(state.layout.buttons.begin(), state.layout.buttons.end(),
                       [result](const Button& button) { return button.result == result; });
}

void answer(BoxState& state, int result) {
    if (!state.answer) {
        state.answer = result;
    }
}

void keyDown(BoxState& state, WPARAM key) {
    switch (key) {
    case VK_RETURN:
        answer(state, state.layout.buttons.front().result);
        break;
    case VK_ESCAPE:
        answer(state, cancelAnswer(state.info.style));
        break;
    case 'Y':
        if (hasButton(state, IDYES)) {
            answer(state, IDYES);
        }
        break;
    case 'N':
        if (hasButton(state, IDNO)) {
            answer(state, IDNO);
        }
        break;
    default:
        break;
    }
}

// A button answers when the pen goes up over the button it went down on;
// it looks pressed while the pen is over it.
void penDown(HWND window, BoxState& state, POINT point) {
    state.pressed = buttonAt(state, point);
    state.pressedLook = state.pressed >= 0;
    invalidateButton(window, state, state.pressed);
}

void penMove(HWND window, BoxState& state, POINT point) {
    if (state.pressed < 0) {
        return;
    }
    bool over = buttonAt(state, point) == state.pressed;
    if (over != state.pressedLook) {
        state.pressedLook = over;
        invalidateButton(window, state, state.pressed);
    }
}

void penUp(HWND window, BoxState& state, POINT point) {
    int index = state.pressed;
    state.pressed = -1;
    state.pressedLook = false;
    invalidateButton(window, state, index);
    if (index >= 0 && buttonAt(state, point) == index) {
        answer(state, state.layout.buttons[static_cast<size_t>(index)].result);
    }
}

} // namespace

LRESULT messageBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        forgetBox(window);
        return 0;
    }
    BoxState* state = findBox(window);
    if (state == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_PAINT:
        paintBox(window, *state);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        penDown(window, *state, pointOf(lParam));
        return 0;
    case WM_MOUSEMOVE:
        penMove(window, *state, pointOf(lParam));
        return 0;
    case WM_LBUTTONUP:
        penUp(window, *state, pointOf(lParam));
        return 0;
    case WM_KEYDOWN:
        keyDown(*state, wParam);
        return 0;
    case WM_COMMAND: // the desktop window's close button
        if (LOWORD(wParam) == IDCANCEL) {
            answer(*state, cancelAnswer(state->info.style));
        }
        return 0;
    case WM_CLOSE:
        answer(*state, cancelAnswer(state->info.style));
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace platform::message_box
