// SPDX-License-Identifier: MIT
// A window's text, place, visibility, enabled state, and the focus and
// pen capture.
#include <algorithm>

#include "platform/core/core_state.h"

using platform::findWindow;
using platform::WindowRecord;

BOOL IsWindow(HWND window) {
    return findWindow(window) != nullptr ? TRUE : FALSE;
}

BOOL SetWindowTextW(HWND window, LPCWSTR text) {
    if (findWindow(window) == nullptr) {
        return FALSE;
    }
    return SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0 ? TRUE : FALSE;
}

int GetWindowTextW(HWND window, LPWSTR buffer, int maxCount) {
    WindowRecord* record = findWindow(window);
    if (record == nullptr || buffer == nullptr || maxCount <= 0) {
        return 0;
    }
    size_t length = std::min(record->text.size(), static_cast<size_t>(maxCount - 1));
    record->text.copy(buffer, length);
    buffer[length] = 0;
    return static_cast<int>(length);
}

BOOL ShowWindow(HWND window, int showCommand) {
    WindowRecord* record = findWindow(window);
    if (record == nullptr) {
        return FALSE;
    }
    bool wasVisible = record->visible;
    record->visible = showCommand != SW_HIDE;
    if (record->visible) {
        record->style |= WS_VISIBLE;
        if (!wasVisible) {
            InvalidateRect(window, nullptr, TRUE);
        }
    } else {
        record->style &= ~WS_VISIBLE;
        if (platform::core().capture == window) {
            platform::core().capture = nullptr;
        }
    }
    platform::core().screenChanged = true;
    return wasVisible ? TRUE : FALSE;
}

HWND GetParent(HWND window) {
    WindowRecord* record = findWindow(window);
    if (record == nullptr) {
        return nullptr;
    }
    return record->child ? record->parent : record->owner;
}

BOOL GetClientRect(HWND window, RECT* rect) {
    WindowRecord* record = findWindow(window);
    if (record == nullptr || rect == nullptr) {
        return FALSE;
    }
    *rect = record->clientRect();
    return TRUE;
}

BOOL GetWindowRect(HWND window, RECT* rect) {
    WindowRecord* record = findWindow(window);
    if (record == nullptr || rect == nullptr) {
        return FALSE;
    }
    POINT origin = platform::screenOrigin(*record);
    *rect = RECT{origin.x, origin.y, origin.x + record->rect.right - record->rect.left,
                 origin.y + record->rect.bottom - record->rect.top};
    return TRUE;
}

BOOL SetWindowPos(HWND window, HWND /*insertAfter*/, int x, int y, int cx, int cy, UINT flags) {
    WindowRecord* record = findWindow(window);
    if (record == nullptr) {
        return FALSE;
    }
    int width = record->rect.right - record->rect.left;
    int height = record->rect.bottom - record->rect.top;
    if ((flags & SWP_NOSIZE) == 0) {
        width = std::clamp(cx, 0, 4096);
        height = std::clamp(cy, 0, 4096);
    }
    if ((flags & SWP_NOMOVE) != 0) {
        x = record->rect.left;
        y = record->rect.top;
    }
    bool resized = width != record->surface.width || height != record->surface.height;
    record->rect = RECT{x, y, x + width, y + height};
    if (resized) {
        record->surface = platform::Surface(width, height, 0xFFFFFF);
        record->update.clear();
        InvalidateRect(window, nullptr, TRUE);
    }
    platform::core().screenChanged = true;
    return TRUE;
}

BOOL EnableWindow(HWND window, BOOL enable) {
    WindowRecord* record = findWindow(window);
    if (record == nullptr) {
        return FALSE;
    }
    bool wasDisabled = !record->enabled;
    record->enabled = enable != FALSE;
    if (!record->enabled && platform::core().capture == window) {
        platform::core().capture = nullptr;
    }
    return wasDisabled ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND window) {
    WindowRecord* record = findWindow(window);
    return record != nullptr && record->enabled ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND window) {
    WindowRecord* record = findWindow(window);
    while (record != nullptr) {
        if (!record->visible) {
            return FALSE;
        }
        if (!record->child) {
            return TRUE;
        }
        record = findWindow(record->parent);
    }
    return FALSE;
}

HWND SetFocus(HWND window) {
    HWND previous = platform::core().focus;
    if (window == nullptr || findWindow(window) != nullptr) {
        platform::core().focus = window;
    }
    return findWindow(previous) != nullptr ? previous : nullptr;
}

HWND GetFocus() {
    HWND focus = platform::core().focus;
    return findWindow(focus) != nullptr ? focus : nullptr;
}

HWND SetCapture(HWND window) {
    HWND previous = GetCapture();
    if (findWindow(window) != nullptr) {
        platform::core().capture = window;
    }
    return previous;
}

BOOL ReleaseCapture() {
    platform::core().capture = nullptr;
    return TRUE;
}

HWND GetCapture() {
    HWND capture = platform::core().capture;
    return findWindow(capture) != nullptr ? capture : nullptr;
}
