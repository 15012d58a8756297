// SPDX-License-Identifier: MIT
#include "platform/dialogs/paint_tools.h"

#include <algorithm>
#include <utility>

namespace platform::dialogs {

OwnedFont::OwnedFont(int lineHeight, int weight)
    : font_(CreateFontW(lineHeight, weight)), lineHeight_(lineHeight), weight_(weight) {}

OwnedFont::~OwnedFont() {
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
}

OwnedFont::OwnedFont(OwnedFont&& other) noexcept
    : font_(std::exchange(other.font_, nullptr)), lineHeight_(other.lineHeight_),
      weight_(other.weight_) {}

OwnedFont& OwnedFont::operator=(OwnedFont&& other) noexcept {
    if (this != &other) {
        if (font_ != nullptr) {
            DeleteObject(font_);
        }
        font_ = std::exchange(other.font_, nullptr);
        lineHeight_ = other.lineHeight_;
        weight_ = other.weight_;
    }
    return *this;
}

MeasuringDC::MeasuringDC(HFONT font) : dc_(CreateCompatibleDC(nullptr)) {
    if (dc_ != nullptr && font != nullptr) {
        SelectObject(dc_, font);
    }
}

MeasuringDC::~MeasuringDC() {
    if (dc_ != nullptr) {
        DeleteDC(dc_);
    }
}

int rectWidth(const RECT& rect) {
    return rect.right - rect.left;
}
int rectHeight(const RECT& rect) {
    return rect.bottom - rect.top;
}

bool rectContains(const RECT& rect, POINT point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
           point.y < rect.bottom;
}

RECT insetRect(const RECT& rect, int by) {
    return RECT{rect.left + by, rect.top + by, rect.right - by, rect.bottom - by};
}

void outline(HDC dc, const RECT& rect, COLORREF colour) {
    fillWithColour(dc, RECT{rect.left, rect.top, rect.right, rect.top + 1}, colour);
    fillWithColour(dc, RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom}, colour);
    fillWithColour(dc, RECT{rect.left, rect.top, rect.left + 1, rect.bottom}, colour);
    fillWithColour(dc, RECT{rect.right - 1, rect.top, rect.right, rect.bottom}, colour);
}

void raisedBox(HDC dc, const RECT& rect, bool pressed) {
    if (rectWidth(rect) <= 0 || rectHeight(rect) <= 0) {
        return;
    }
    fillWithColour(dc, rect, colours::face);
    outline(dc, rect, colours::black);
    RECT inner = insetRect(rect, 1);
    if (rectWidth(inner) < 2 || rectHeight(inner) < 2) {
        return;
    }
    COLORREF lit = pressed ? colours::shadow : colours::white;
    COLORREF dark = pressed ? colours::face : colours::shadow;
    fillWithColour(dc, RECT{inner.left, inner.top, inner.right - 1, inner.top + 1}, lit);
    fillWithColour(dc, RECT{inner.left, inner.top, inner.left + 1, inner.bottom - 1}, lit);
    fillWithColour(dc, RECT{inner.left, inner.bottom - 1, inner.right, inner.bottom}, dark);
    fillWithColour(dc, RECT{inner.right - 1, inner.top, inner.right, inner.bottom}, dark);
}

void focusMarks(HDC dc, const RECT& rect) {
    for (LONG x = rect.left; x < rect.right; x += 2) {
        fillWithColour(dc, RECT{x, rect.top, x + 1, rect.top + 1}, colours::black);
        fillWithColour(dc, RECT{x, rect.bottom - 1, x + 1, rect.bottom}, colours::black);
    }
    for (LONG y = rect.top; y < rect.bottom; y += 2) {
        fillWithColour(dc, RECT{rect.left, y, rect.left + 1, y + 1}, colours::black);
        fillWithColour(dc, RECT{rect.right - 1, y, rect.right, y + 1}, colours::black);
    }
}

void arrowMark(HDC dc, const RECT& box, bool up, COLORREF colour) {
    int size = std::min(rectWidth(box), rectHeight(box));
    int rows = std::max(1, size / 3);
    int centreX = box.left + rectWidth(box) / 2;
    int top = box.top + (rectHeight(box) - rows) / 2;
    for (int row = 0; row < rows; ++row) {
        // The widest row is at the base of the triangle.
        int half = up ? row : rows - 1 - row;
        fillWithColour(dc, RECT{centreX - half, top + row, centreX + half + 1, top + row + 1},
                       colour);
    }
}

void checkMark(HDC dc, const RECT& box) {
    int size = std::min(rectWidth(box), rectHeight(box));
    if (size < 5) {
        fillWithColour(dc, box, colours::black);
        return;
    }
    // A tick two pixels thick: down to the lowest point, then up to the right.
    int left = box.left + 2;
    int bottom = box.top + size - 3;
    int shortArm = (size - 4) / 3;
    int longArm = size - 5 - shortArm;
    for (int i = 0; i <= shortArm; ++i) {
        int x = left + i;
        int y = bottom - shortArm + i;
        fillWithColour(dc, RECT{x, y - 1, x + 1, y + 1}, colours::black);
    }
    for (int i = 1; i <= longArm; ++i) {
        int x = left + shortArm + i;
        int y = bottom - i;
        fillWithColour(dc, RECT{x, y - 1, x + 1, y + 1}, colours::black);
    }
}

void crossMark(HDC dc, const RECT& box, COLORREF colour) {
    int size = std::min(rectWidth(box), rectHeight(box));
    for (int i = 0; i < size; ++i) {
        fillWithColour(dc, RECT{box.left + i, box.top + i, box.left + i + 1, box.top + i + 1},
                       colour);
        fillWithColour(
            dc, RECT{box.left + size - 1 - i, box.top + i, box.left + size - i, box.top + i + 1},
            colour);
    }
}

int textWidth(HDC dc, std::u16string_view text) {
    if (text.empty() || dc == nullptr) {
        return 0;
    }
    SIZE size{0, 0};
    if (!GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size)) {
        return 0;
    }
    return size.cx;
}

void textLine(HDC dc, std::u16string_view text, const RECT& rect, COLORREF colour) {
    if (text.empty() || rect.right <= rect.left || rect.bottom <= rect.top) {
        return;
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    RECT area = rect;
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &area, DT_LEFT | DT_TOP);
}

void centredTextLine(HDC dc, std::u16string_view text, const RECT& rect, int lineHeight,
                     COLORREF colour) {
    int left = rect.left + std::max(0, (rectWidth(rect) - textWidth(dc, text)) / 2);
    int top = rect.top + std::max(0, (rectHeight(rect) - lineHeight) / 2);
    textLine(dc, text, RECT{left, top, rect.right, rect.bottom}, colour);
}

} // namespace platform::dialogs
