// SPDX-License-Identifier: MIT
// Window classes and windows: creation and destruction. A window's text,
// place and state are in window_state.cpp.
#include <algorithm>

#include "platform/core/core_state.h"
#include "platform/screen.h"

namespace platform {

CoreState& core() {
    static CoreState* state = new CoreState(); // deliberately never destroyed
    return *state;
}

WindowRecord* findWindow(HWND window) {
    if (window == nullptr) {
        return nullptr;
    }
    auto& state = core();
    const auto value = reinterpret_cast<uintptr_t>(window);
    if (value == state.lastFoundValue) {
        return state.lastFound;
    }
    auto found = state.windows.find(value);
    if (found == state.windows.end()) {
        return nullptr;
    }
    state.lastFoundValue = value;
    state.lastFound = found->second.get();
    return state.lastFound;
}

POINT screenOrigin(const WindowRecord& window) {
    POINT origin{window.rect.left, window.rect.top};
    const WindowRecord* parent = findWindow(window.parent);
    while (window.child && parent != nullptr) {
        origin.x += parent->rect.left;
        origin.y += parent->rect.top;
        if (!parent->child) {
            break;
        }
        parent = findWindow(parent->parent);
    }
    return origin;
}

HWND topLevelOf(HWND window) {
    WindowRecord* record = findWindow(window);
    while (record != nullptr && record->child) {
        window = record->parent;
        record = findWindow(window);
    }
    return record == nullptr ? nullptr : window;
}

HWND mainWindowHandle() {
    return findWindow(core().mainWindow) ? core().mainWindow : nullptr;
}

HWND activeWindow() {
    auto& tops = core().topLevels;
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
        WindowRecord* record = findWindow(*it);
        if (record != nullptr && record->visible && record->enabled && !record->destroying) {
            return *it;
        }
    }
    return nullptr;
}

} // namespace platform

using platform::core;
using platform::findWindow;
using platform::WindowRecord;

namespace {

const platform::WindowClassRecord* findClass(LPCWSTR name) {
    if (name == nullptr) {
        return nullptr;
    }
    std::u16string_view wanted(name);
    for (const auto& windowClass : core().classes) {
        if (windowClass.name == wanted) {
            return &windowClass;
        }
    }
    return nullptr;
}

// CW_USEDEFAULT places a window over the whole screen; no side is longer
// than 4096.
struct Placement {
    int x;
    int y;
    int width;
    int height;
};

Placement placeWindow(int x, int y, int width, int height) {
    if (x == CW_USEDEFAULT) {
        x = 0;
        width = platform::SCREEN_WIDTH;
    }
    if (y == CW_USEDEFAULT) {
        y = 0;
        height = platform::SCREEN_HEIGHT;
    }
    if (width == CW_USEDEFAULT) {
        width = platform::SCREEN_WIDTH;
    }
    if (height == CW_USEDEFAULT) {
        height = platform::SCREEN_HEIGHT;
    }
    width = std::clamp(width, 0, 4096);
    height = std::clamp(height, 0, 4096);
    return Placement{x, y, width, height};
}

// Makes the window's record and links it under its parent, or among the
// top-level windows; the first top-level window without an owner is the main
// window.
HWND addWindowRecord(const platform::WindowClassRecord& windowClass, LPCWSTR windowName,
                     DWORD style, const Placement& place, HWND parent, HMENU menu) {
    bool child = (style & WS_CHILD) != 0;
    auto& state = core();
    auto record = std::make_unique<WindowRecord>();
    HWND handle = reinterpret_cast<HWND>(state.nextWindowId++);
    record->handle = handle;
    record->classStyle = windowClass.style;
    record->proc = windowClass.proc;
    record->child = child;
    record->parent = child ? parent : nullptr;
    record->owner = child ? nullptr : (findWindow(parent) ? parent : nullptr);
    record->rect = RECT{place.x, place.y, place.x + place.width, place.y + place.height};
    record->text = windowName != nullptr ? windowName : u"";
    record->style = style;
    record->id = child ? static_cast<int>(reinterpret_cast<uintptr_t>(menu)) : 0;
    record->surface = platform::Surface(place.width, place.height, 0xFFFFFF);
    state.windows.emplace(reinterpret_cast<uintptr_t>(handle), std::move(record));
    if (child) {
        findWindow(parent)->children.push_back(handle);
    } else {
        state.topLevels.push_back(handle);
        if (state.mainWindow == nullptr && findWindow(parent) == nullptr) {
            state.mainWindow = handle;
        }
    }
    return handle;
}

} // namespace

ATOM RegisterClassW(const WNDCLASSW* windowClass) {
    if (windowClass == nullptr || windowClass->lpszClassName == nullptr ||
        windowClass->lpfnWndProc == nullptr || findClass(windowClass->lpszClassName) != nullptr) {
        return 0;
    }
    auto& classes = core().classes;
    classes.push_back(platform::WindowClassRecord{windowClass->lpszClassName, windowClass->style,
                                                  windowClass->lpfnWndProc,
                                                  windowClass->hInstance});
    return static_cast<ATOM>(0xC000 + classes.size());
}

HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x,
                     int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     void* param) {
    const platform::WindowClassRecord* windowClass = findClass(className);
    if (windowClass == nullptr) {
        return nullptr;
    }
    bool child = (style & WS_CHILD) != 0;
    if (child && findWindow(parent) == nullptr) {
        return nullptr;
    }
    Placement place = placeWindow(x, y, width, height);
    HWND handle = addWindowRecord(*windowClass, windowName, style, place, parent, menu);

    CREATESTRUCTW create{param,      instance,     menu,
                         parent,     place.height, place.width,
                         place.y,    place.x,      static_cast<LONG>(style),
                         windowName, className,    exStyle};
    if (SendMessageW(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        DestroyWindow(handle);
        return nullptr;
    }
    if (findWindow(handle) == nullptr) {
        return nullptr; // destroyed while being created
    }
    if ((style & WS_VISIBLE) != 0) {
        ShowWindow(handle, SW_SHOW);
    }
    return handle;
}

BOOL DestroyWindow(HWND window) {
    WindowRecord* record = findWindow(window);
    if (record == nullptr || record->destroying) {
        return FALSE;
    }
    record->destroying = true;
    SendMessageW(window, WM_DESTROY, 0, 0);
    record = findWindow(window);
    if (record == nullptr) {
        return TRUE;
    }
    std::vector<HWND> children = record->children;
    for (HWND child : children) {
        DestroyWindow(child);
    }
    // Owned top-level windows go with their owner.
    std::vector<HWND> owned;
    for (HWND top : core().topLevels) {
        WindowRecord* other = findWindow(top);
        if (other != nullptr && other->owner == window) {
            owned.push_back(top);
        }
    }
    for (HWND other : owned) {
        DestroyWindow(other);
    }

    auto& state = core();
    record = findWindow(window);
    if (record == nullptr) {
        return TRUE;
    }
    if (WindowRecord* parent = findWindow(record->parent)) {
        std::erase(parent->children, window);
    }
    std::erase(state.topLevels, window);
    std::erase_if(state.queue, [&](const MSG& message) { return message.hwnd == window; });
    if (state.focus == window) {
        state.focus = nullptr;
    }
    if (state.capture == window) {
        state.capture = nullptr;
    }
    state.windows.erase(reinterpret_cast<uintptr_t>(window));
    state.lastFoundValue = 0;
    state.lastFound = nullptr;
    state.screenChanged = true;
    return TRUE;
}
