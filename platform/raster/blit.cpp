// Block transfers: the four ways the program combines an image or the
// selected brush with what is already on a surface.
#include <optional>

#include "platform/raster/device_context.h"
#include "platform/raster/gdi_objects.h"
#include "platform/raster/rect_math.h"
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

uint32_t combine(Combine how, uint32_t destination, uint32_t source) {
    switch (how) {
    case Combine::Copy:
        return source;
    case Combine::Or:
        return destination | source;
    case Combine::Xor:
        return destination ^ source;
    }
    return destination;
}

// Exclusive-or with the colour of the DC's brush; the stock white brush of a
// paint surface makes this an inversion.
BOOL invertWithBrush(HDC dc, const RECT& rect) {
    auto target = dc::drawTargetOf(dc);
    if (!target) {
        return FALSE;
    }
    const gdi::Brush* brush = gdi::find<gdi::Brush>(dc::find(dc)->brush);
    if (brush == nullptr || brush->hollow) {
        return TRUE;
    }
    uint32_t pattern = pixelFromColorref(brush->colour);
    for (const raster::Span& span : raster::clippedSpans(*target, rect)) {
        for (int32_t x = span.left; x < span.right; ++x) {
            target->surface->at(x, span.y) ^= pattern;
        }
    }
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
    int64_t fromLeft = int64_t{sourceX} + from->origin.x;
    int64_t fromTop = int64_t{sourceY} + from->origin.y;
    RECT wanted = raster::rectFromSize(x, y, width, height);
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
    for (const raster::Span& span : raster::clippedSpans(*target, drawn)) {
        int64_t fromY = fromTop + (span.y - target->origin.y - y);
        int64_t fromX = fromLeft + (span.left - target->origin.x - x);
        for (int32_t dx = span.left; dx < span.right; ++dx, ++fromX) {
            uint32_t& pixel = target->surface->at(dx, span.y);
            pixel = combine(*how, pixel,
                            pixels.at(static_cast<int32_t>(fromX), static_cast<int32_t>(fromY)) &
                                0x00FFFFFFu);
        }
    }
    return TRUE;
}
