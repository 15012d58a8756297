// SPDX-License-Identifier: MIT
// Block transfers: the four ways the program combines an image or the
// selected brush with what is already on a surface.
#include <optional>

#include "platform/raster/device_context.h"
#include "platform/raster/gdi_objects.h"
#include "platform/raster/rect_math.h"
#include "platform/raster/rows.h"
#include "platform/raster/spans.h"

using namespace platform;

namespace {

enum class Combine { Copy, Or, Xor };

std::optional<Combine> combineOf(DWORD rasterOperation) {
    switch (rasterOperation) {
    case SRCCOPY:
        return Combine::Copy;
    case SRCPAINT:
        return Combine::Or;
    case SRCINVERT:
        return Combine::Xor;
    default:
        return std::nullopt;
    }
}

// One row: count pixels of source onto destination. Source pixels carry
// only their colour.
template <Combine how>
void combineRow(uint32_t* destination, const uint32_t* source, int32_t count) {
    constexpr uint32_t colourOnly = 0x00FFFFFFu;
    const raster::FourPixels mask = {colourOnly, colourOnly, colourOnly, colourOnly};
    // A copy may store a pixel twice (source and destination never share
    // pixels): the last four end the row, overlapping the loop's stores,
    // instead of a loop over the remainder.
    if constexpr (how == Combine::Copy) {
        if (count >= 4) {
            for (int32_t i = 0; i + 4 < count; i += 4) {
                raster::storeFour(destination + i, raster::loadFour(source + i) & mask);
            }
            raster::storeFour(destination + count - 4, raster::loadFour(source + count - 4) & mask);
            return;
        }
    }
    int32_t i = 0;
    for (; i + 4 <= count; i += 4) {
        raster::FourPixels colour = raster::loadFour(source + i) & mask;
        if constexpr (how == Combine::Copy) {
            raster::storeFour(destination + i, colour);
        } else if constexpr (how == Combine::Or) {
            raster::storeFour(destination + i, raster::loadFour(destination + i) | colour);
        } else {
            raster::storeFour(destination + i, raster::loadFour(destination + i) ^ colour);
        }
    }
    for (; i < count; ++i) {
        uint32_t colour = source[i] & colourOnly;
        if constexpr (how == Combine::Copy) {
            destination[i] = colour;
        } else if constexpr (how == Combine::Or) {
            destination[i] |= colour;
        } else {
            destination[i] ^= colour;
        }
    }
}

template <Combine how>
void combineRuns(const dc::DrawTarget& target, const RECT& drawn, const Surface& pixels,
                 int64_t columnShift, int64_t rowShift) {
    raster::forEachBlock(target, drawn,
                         [&](int32_t top, int32_t bottom, int32_t left, int32_t right) {
                             uint32_t* to = &target.surface->at(left, top);
                             const uint32_t* from = pixels.pixels.data() +
                                                    static_cast<size_t>(top + rowShift) *
                                                        static_cast<size_t>(pixels.width) +
                                                    static_cast<size_t>(left + columnShift);
                             for (int32_t y = top; y < bottom; ++y) {
                                 combineRow<how>(to, from, right - left);
                                 to += target.surface->width;
                                 from += pixels.width;
                             }
                         });
}

// Exclusive-or with the colour of the DC's brush; the stock white brush of a
// paint surface makes this an inversion.
BOOL invertWithBrush(HDC dc, const RECT& rect) {
    auto target = dc::drawTargetOf(dc);
    if (!target) {
        return FALSE;
    }
    if (!raster::reaches(*target, rect)) {
        return TRUE;
    }
    const gdi::Brush* brush = gdi::find<gdi::Brush>(dc::find(dc)->brush);
    if (brush == nullptr || brush->hollow) {
        return TRUE;
    }
    uint32_t pattern = pixelFromColorref(brush->colour);
    raster::forEachRun(*target, rect, [&](uint32_t* row, int32_t, int32_t left, int32_t right) {
        raster::xorRow(row, right - left, pattern);
    });
    return TRUE;
}

} // namespace

BOOL BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
            int sourceY, DWORD rasterOperation) {
    if (rasterOperation == PATINVERT) {
        return invertWithBrush(destination, raster::rectFromSize(x, y, width, height));
    }
    std::optional<Combine> how = combineOf(rasterOperation);
    auto target = dc::drawTargetOf(destination);
    auto from = dc::drawTargetOf(source);
    if (!how || !target || !from) {
        return FALSE;
    }
    // Where the source rectangle starts on the source surface, and the part
    // of the destination rectangle whose source pixels exist.
    RECT wanted = raster::rectFromSize(x, y, width, height);
    if (!raster::reaches(*target, wanted)) {
        return TRUE;
    }
    int64_t fromLeft = int64_t{sourceX} + from->origin.x;
    int64_t fromTop = int64_t{sourceY} + from->origin.y;
    RECT available = raster::rectFromSize(x - fromLeft, y - fromTop, from->surface->width,
                                          from->surface->height);
    RECT drawn = intersectRects(wanted, available);
    if (rectIsEmpty(drawn)) {
        return TRUE;
    }
    // Copying within one surface reads the pixels as they were before.
    std::optional<Surface> snapshot;
    if (from->surface == target->surface) {
        snapshot = *from->surface;
    }
    const Surface& pixels = snapshot ? *snapshot : *from->surface;
    // A surface pixel's column and row on the source surface.
    int64_t columnShift = fromLeft - target->origin.x - x;
    int64_t rowShift = fromTop - target->origin.y - y;
    switch (*how) {
    case Combine::Copy:
        combineRuns<Combine::Copy>(*target, drawn, pixels, columnShift, rowShift);
        break;
    case Combine::Or:
        combineRuns<Combine::Or>(*target, drawn, pixels, columnShift, rowShift);
        break;
    case Combine::Xor:
        combineRuns<Combine::Xor>(*target, drawn, pixels, columnShift, rowShift);
        break;
    }
    return TRUE;
}
