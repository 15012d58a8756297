// SPDX-License-Identifier: MIT
// The few drawing steps every part of a dialog is made of, in the handheld's
// look: white faces, black text, grey 3D buttons, a dark-blue title bar.
#pragma once

#include <string_view>

#include "platform/gdi_api.h"
#include "platform/raster/surface.h"
#include "platform/win_types.h"

namespace platform::dialogs {

namespace colours {
constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF face = RGB(192, 192, 192);     // buttons and scroll-bar parts
constexpr COLORREF shadow = RGB(128, 128, 128);   // the lower-right edge of a raised part
constexpr COLORREF track = RGB(224, 224, 224);    // the scroll bar's track
constexpr COLORREF title = RGB(0, 0, 128);        // the title bar
constexpr COLORREF selection = RGB(0, 0, 128);    // a selected line of a list
constexpr COLORREF disabled = RGB(128, 128, 128); // arrows with nothing to scroll
} // namespace colours

// A font made for one dialog and deleted with it.
class OwnedFont {
  public:
    OwnedFont() = default;
    OwnedFont(int lineHeight, int weight);
    ~OwnedFont();
    OwnedFont(const OwnedFont&) = delete;
    OwnedFont& operator=(const OwnedFont&) = delete;
    OwnedFont(OwnedFont&& other) noexcept;
    OwnedFont& operator=(OwnedFont&& other) noexcept;

    HFONT get() const { return font_; }
    int lineHeight() const { return lineHeight_; }
    int weight() const { return weight_; }

  private:
    HFONT font_ = nullptr;
    int lineHeight_ = 0;
    int weight_ = 0;
};

// A memory DC with a font selected, for measuring text outside a paint.
class MeasuringDC {
  public:
    explicit MeasuringDC(HFONT font);
    ~MeasuringDC();
    MeasuringDC(const MeasuringDC&) = delete;
    MeasuringDC& operator=(const MeasuringDC&) = delete;

    HDC get() const { return dc_; }

  private:
    HDC dc_ = nullptr;
};

int rectWidth(const RECT& rect);
int rectHeight(const RECT& rect);
bool rectContains(const RECT& rect, POINT point);
RECT insetRect(const RECT& rect, int by);

// A one-pixel outline just inside the rectangle.
void outline(HDC dc, const RECT& rect, COLORREF colour);
// A button face: grey, lit from the upper left; pressed, it is lit from the
// lower right instead.
void raisedBox(HDC dc, const RECT& rect, bool pressed);
// A dotted outline just inside the rectangle: where the keyboard focus is.
void focusMarks(HDC dc, const RECT& rect);
// A small solid triangle centred in the box, pointing up or down.
void arrowMark(HDC dc, const RECT& box, bool up, COLORREF colour);
void checkMark(HDC dc, const RECT& box);
void crossMark(HDC dc, const RECT& box, COLORREF colour);

// The width of a run of text in the DC's font (0 for none).
int textWidth(HDC dc, std::u16string_view text);
// One line of text, its top-left corner at the rectangle's, clipped to it,
// drawn without a background.
void textLine(HDC dc, std::u16string_view text, const RECT& rect, COLORREF colour);
// One line of text centred in the rectangle.
void centredTextLine(HDC dc, std::u16string_view text, const RECT& rect, int lineHeight,
                     COLORREF colour);

} // namespace platform::dialogs
