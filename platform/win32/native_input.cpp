// SPDX-License-Identifier: MIT
// The keyboard and the mouse of the Win32 window as the program's input, the
// same keys and presses as the Linux window gives: virtual keys for the keys
// the program and its dialogs use, characters for typed text, the left
// button as the pen.
#include <windowsx.h>

#include "platform/win32/native_state.h"

namespace platform::win32 {
namespace {

// Letters and digits are the same virtual keys in every layout (a Cyrillic
// one too), so Alt+N and the Y/N answers work alike.
bool programKey(WPARAM key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) {
        return true;
    }
    switch (key) {
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_TAB:
    case VK_SPACE:
    case VK_BACK:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_F1:
    case VK_F4:
        return true;
    default:
        return false;
    }
}

NativeEvent keyEvent(NativeEvent::Kind kind, uint32_t key, bool alt) {
    NativeEvent event;
    event.kind = kind;
    event.key = key;
    event.alt = alt;
    return event;
}

NativeEvent pointerEvent(NativeEvent::Kind kind, LPARAM lParam) {
    NativeEvent event;
    event.kind = kind;
    event.x = GET_X_LPARAM(lParam);
    event.y = GET_Y_LPARAM(lParam);
    event.time = static_cast<uint32_t>(GetMessageTime());
    return event;
}

// A key press; with Alt held it comes as WM_SYSKEYDOWN. F11 and Alt+Enter
// switch between a window and the full screen: the program never sees them.
void keyDown(NativeWindow::State& state, WPARAM key, bool alt) {
    if (key == VK_F11 || (alt && key == VK_RETURN)) {
        state.toggleFullScreen();
        return;
    }
    if (programKey(key)) {
        NativeEvent event = keyEvent(NativeEvent::Kind::Key, static_cast<uint32_t>(key), alt);
        event.control = GetKeyState(VK_CONTROL) < 0;
        state.push(event);
    }
}

// Typed text, one UTF-16 unit at a time; control characters are keys. With
// Alt held only punctuation comes as a character (Alt+/ opens About):
// letters and digits came as keys.
void character(NativeWindow::State& state, WPARAM unit, bool alt) {
    if (unit < 0x20 || unit == 0x7F) {
        return;
    }
    if (alt) {
        bool alphanumeric = (unit >= 'A' && unit <= 'Z') || (unit >= 'a' && unit <= 'z') ||
                            (unit >= '0' && unit <= '9');
        if (unit > 0x7F || unit == ' ' || alphanumeric) {
            return;
        }
    }
    state.push(keyEvent(NativeEvent::Kind::Char, static_cast<uint32_t>(unit), alt));
}

void wheel(NativeWindow::State& state, WPARAM wParam, LPARAM lParam) {
    state.wheelRest += GET_WHEEL_DELTA_WPARAM(wParam);
    int lines = state.wheelRest / WHEEL_DELTA;
    state.wheelRest -= lines * WHEEL_DELTA;
    if (lines == 0) {
        return;
    }
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; // screen pixels
    ScreenToClient(state.window, &point);
    NativeEvent event;
    event.kind = NativeEvent::Kind::Wheel;
    event.x = point.x;
    event.y = point.y;
    event.lines = lines;
    state.push(event);
}

void mouseMove(NativeWindow::State& state, LPARAM lParam) {
    if (!state.trackingLeave) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, state.window, 0};
        state.trackingLeave = TrackMouseEvent(&track) != 0;
    }
    state.push(pointerEvent(NativeEvent::Kind::Move, lParam));
}

} // namespace

bool translateInput(NativeWindow::State& state, UINT message, WPARAM wParam, LPARAM lParam) {
    bool alt = (lParam & (1 << 29)) != 0; // the context code of key messages
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        keyDown(state, wParam, message == WM_SYSKEYDOWN && alt);
        return true;
    case WM_CHAR:
    case WM_SYSCHAR:
        character(state, wParam, message == WM_SYSCHAR && alt);
        return true;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        return true; // Alt alone opens no menu: the window has none
    case WM_LBUTTONDOWN:
        SetCapture(state.window); // the release comes even off the window
        state.push(pointerEvent(NativeEvent::Kind::ButtonDown, lParam));
        return true;
    case WM_LBUTTONUP:
        ReleaseCapture();
        state.push(pointerEvent(NativeEvent::Kind::ButtonUp, lParam));
        return true;
    case WM_MOUSEMOVE:
        mouseMove(state, lParam);
        return true;
    case WM_MOUSELEAVE:
        state.trackingLeave = false;
        state.push(NativeEvent{NativeEvent::Kind::Leave});
        return true;
    case WM_MOUSEWHEEL:
        wheel(state, wParam, lParam);
        return true;
    default:
        return false;
    }
}

} // namespace platform::win32
