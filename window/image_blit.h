// SPDX-License-Identifier: MIT
// Small drawing steps shared by the table's painters. Each transfer from an
// image goes through a memory DC made for it and deleted at once, so nothing
// outlives the paint that drew it.
#pragma once

#include <cstdint>

#include "platform/gdi_api.h"

void BeginImageTransfers(HDC dc);
void EndImageTransfers();
// Combines the image's area sourceX, sourceY, width x height with the DC at
// x, y by the raster operation. A missing image draws nothing.
void blitImage(HDC dc, int32_t x, int32_t y, int32_t width, int32_t height, HBITMAP image,
               int32_t sourceX, int32_t sourceY, DWORD rasterOperation);
// An image's width and height (0 x 0 for a missing image).
SIZE imageSize(HBITMAP image);
// The whole image at x, y; returns its size (0 x 0 for a missing image).
SIZE blitWholeImage(HDC dc, int32_t x, int32_t y, HBITMAP image, DWORD rasterOperation);
// Exclusive-or of the rectangle with the DC's brush; on a paint DC that is
// the stock white brush, so the rectangle is inverted.
void invertArea(HDC dc, int32_t x, int32_t y, int32_t width, int32_t height);
void fillArea(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom, HBRUSH brush);
// base + delta kept 32 bits wide: coordinates of a card placed far off the
// screen wrap around instead of overflowing.
int32_t offsetBy(int32_t base, int64_t delta);
