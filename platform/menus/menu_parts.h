// SPDX-License-Identifier: MIT
// The parts of an open pop-up menu shared by its layout, painting and
// input.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/gdi_api.h"
#include "platform/menu_api.h"

namespace platform::menus {

struct MenuItem {
    UINT flags = 0;
    UINT_PTR id = 0;
    std::u16string text;

    bool separator() const { return (flags & MF_SEPARATOR) != 0; }
    bool selectable() const { return !separator() && (flags & MF_GRAYED) == 0; }
};

namespace metrics {
constexpr int itemHeight = 18;
constexpr int separatorHeight = 7;
constexpr int checkColumn = 14;
constexpr int rightMargin = 10;
constexpr int textHeight = 12;
} // namespace metrics

struct OpenMenu {
    std::vector<MenuItem> items;
    std::vector<RECT> itemRects; // menu client pixels
    HFONT font = nullptr;
    int highlighted = -1;
    std::optional<UINT_PTR> chosen; // 0: closed with no choice
};

// Lays the items out and gives the menu's size.
SIZE layoutMenu(OpenMenu& menu);
void paintMenu(HWND window, const OpenMenu& menu);
LRESULT menuProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
OpenMenu* findOpenMenu(HWND window);

} // namespace platform::menus
