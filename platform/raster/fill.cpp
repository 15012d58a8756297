// FillRect: a brush's colour over a rectangle, clipped like every drawing.
#include "platform/raster/device_context.h"
#include "platform/raster/gdi_objects.h"
#include "platform/raster/spans.h"

using namespace platform;

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
    auto target = dc::drawTargetOf(dc);
    const gdi::Brush* fill = gdi::find<gdi::Brush>(brush);
    if (!target || fill == nullptr || rect == nullptr) {
        return 0;
    }
    if (fill->hollow) {
        return 1;
    }
    uint32_t pixel = pixelFromColorref(fill->colour);
    for (const raster::Span& span : raster::clippedSpans(*target, *rect)) {
        for (int32_t x = span.left; x < span.right; ++x) {
            target->surface->at(x, span.y) = pixel;
        }
    }
    return 1;
}
