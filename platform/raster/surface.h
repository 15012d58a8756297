// SPDX-License-Identifier: MIT
// Pixel surfaces and the internal side of device contexts. Window surfaces
// and bitmaps are both Surfaces; a paint DC draws on a window's surface
// through a clip mask built from the region being painted.
#pragma once

#include <cstdint>
#include <memory>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "platform/raster/rows.h"
#include "platform/region.h"
#include "platform/win_types.h"

namespace platform {

// Makes new elements without setting them: a surface's pixels are filled
// as soon as they are made (each dialog's windows are made anew when it
// opens), and clearing them first would store every pixel twice.
template <class T> struct UnsetAllocator : std::allocator<T> {
    template <class U> struct rebind { using other = UnsetAllocator<U>; };
    UnsetAllocator() = default;
    template <class U> UnsetAllocator(const UnsetAllocator<U>& /*other*/) noexcept {}
    template <class U> void construct(U* place) noexcept { ::new (static_cast<void*>(place)) U; }
    template <class U, class... Args> void construct(U* place, Args&&... args) {
        ::new (static_cast<void*>(place)) U(std::forward<Args>(args)...);
    }
};

// Pixels are 0x00RRGGBB, row by row from the top-left corner.
struct Surface {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t, UnsetAllocator<uint32_t>> pixels;

    Surface() = default;
    Surface(int32_t w, int32_t h, uint32_t fill = 0x000000)
        : width(w), height(h), pixels(static_cast<size_t>(w) * static_cast<size_t>(h)) {
        raster::fillRow(pixels.data(), static_cast<int32_t>(pixels.size()), fill);
    }
    uint32_t at(int32_t x, int32_t y) const {
        return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
    }
    uint32_t& at(int32_t x, int32_t y) {
        return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
    }
    const uint32_t* row(int32_t y) const {
        return pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
    }
};

uint32_t pixelFromColorref(COLORREF colour);
COLORREF colorrefFromPixel(uint32_t pixel);

// A DC that draws on target (which must outlive it) at the given offset,
// clipped to clip (in target coordinates). Starts with the stock white brush
// selected, opaque text on a white background, black text, the system font.
HDC createSurfaceDC(Surface* target, const Region& clip, POINT origin = {0, 0});
// The surface a DC draws on (its selected bitmap for a memory DC), or null.
Surface* surfaceOfDC(HDC dc);
// FillRect with a colour instead of a brush: the platform's own windows paint
// their faces this way, without making and deleting a brush for each part.
void fillWithColour(HDC dc, const RECT& rect, COLORREF colour);
// The pixels of a bitmap handle, or null.
Surface* surfaceOfBitmap(HBITMAP bitmap);
HBITMAP createBitmapFromSurface(Surface surface);
// The pixels of an icon from LoadIconW, or null.
Surface* surfaceOfIcon(HICON icon);
// Parses an XPM image (one character per pixel, "c #RRGGBB" colours or
// "c None" for black). Returns an empty surface on malformed data.
Surface surfaceFromXpm(const char* const* lines, int lineCount);

// Screenshots are written quickly; files that ship (the icons) as small as
// zlib can make them.
enum class PngPacking { Quick, Smallest };
bool writePng(const Surface& surface, const std::string& path,
              PngPacking packing = PngPacking::Quick);

// Drops every drawing object (tests and shutdown).
void resetRaster();

} // namespace platform
