// SPDX-License-Identifier: MIT
// The few drawing steps of the command bar and its tooltip.
#pragma once

#include "platform/gdi_api.h"
#include "platform/raster/surface.h"

namespace platform::commandbar {

namespace colours {
constexpr COLORREF face = RGB(192, 192, 192); // the bar, and the images' background
constexpr COLORREF light = RGB(255, 255, 255);
constexpr COLORREF shadow = RGB(128, 128, 128);
constexpr COLORREF dark = RGB(0, 0, 0);
constexpr COLORREF tipBackground = RGB(255, 255, 225);
} // namespace colours

// A one-pixel frame just inside rect: topLeft along the top and left,
// bottomRight along the bottom and right.
void edgeFrame(HDC dc, const RECT& rect, COLORREF topLeft, COLORREF bottomRight);

} // namespace platform::commandbar
