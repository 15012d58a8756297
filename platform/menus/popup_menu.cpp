// SPDX-License-Identifier: MIT
// Menus by handle, and the modal run of one over its owner.
#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#include "platform/core/core_state.h"
#include "platform/menus/menu_parts.h"
#include "platform/screen.h"

namespace platform::menus {
namespace {

// Menu handles count up in a range no other handle uses.
constexpr uintptr_t menuHandleBase = 0x0D000000;

struct MenuTables {
    std::map<uintptr_t, std::vector<MenuItem>> menus;
    std::map<HWND, OpenMenu*> open;
    uintptr_t next = menuHandleBase;
};

MenuTables& tables() {
    static auto* instance = new MenuTables(); // never destroyed
    return *instance;
}

std::vector<MenuItem>* itemsOf(HMENU menu) {
    auto found = tables().menus.find(reinterpret_cast<uintptr_t>(menu));
    return found == tables().menus.end() ? nullptr : &found->second;
}

constexpr LPCWSTR CLASS_NAME = u"talonix.popupmenu";

LPCWSTR menuClassName() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = menuProc;
    windowClass.lpszClassName = CLASS_NAME;
    RegisterClassW(&windowClass); // refused, harmlessly, once registered
    return CLASS_NAME;
}

// The menu opens to the right of and below the point, and to the other
// side where the screen ends.
POINT placeOnScreen(int x, int y, SIZE size) {
    x = std::clamp(x, 0, SCREEN_WIDTH - 1);
    y = std::clamp(y, 0, SCREEN_HEIGHT - 1);
    if (x + size.cx > SCREEN_WIDTH) {
        x = std::max(0, x - size.cx);
    }
    if (y + size.cy > SCREEN_HEIGHT) {
        y = std::max(0, y - size.cy);
    }
    return POINT{x, y};
}

void reportClosed(const OpenMenu& menu, UINT_PTR chosen) {
    if (ScriptHooks* hooks = scriptHooks()) {
        std::vector<MenuItemInfo> items;
        for (const MenuItem& item : menu.items) {
            items.push_back(MenuItemInfo{item.text, item.flags, item.id});
        }
        hooks->menuClosed(items, chosen);
    }
}

UINT_PTR runModal(HWND window, OpenMenu& menu, HWND blocked) {
    bool wasEnabled = blocked != nullptr && IsWindowEnabled(blocked) != FALSE;
    if (wasEnabled) {
        EnableWindow(blocked, FALSE);
    }
    core().popupCapture = window;
    MSG message{};
    while (!menu.chosen && findWindow(window) != nullptr) {
        if (GetMessageW(&message, nullptr, 0, 0) == FALSE) {
            PostQuitMessage(static_cast<int>(message.wParam)); // the outer loop must see it too
            break;
        }
        DispatchMessageW(&message);
    }
    core().popupCapture = nullptr;
    if (GetCapture() == window) {
        ReleaseCapture();
    }
    if (wasEnabled) {
        EnableWindow(blocked, TRUE);
    }
    return menu.chosen.value_or(0);
}

} // namespace

OpenMenu* findOpenMenu(HWND window) {
    auto found = tables().open.find(window);
    return found == tables().open.end() ? nullptr : found->second;
}

} // namespace platform::menus

using namespace platform::menus;

HMENU CreatePopupMenu() {
    auto& t = tables();
    uintptr_t value = t.next++;
    t.menus[value] = {};
    return reinterpret_cast<HMENU>(value);
}

BOOL AppendMenuW(HMENU menu, UINT flags, UINT_PTR id, LPCWSTR text) {
    std::vector<MenuItem>* items = itemsOf(menu);
    if (items == nullptr) {
        return FALSE;
    }
    bool separator = (flags & MF_SEPARATOR) != 0;
    items->push_back(MenuItem{flags, separator ? 0 : id,
                              separator || text == nullptr ? u"" : std::u16string(text)});
    return TRUE;
}

BOOL DestroyMenu(HMENU menu) {
    return tables().menus.erase(reinterpret_cast<uintptr_t>(menu)) > 0 ? TRUE : FALSE;
}

BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, const void* /*reserved*/) {
    std::vector<MenuItem>* items = itemsOf(menu);
    if (items == nullptr || items->empty()) {
        return FALSE;
    }
    OpenMenu open;
    open.items = *items;
    open.font = CreateFontW(metrics::textHeight, FW_NORMAL);
    SIZE size = layoutMenu(open);
    POINT at = placeOnScreen(x, y, size);
    HWND window = CreateWindowExW(0, menuClassName(), u"", 0, at.x, at.y, size.cx, size.cy,
                                  platform::topLevelOf(owner), nullptr, nullptr, nullptr);
    UINT_PTR chosen = 0;
    if (window != nullptr) {
        tables().open[window] = &open;
        ShowWindow(window, SW_SHOW);
        chosen = runModal(window, open, platform::topLevelOf(owner));
        tables().open.erase(window);
        DestroyWindow(window);
    }
    DeleteObject(open.font);
    reportClosed(open, chosen);
    if ((flags & TPM_RETURNCMD) != 0) {
        return static_cast<BOOL>(chosen);
    }
    if (chosen != 0 && owner != nullptr) {
        SendMessageW(owner, WM_COMMAND, static_cast<WPARAM>(chosen), 0);
    }
    return chosen != 0 ? TRUE : FALSE;
}
