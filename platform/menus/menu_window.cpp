// SPDX-License-Identifier: MIT
// The open pop-up menu's window: its layout, its picture and its answers to
// the pen and the keys.
#include <algorithm>

#include "platform/menus/menu_parts.h"
#include "platform/messages.h"
#include "platform/raster/surface.h"
#include "platform/screen.h"
#include "platform/window_api.h"

namespace platform::menus {
namespace {

namespace colours {
constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF grey = RGB(130, 130, 130);
} // namespace colours

int textWidth(HDC dc, const std::u16string& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

// A tick drawn in pixels: the glyphs have none.
void paintCheck(HDC dc, const RECT& item, COLORREF colour) {
    int left = item.left + 3;
    int middle = (item.top + item.bottom) / 2;
    for (int i = 0; i < 7; ++i) {
        int y = i < 3 ? middle - 1 + i : middle + 1 - (i - 2);
        fillWithColour(dc, RECT{left + i, y, left + i + 1, y + 2}, colour);
    }
}

void paintItem(HDC dc, const OpenMenu& menu, size_t index) {
    const MenuItem& item = menu.items[index];
    const RECT& rect = menu.itemRects[index];
    if (item.separator()) {
        int y = (rect.top + rect.bottom) / 2;
        fillWithColour(dc, RECT{rect.left + 2, y, rect.right - 2, y + 1}, colours::black);
        return;
    }
    bool lit = static_cast<int>(index) == menu.highlighted;
    fillWithColour(dc, rect, lit ? colours::black : colours::white);
    COLORREF ink = (item.flags & MF_GRAYED) != 0 ? colours::grey
                   : lit                         ? colours::white
                                                 : colours::black;
    if ((item.flags & MF_CHECKED) != 0) {
        paintCheck(dc, rect, ink);
    }
    SetTextColor(dc, ink);
    RECT label{rect.left + metrics::checkColumn, rect.top, rect.right, rect.bottom};
    DrawTextW(dc, item.text.c_str(), static_cast<int>(item.text.size()), &label,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

int itemAt(const OpenMenu& menu, POINT point) {
    for (size_t i = 0; i < menu.itemRects.size(); ++i) {
        const RECT& r = menu.itemRects[i];
        if (point.x >= r.left && point.x < r.right && point.y >= r.top && point.y < r.bottom) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

POINT pointOf(LPARAM lParam) {
    return POINT{static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(lParam))),
                 static_cast<int16_t>(HIWORD(static_cast<uintptr_t>(lParam)))};
}

void highlight(HWND window, OpenMenu& menu, int index) {
    if (index != menu.highlighted) {
        menu.highlighted = index;
        InvalidateRect(window, nullptr, FALSE);
    }
}

// The arrows move over the items that can be chosen, round at the ends.
void step(HWND window, OpenMenu& menu, int direction) {
    int count = static_cast<int>(menu.items.size());
    int at = menu.highlighted;
    for (int tried = 0; tried < count; ++tried) {
        at = at < 0 ? (direction > 0 ? 0 : count - 1) : (at + direction + count) % count;
        if (menu.items[static_cast<size_t>(at)].selectable()) {
            highlight(window, menu, at);
            return;
        }
    }
}

void choose(OpenMenu& menu, int index) {
    if (index >= 0 && menu.items[static_cast<size_t>(index)].selectable()) {
        menu.chosen = menu.items[static_cast<size_t>(index)].id;
    }
}

void keyDown(HWND window, OpenMenu& menu, WPARAM key) {
    switch (key) {
    case VK_UP:
        step(window, menu, -1);
        break;
    case VK_DOWN:
        step(window, menu, 1);
        break;
    case VK_HOME:
        menu.highlighted = -1;
        step(window, menu, 1);
        break;
    case VK_END:
        menu.highlighted = -1;
        step(window, menu, -1);
        break;
    case VK_RETURN:
    case VK_SPACE:
        choose(menu, menu.highlighted);
        break;
    case VK_ESCAPE:
        menu.chosen = 0;
        break;
    default:
        break;
    }
}

// A press outside closes the menu; a lift over an item that can be chosen
// chooses it.
void pen(HWND window, OpenMenu& menu, UINT message, POINT point) {
    RECT whole{};
    GetClientRect(window, &whole);
    bool inside = point.x >= 0 && point.y >= 0 && point.x < whole.right && point.y < whole.bottom;
    if (message != WM_LBUTTONUP && message != WM_MOUSEMOVE && !inside) {
        menu.chosen = 0;
        return;
    }
    int index = itemAt(menu, point);
    bool selectable = index >= 0 && menu.items[static_cast<size_t>(index)].selectable();
    highlight(window, menu, selectable ? index : -1);
    if (message == WM_LBUTTONUP) {
        choose(menu, index);
    }
}

} // namespace

SIZE layoutMenu(OpenMenu& menu) {
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, menu.font);
    int widest = 0;
    for (const MenuItem& item : menu.items) {
        widest = std::max(widest, textWidth(dc, item.text));
    }
    DeleteDC(dc);
    int width = std::min(metrics::checkColumn + widest + metrics::rightMargin + 2, SCREEN_WIDTH);
    int y = 1;
    menu.itemRects.clear();
    for (const MenuItem& item : menu.items) {
        int height = item.separator() ? metrics::separatorHeight : metrics::itemHeight;
        menu.itemRects.push_back(RECT{1, y, width - 1, y + height});
        y += height;
    }
    return SIZE{width, std::min(y + 1, SCREEN_HEIGHT)};
}

void paintMenu(HWND window, const OpenMenu& menu) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    if (dc != nullptr) {
        RECT whole{};
        GetClientRect(window, &whole);
        fillWithColour(dc, whole, colours::white);
        fillWithColour(dc, RECT{0, 0, whole.right, 1}, colours::black);
        fillWithColour(dc, RECT{0, whole.bottom - 1, whole.right, whole.bottom}, colours::black);
        fillWithColour(dc, RECT{0, 0, 1, whole.bottom}, colours::black);
        fillWithColour(dc, RECT{whole.right - 1, 0, whole.right, whole.bottom}, colours::black);
        SetBkMode(dc, TRANSPARENT);
        SelectObject(dc, menu.font);
        for (size_t i = 0; i < menu.items.size(); ++i) {
            paintItem(dc, menu, i);
        }
    }
    EndPaint(window, &paint);
}

LRESULT menuProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    OpenMenu* menu = findOpenMenu(window);
    if (menu == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_PAINT:
        paintMenu(window, *menu);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
        pen(window, *menu, message, pointOf(lParam));
        return 0;
    case WM_KEYDOWN:
        keyDown(window, *menu, wParam);
        return 0;
    case WM_COMMAND: // the end of a script, the desktop's close button
    case WM_CLOSE:
        menu->chosen = 0;
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace platform::menus
