// SPDX-License-Identifier: MIT
// Sending, posting and fetching messages, and the default window procedure.
#include <algorithm>

#include "platform/core/core_state.h"
#include "platform/screen.h"

using platform::core;
using platform::findWindow;
using platform::WindowRecord;

namespace {

// The first window, top-level windows bottom first and each before its
// children, whose update region is not empty.
HWND findWindowToPaint(HWND window) {
    WindowRecord* record = findWindow(window);
    if (record == nullptr || !record->visible) {
        return nullptr;
    }
    if (!record->update.empty()) {
        return window;
    }
    // Nothing here changes the window list, so it is walked in place.
    for (HWND child : record->children) {
        if (HWND found = findWindowToPaint(child)) {
            return found;
        }
    }
    return nullptr;
}

} // namespace

HWND platform::windowToPaint() {
    for (HWND top : core().topLevels) {
        if (HWND found = findWindowToPaint(top)) {
            return found;
        }
    }
    return nullptr;
}

LRESULT SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowRecord* record = findWindow(window);
    if (record == nullptr || record->proc == nullptr) {
        return 0;
    }
    WNDPROC proc = record->proc; // the record may go away during the call
    return proc(window, message, wParam, lParam);
}

BOOL PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window != nullptr && findWindow(window) == nullptr) {
        return FALSE;
    }
    core().queue.push_back(MSG{window, message, wParam, lParam, 0, POINT{0, 0}});
    return TRUE;
}

void PostQuitMessage(int exitCode) {
    core().quitPosted = true;
    core().quitCode = exitCode;
}

BOOL GetMessageW(MSG* message, HWND /*window*/, UINT /*filterMin*/, UINT /*filterMax*/) {
    auto& state = core();
    for (;;) {
        if (!state.queue.empty()) {
            *message = state.queue.front();
            state.queue.pop_front();
            return TRUE;
        }
        if (state.quitPosted) {
            state.quitPosted = false;
            *message = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(state.quitCode), 0, 0, {0, 0}};
            return FALSE;
        }
        if (HWND window = platform::windowToPaint()) {
            *message = MSG{window, WM_PAINT, 0, 0, 0, {0, 0}};
            return TRUE;
        }
        if (state.screenChanged) {
            state.screenChanged = false;
            if (platform::backend().showsScreen()) {
                state.shown = platform::composeScreen();
                platform::backend().present(state.shown);
            }
        }
        state.hurrying = false;
        platform::postInputEvent(platform::backend().waitEvent());
    }
}

BOOL TranslateMessage(const MSG* /*message*/) {
    // The backends deliver characters as WM_CHAR themselves.
    return FALSE;
}

LRESULT DispatchMessageW(const MSG* message) {
    if (message == nullptr) {
        return 0;
    }
    // A thread message has no window, and SendMessageW finds no procedure.
    LRESULT result =
        SendMessageW(message->hwnd, message->message, message->wParam, message->lParam);
    if (message->message == WM_PAINT) {
        // A procedure that did not paint must not get the same paint forever.
        if (WindowRecord* record = findWindow(message->hwnd)) {
            record->update.clear();
        }
    }
    return result;
}

LRESULT DefWindowProcW(HWND window, UINT message, WPARAM /*wParam*/, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_SETTEXT: {
        WindowRecord* record = findWindow(window);
        if (record == nullptr) {
            return FALSE;
        }
        auto text = reinterpret_cast<LPCWSTR>(lParam);
        record->text = text != nullptr ? text : u"";
        if (window == platform::mainWindowHandle()) {
            platform::backend().setTitle(record->text + record->captionNote);
        }
        return TRUE;
    }
    default:
        return 0;
    }
}
