// SPDX-License-Identifier: MIT
// The dialog's own window: the border, the title bar with its close box, the
// white face under the controls; and the messages for the procedure.
#include <algorithm>

#include "platform/dialogs/control.h"
#include "platform/dialogs/script_lines.h"
#include "platform/screen.h"
#include "platform/window_api.h"

namespace platform::dialogs {

RECT FrameMetrics::titleBar(int windowWidth) const {
    return RECT{border, border, windowWidth - border, titleHeight};
}

RECT FrameMetrics::closeBox(int windowWidth) const {
    RECT bar = titleBar(windowWidth);
    int size = std::max(0, rectHeight(bar) - 2);
    return RECT{bar.right - 1 - size, bar.top + 1, bar.right - 1, bar.top + 1 + size};
}

namespace {

POINT pointOf(LPARAM lParam) {
    auto value = static_cast<uintptr_t>(lParam);
    return POINT{static_cast<int16_t>(LOWORD(value)), static_cast<int16_t>(HIWORD(value))};
}

int windowWidth(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return rectWidth(client);
}

void paintFrame(Dialog& dialog) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(dialog.window, &paint);
    if (dc != nullptr) {
        RECT whole{};
        GetClientRect(dialog.window, &whole);
        int width = rectWidth(whole);
        fillWithColour(dc, whole, colours::white);
        outline(dc, whole, colours::black);

        RECT bar = dialog.frame.titleBar(width);
        fillWithColour(dc, bar, colours::title);
        WCHAR title[128] = {};
        int length = GetWindowTextW(dialog.window, title, 128);
        RECT box = dialog.frame.closeBox(width);
        SelectObject(dc, dialog.titleFont.get());
        int top = bar.top + std::max(0, (rectHeight(bar) - dialog.titleFont.lineHeight()) / 2);
        textLine(dc, std::u16string_view(title, static_cast<size_t>(length)),
                 RECT{bar.left + 4, top, box.left - 2, bar.bottom}, colours::white);

        raisedBox(dc, box, dialog.closeBoxPressed);
        int inset = std::max(3, rectWidth(box) / 4);
        RECT cross = insetRect(box, inset);
        if (dialog.closeBoxPressed) {
            cross = RECT{cross.left + 1, cross.top + 1, cross.right + 1, cross.bottom + 1};
        }
        crossMark(dc, cross, colours::black);
    }
    EndPaint(dialog.window, &paint);
}

void setCloseBoxPressed(Dialog& dialog, bool pressed) {
    if (dialog.closeBoxPressed == pressed) {
        return;
    }
    dialog.closeBoxPressed = pressed;
    RECT box = dialog.frame.closeBox(windowWidth(dialog.window));
    InvalidateRect(dialog.window, &box, FALSE);
}

void penDown(Dialog& dialog, POINT point) {
    if (dialog.openDropDown != nullptr) {
        closeDropDown(dialog);
        return;
    }
    if (rectContains(dialog.frame.closeBox(windowWidth(dialog.window)), point)) {
        dialog.closeBoxTracking = true;
        setCloseBoxPressed(dialog, true);
    }
}

void penMove(Dialog& dialog, POINT point) {
    if (dialog.closeBoxTracking) {
        setCloseBoxPressed(dialog,
                           rectContains(dialog.frame.closeBox(windowWidth(dialog.window)), point));
    }
}

void penUp(Dialog& dialog, POINT point) {
    if (!dialog.closeBoxTracking) {
        return;
    }
    dialog.closeBoxTracking = false;
    setCloseBoxPressed(dialog, false);
    if (rectContains(dialog.frame.closeBox(windowWidth(dialog.window)), point)) {
        sendCommand(dialog, IDCANCEL);
    }
}

} // namespace

LRESULT dialogWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* dialog = dialogOfFrame(window);
    if (dialog == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_SCRIPT_CHECK:
    case WM_SCRIPT_SELECT:
    case WM_SCRIPT_PRESS:
        return runScriptLine(*dialog, message, static_cast<int>(static_cast<intptr_t>(wParam)),
                             static_cast<int>(lParam));
    default:
        break;
    }
    // As on the handheld, the procedure sees every message first; what it
    // leaves (returns 0 for) gets the default handling below.
    if (INT_PTR handled = dialog->procedure(window, message, wParam, lParam)) {
        return handled;
    }
    switch (message) {
    case WM_PAINT:
        paintFrame(*dialog);
        return 0;
    case WM_SETTEXT: {
        LRESULT stored = DefWindowProcW(window, message, wParam, lParam);
        RECT bar = dialog->frame.titleBar(windowWidth(window));
        InvalidateRect(window, &bar, FALSE);
        return stored;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        penDown(*dialog, pointOf(lParam));
        return 0;
    case WM_MOUSEMOVE:
        penMove(*dialog, pointOf(lParam));
        return 0;
    case WM_LBUTTONUP:
        penUp(*dialog, pointOf(lParam));
        return 0;
    case WM_KEYDOWN:
        dialogNavigationKey(*dialog, LOWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        dialogWheel(*dialog, static_cast<int16_t>(HIWORD(wParam)) / 120);
        return 0;
    case WM_CLOSE:
        // Closing a dialog is cancelling it; the procedure decides.
        sendCommand(*dialog, IDCANCEL);
        return 0;
    case WM_COMMAND:
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace platform::dialogs
