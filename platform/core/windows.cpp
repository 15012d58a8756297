// Window classes and windows: creation, destruction, text, geometry, state.
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
    auto& windows = core().windows;
    auto found = windows.find(reinterpret_cast<uintptr_t>(window));
    return found == windows.end() ? nullptr : found->second.get();
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
    state.screenChanged = true;
    return TRUE;
}

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
