// SPDX-License-Identifier: MIT
#include "platform/commandbar/tooltip.h"

#include <algorithm>
#include <string>

#include "platform/commandbar/bar_paint.h"
#include "platform/screen.h"
#include "platform/window_api.h"

namespace platform::commandbar {
namespace {

constexpr LPCWSTR CLASS_NAME = u"talonix.tooltip";
constexpr int PADDING_X = 3;
constexpr int PADDING_Y = 1;
constexpr int MAX_TEXT = 256;

void paintTip(HWND window) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    if (dc != nullptr) {
        RECT whole{};
        GetClientRect(window, &whole);
        fillWithColour(dc, whole, colours::tipBackground);
        edgeFrame(dc, whole, colours::dark, colours::dark);
        WCHAR text[MAX_TEXT] = {};
        int length = GetWindowTextW(window, text, MAX_TEXT);
        RECT inside{whole.left + 1 + PADDING_X, whole.top + 1 + PADDING_Y, whole.right - 1,
                    whole.bottom - 1};
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, colours::dark);
        DrawTextW(dc, text, length, &inside, DT_LEFT | DT_TOP | DT_SINGLELINE);
    }
    EndPaint(window, &paint);
}

LRESULT tooltipProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        paintTip(window);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

SIZE textExtent(std::u16string_view text) {
    SIZE size{0, 0};
    HDC dc = CreateCompatibleDC(nullptr);
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    DeleteDC(dc);
    return size;
}

} // namespace

LPCWSTR tooltipClassName() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = tooltipProc;
    windowClass.lpszClassName = CLASS_NAME;
    RegisterClassW(&windowClass); // refused, harmlessly, once registered
    return CLASS_NAME;
}

Tooltip::~Tooltip() {
    if (HWND box = window()) {
        DestroyWindow(box);
    }
}

HWND Tooltip::window() const {
    return IsWindow(window_) ? window_ : nullptr;
}

void Tooltip::show(std::u16string_view text, POINT at) {
    if (text.empty()) {
        hide();
        return;
    }
    text = text.substr(0, MAX_TEXT - 1);
    SIZE extent = textExtent(text);
    int width = std::min<int>(extent.cx + 2 * (1 + PADDING_X), SCREEN_WIDTH);
    int height = extent.cy + 2 * (1 + PADDING_Y);
    int x = std::clamp<int>(at.x, 0, SCREEN_WIDTH - width);
    if (window() == nullptr) {
        window_ = CreateWindowExW(0, tooltipClassName(), u"", 0, x, at.y, width, height, owner_,
                                  nullptr, nullptr, nullptr);
        EnableWindow(window_, FALSE);
    }
    if (window_ == nullptr) {
        return;
    }
    std::u16string copy(text);
    SetWindowTextW(window_, copy.c_str());
    SetWindowPos(window_, nullptr, x, at.y, width, height, SWP_NOZORDER);
    InvalidateRect(window_, nullptr, FALSE);
    ShowWindow(window_, SW_SHOW);
}

void Tooltip::hide() {
    if (HWND box = window(); box != nullptr && IsWindowVisible(box)) {
        ShowWindow(box, SW_HIDE);
    }
}

} // namespace platform::commandbar
