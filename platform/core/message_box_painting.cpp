// SPDX-License-Identifier: MIT
// The message box drawn: a title bar, an icon, the text and raised buttons,
// the pressed one sunken.
#include <cmath>

#include "platform/core/message_box_parts.h"
#include "platform/raster/surface.h"
#include "platform/window_api.h"

namespace platform::message_box {
namespace {

namespace colours {
constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF face = RGB(192, 192, 192);
constexpr COLORREF shadow = RGB(128, 128, 128);
constexpr COLORREF title = RGB(0, 0, 128);
constexpr COLORREF iconRing = RGB(0, 0, 128);
constexpr COLORREF iconDisc = RGB(32, 80, 224);
} // namespace colours

void frame(HDC dc, const RECT& rect, COLORREF topLeft, COLORREF bottomRight) {
    fillWithColour(dc, RECT{rect.left, rect.top, rect.right - 1, rect.top + 1}, topLeft);
    fillWithColour(dc, RECT{rect.left, rect.top + 1, rect.left + 1, rect.bottom - 1}, topLeft);
    fillWithColour(dc, RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomRight);
    fillWithColour(dc, RECT{rect.right - 1, rect.top, rect.right, rect.bottom - 1}, bottomRight);
}

RECT inset(const RECT& rect, int by) {
    return RECT{rect.left + by, rect.top + by, rect.right - by, rect.bottom - by};
}

void disc(HDC dc, const RECT& box, COLORREF colour) {
    int size = widthOf(box);
    double radius = size / 2.0;
    for (int row = 0; row < size; ++row) {
        double dy = row + 0.5 - radius;
        double half = radius * radius - dy * dy;
        if (half <= 0) {
            continue;
        }
        int span = static_cast<int>(std::sqrt(half) + 0.5);
        int centre = box.left + size / 2;
        fillWithColour(dc, RECT{centre - span, box.top + row, centre + span, box.top + row + 1},
                       colour);
    }
}

void paintIcon(HDC dc, const BoxState& state) {
    Icon icon = iconOf(state.info.style);
    RECT area = state.layout.iconRect;
    if (icon == Icon::None || widthOf(area) <= 0) {
        return;
    }
    disc(dc, area, colours::iconRing);
    disc(dc, inset(area, 2), colours::iconDisc);
    SelectObject(dc, state.glyphFont.get());
    SetTextColor(dc, colours::white);
    RECT glyph = area;
    DrawTextW(dc, icon == Icon::Information ? u"i" : u"?", 1, &glyph,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void paintButton(HDC dc, const BoxState& state, size_t index) {
    const Button& button = state.layout.buttons[index];
    bool sunken = static_cast<int>(index) == state.pressed && state.pressedLook;
    fillWithColour(dc, button.rect, colours::face);
    // The first button is the one Enter presses: it has the heavier frame.
    RECT face = button.rect;
    if (index == 0) {
        frame(dc, face, colours::black, colours::black);
        face = inset(face, 1);
    }
    if (sunken) {
        frame(dc, face, colours::shadow, colours::white);
    } else {
        frame(dc, face, colours::white, colours::black);
        frame(dc, inset(face, 1), colours::face, colours::shadow);
    }
    RECT label = button.rect;
    if (sunken) {
        label = RECT{label.left + 1, label.top + 1, label.right + 1, label.bottom + 1};
    }
    SelectObject(dc, state.textFont.get());
    SetTextColor(dc, colours::black);
    DrawTextW(dc, button.label, -1, &label, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

} // namespace

void paintBox(HWND window, const BoxState& state) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    if (dc != nullptr) {
        RECT whole{};
        GetClientRect(window, &whole);
        fillWithColour(dc, whole, colours::white);
        frame(dc, whole, colours::black, colours::black);
        SetBkMode(dc, TRANSPARENT);

        RECT bar{1, 1, whole.right - 1, metrics::titleHeight};
        fillWithColour(dc, bar, colours::title);
        SelectObject(dc, state.titleFont.get());
        SetTextColor(dc, colours::white);
        RECT caption{bar.left + 4, bar.top, bar.right - 4, bar.bottom};
        DrawTextW(dc, state.info.caption.c_str(), static_cast<int>(state.info.caption.size()),
                  &caption, DT_LEFT | DT_VCENTER | DT_SINGLELINE);

        paintIcon(dc, state);
        SelectObject(dc, state.textFont.get());
        SetTextColor(dc, colours::black);
        RECT text = state.layout.textRect;
        DrawTextW(dc, state.info.text.c_str(), static_cast<int>(state.info.text.size()), &text,
                  DT_LEFT | DT_TOP | DT_WORDBREAK);
        for (size_t i = 0; i < state.layout.buttons.size(); ++i) {
            paintButton(dc, state, i);
        }
    }
    EndPaint(window, &paint);
}

} // namespace platform::message_box
