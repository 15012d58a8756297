// SPDX-License-Identifier: MIT
// Input events from the backend become messages for the window they reach.
#include "platform/core/core_state.h"
#include "platform/menu_api.h"
#include "platform/screen.h"

namespace platform {
namespace {

bool containsPoint(const RECT& rect, LONG x, LONG y) {
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

// The deepest visible child of window under the point (in window client
// coordinates), or the window itself.
HWND deepestChildAt(HWND window, LONG x, LONG y) {
    WindowRecord* record = findWindow(window);
    if (record == nullptr) {
        return nullptr;
    }
    for (auto it = record->children.rbegin(); it != record->children.rend(); ++it) {
        WindowRecord* child = findWindow(*it);
        if (child != nullptr && child->visible && containsPoint(child->rect, x, y)) {
            if (!child->enabled) {
                return window;
            }
            return deepestChildAt(*it, x - child->rect.left, y - child->rect.top);
        }
    }
    return window;
}

// The window under a screen point, or null when the point is covered by a
// disabled window (one that a modal window is blocking).
HWND windowAtScreenPoint(LONG x, LONG y) {
    auto& tops = core().topLevels;
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
        WindowRecord* record = findWindow(*it);
        if (record == nullptr || !record->visible || !containsPoint(record->rect, x, y)) {
            continue;
        }
        if (!record->enabled) {
            return nullptr;
        }
        return deepestChildAt(*it, x - record->rect.left, y - record->rect.top);
    }
    return nullptr;
}

LPARAM clientPoint(HWND window, LONG x, LONG y) {
    WindowRecord* record = findWindow(window);
    POINT origin = record != nullptr ? screenOrigin(*record) : POINT{0, 0};
    auto clientX = static_cast<WORD>(static_cast<uint32_t>(x - origin.x) & 0xFFFF);
    auto clientY = static_cast<WORD>(static_cast<uint32_t>(y - origin.y) & 0xFFFF);
    return MAKELPARAM(clientX, clientY);
}

// Keys go to the focus window while it belongs to the active window.
HWND keyboardTarget() {
    HWND active = activeWindow();
    HWND focus = GetFocus();
    if (focus != nullptr && topLevelOf(focus) == active && IsWindowEnabled(focus)) {
        return focus;
    }
    return active;
}

using Type = InputEvent::Type;

void postPenPress(const InputEvent& event) {
    HWND target = windowAtScreenPoint(event.x, event.y);
    if (target == nullptr) {
        target = core().popupCapture; // a press outside an open menu closes it
    }
    if (target == nullptr) {
        return;
    }
    UINT message = WM_LBUTTONDOWN;
    if (event.type == Type::PenDoubleTap && (findWindow(target)->classStyle & CS_DBLCLKS) != 0) {
        message = WM_LBUTTONDBLCLK;
    }
    core().capture = target; // the pen's window gets its pen-up too
    PostMessageW(target, message, 0x0001, clientPoint(target, event.x, event.y));
}

void postPenUpOrMove(const InputEvent& event) {
    HWND target = GetCapture();
    if (target == nullptr) {
        target = windowAtScreenPoint(event.x, event.y);
    }
    if (target == nullptr) {
        return;
    }
    if (event.type == Type::PenUp) {
        core().capture = nullptr;
        PostMessageW(target, WM_LBUTTONUP, 0, clientPoint(target, event.x, event.y));
    } else {
        PostMessageW(target, WM_MOUSEMOVE, GetCapture() == target ? 0x0001 : 0,
                     clientPoint(target, event.x, event.y));
    }
}

void postKey(const InputEvent& event) {
    HWND target = keyboardTarget();
    if (target != nullptr) {
        PostMessageW(target, event.alt ? WM_SYSKEYDOWN : WM_KEYDOWN, event.key,
                     (event.alt ? KF_ALTDOWN_LPARAM : 0) |
                         (event.control ? KF_CTRLDOWN_LPARAM : 0));
    }
}

void postChar(const InputEvent& event) {
    HWND target = keyboardTarget();
    if (target != nullptr) {
        PostMessageW(target, event.alt ? WM_SYSCHAR : WM_CHAR, event.key,
                     event.alt ? KF_ALTDOWN_LPARAM : 0);
    }
}

void postWheel(const InputEvent& event) {
    HWND target = windowAtScreenPoint(event.x, event.y);
    if (target == nullptr) {
        target = keyboardTarget();
    }
    if (target != nullptr) {
        auto delta = static_cast<WORD>(static_cast<int16_t>(event.value * 120));
        PostMessageW(target, WM_MOUSEWHEEL, static_cast<WPARAM>(delta) << 16,
                     MAKELPARAM(static_cast<WORD>(event.x), static_cast<WORD>(event.y)));
    }
}

void postCommand(const InputEvent& event) {
    HWND target = activeWindow();
    if (target != nullptr) {
        PostMessageW(target, WM_COMMAND, static_cast<WORD>(event.id), 0);
    }
}

void postDialogControl(const InputEvent& event) {
    HWND target = activeWindow();
    UINT message = event.type == Type::DialogCheck    ? WM_SCRIPT_CHECK
                   : event.type == Type::DialogSelect ? WM_SCRIPT_SELECT
                                                      : WM_SCRIPT_PRESS;
    if (target != nullptr) {
        PostMessageW(target, message, static_cast<WPARAM>(event.id), event.value);
    }
}

// The pen held still, the right button, the Menu key: the window under the
// point (or the keyboard's, for a key) is asked for its menu.
void postPenHold(const InputEvent& event) {
    bool fromKey = event.x < 0;
    HWND target = fromKey ? keyboardTarget() : windowAtScreenPoint(event.x, event.y);
    if (target == nullptr) {
        return;
    }
    LPARAM point =
        fromKey ? LPARAM{-1} : MAKELPARAM(static_cast<WORD>(event.x), static_cast<WORD>(event.y));
    PostMessageW(target, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(target), point);
}

void postClose() {
    // An open dialog or message box is cancelled first (nothing is stored
    // from it); its loop ends before the main window's close is taken, so one
    // close ends the program.
    HWND active = activeWindow();
    HWND main = mainWindowHandle();
    if (active != nullptr && active != main) {
        PostMessageW(active, WM_COMMAND, 2 /* IDCANCEL */, 0);
    }
    if (main != nullptr) {
        PostMessageW(main, WM_CLOSE, 0, 0);
    } else {
        PostQuitMessage(0);
    }
}

} // namespace

bool pressHoldsAt(int32_t x, int32_t y) {
    HWND main = mainWindowHandle();
    return main != nullptr && activeWindow() == main && windowAtScreenPoint(x, y) == main;
}

void postInputEvent(const InputEvent& event) {
    switch (event.type) {
    case Type::PenDown:
    case Type::PenDoubleTap:
        return postPenPress(event);
    case Type::PenUp:
    case Type::PenMove:
        return postPenUpOrMove(event);
    case Type::Key:
        return postKey(event);
    case Type::Char:
        return postChar(event);
    case Type::Wheel:
        return postWheel(event);
    case Type::Command:
        return postCommand(event);
    case Type::DialogCheck:
    case Type::DialogSelect:
    case Type::DialogPress:
        return postDialogControl(event);
    case Type::Close:
        return postClose();
    case Type::PenHold:
        return postPenHold(event);
    case Type::Quit:
        PostQuitMessage(event.exitCode);
        return;
    }
}

} // namespace platform
