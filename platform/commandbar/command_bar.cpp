// SPDX-License-Identifier: MIT
#include "platform/commandbar/command_bar.h"

#include <algorithm>

#include "platform/commandbar/bar_paint.h"
#include "platform/resource_api.h"
#include "platform/window_api.h"

namespace platform::commandbar {
namespace {

// Far more than fit across the screen.
constexpr WPARAM MAX_BUTTONS = 64;

POINT pointOf(LPARAM lParam) {
    auto value = static_cast<uintptr_t>(lParam);
    return POINT{static_cast<int16_t>(LOWORD(value)), static_cast<int16_t>(HIWORD(value))};
}

bool contains(const RECT& rect, POINT point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
           point.y < rect.bottom;
}

WPARAM commandWParam(int command) {
    return static_cast<WPARAM>(static_cast<WORD>(command)); // high word 0: from a control
}

} // namespace

LRESULT CommandBar::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        penDown(pointOf(lParam));
        return 0;
    case WM_MOUSEMOVE:
        penMove(pointOf(lParam));
        return 0;
    case WM_LBUTTONUP:
        penUp(pointOf(lParam));
        return 0;
    case TB_ADDBUTTONSW:
        addButtons(wParam, lParam);
        return TRUE;
    case TB_SETTOOLTIPS:
        setTooltips(wParam, lParam);
        return 0;
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

int CommandBar::addBitmap(HINSTANCE instance, int bitmapId, int imageCount, int imageWidth,
                          int imageHeight) {
    HBITMAP strip = LoadBitmapW(instance, MAKEINTRESOURCEW(bitmapId));
    int first = images_.addStrip(strip, imageCount, imageWidth, imageHeight, colours::face);
    DeleteObject(strip);
    InvalidateRect(window_, nullptr, FALSE);
    return first;
}

void CommandBar::shown(bool visible) {
    if (!visible) {
        stopHovering();
        tooltip_.hide();
    }
}

void CommandBar::addButtons(WPARAM count, LPARAM buttons) {
    const auto* list = reinterpret_cast<const TBBUTTON*>(buttons);
    if (list == nullptr) {
        return;
    }
    count = std::min(count, MAX_BUTTONS - std::min(MAX_BUTTONS, buttons_.size()));
    for (WPARAM i = 0; i < count; ++i) {
        buttons_.push_back(
            Button{list[i].iBitmap, list[i].idCommand, (list[i].fsState & TBSTATE_ENABLED) != 0});
    }
    InvalidateRect(window_, nullptr, FALSE);
}

// The texts are copied: the caller's array need not outlive the call.
void CommandBar::setTooltips(WPARAM count, LPARAM texts) {
    const auto* list = reinterpret_cast<const LPCWSTR*>(texts);
    tips_.clear();
    if (list == nullptr) {
        return;
    }
    for (WPARAM i = 0; i < std::min(count, MAX_BUTTONS); ++i) {
        tips_.emplace_back(list[i] != nullptr ? list[i] : u"");
    }
}

RECT CommandBar::cellRect(int index) const {
    if (index < 0 || index >= static_cast<int>(buttons_.size())) {
        return RECT{0, 0, 0, 0};
    }
    int left = CELL_LEFT + index * (CELL_WIDTH + CELL_GAP);
    return RECT{left, CELL_TOP, left + CELL_WIDTH, CELL_TOP + CELL_HEIGHT};
}

int CommandBar::buttonAt(POINT point) const {
    for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
        if (contains(cellRect(i), point)) {
            return i;
        }
    }
    return -1;
}

void CommandBar::invalidateButton(int index) {
    RECT cell = cellRect(index);
    if (cell.right > cell.left) {
        InvalidateRect(window_, &cell, FALSE);
    }
}

void CommandBar::paint() {
    PAINTSTRUCT paintInfo{};
    HDC dc = BeginPaint(window_, &paintInfo);
    if (dc != nullptr) {
        RECT whole{};
        GetClientRect(window_, &whole);
        fillWithColour(dc, whole, colours::face);
        // A shadow line and a dark line below it set the bar off the table.
        fillWithColour(dc, RECT{whole.left, whole.bottom - 2, whole.right, whole.bottom - 1},
                       colours::shadow);
        fillWithColour(dc, RECT{whole.left, whole.bottom - 1, whole.right, whole.bottom},
                       colours::dark);
        for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
            RECT cell = cellRect(i);
            bool sunken = i == pressed_ && pressedLook_;
            if (sunken) {
                edgeFrame(dc, cell, colours::shadow, colours::light);
            } else if (i == hot_ && pressed_ < 0) {
                edgeFrame(dc, cell, colours::light, colours::shadow);
            }
            const int shift = sunken ? 1 : 0;
            images_.drawCentred(
                dc, buttons_[static_cast<size_t>(i)].image,
                RECT{cell.left + shift, cell.top + shift, cell.right + shift, cell.bottom + shift});
        }
    }
    EndPaint(window_, &paintInfo);
}

void CommandBar::penDown(POINT point) {
    // The core handed the pen's capture to the bar; the hover capture ends.
    hovering_ = false;
    hover(-1);
    int index = buttonAt(point);
    if (index < 0 || !buttons_[static_cast<size_t>(index)].enabled) {
        return;
    }
    pressed_ = index;
    pressedLook_ = true;
    invalidateButton(index);
    showTip(index);
}

void CommandBar::penMove(POINT point) {
    if (pressed_ >= 0) {
        bool over = buttonAt(point) == pressed_;
        if (over != pressedLook_) {
            pressedLook_ = over;
            invalidateButton(pressed_);
        }
        return;
    }
    RECT whole{};
    GetClientRect(window_, &whole);
    HWND owner = GetParent(window_);
    if (!contains(whole, point) || !IsWindowEnabled(owner) || !IsWindowVisible(window_)) {
        stopHovering();
        return;
    }
    if (!hovering_) {
        hovering_ = true;
        SetCapture(window_);
    }
    hover(buttonAt(point));
}

void CommandBar::penUp(POINT point) {
    if (pressed_ < 0) {
        return;
    }
    int index = pressed_;
    pressed_ = -1;
    pressedLook_ = false;
    invalidateButton(index);
    tooltip_.hide();
    if (buttonAt(point) == index) {
        // Posted, not sent: the command runs from the message loop, after
        // the bar has finished with the pen, as a real press would.
        PostMessageW(GetParent(window_), WM_COMMAND,
                     commandWParam(buttons_[static_cast<size_t>(index)].command),
                     reinterpret_cast<LPARAM>(window_));
    }
}

void CommandBar::hover(int index) {
    if (index == hot_) {
        return;
    }
    invalidateButton(hot_);
    hot_ = index;
    invalidateButton(hot_);
    if (index >= 0) {
        showTip(index);
    } else {
        tooltip_.hide();
    }
}

void CommandBar::stopHovering() {
    hover(-1);
    if (hovering_) {
        hovering_ = false;
        if (GetCapture() == window_) {
            ReleaseCapture();
        }
    }
}

void CommandBar::showTip(int index) {
    if (index < 0 || index >= static_cast<int>(tips_.size())) {
        tooltip_.hide();
        return;
    }
    RECT bar{};
    GetWindowRect(window_, &bar);
    RECT cell = cellRect(index);
    tooltip_.show(tips_[static_cast<size_t>(index)],
                  POINT{bar.left + cell.left, bar.bottom + TIP_OFFSET});
}

} // namespace platform::commandbar
