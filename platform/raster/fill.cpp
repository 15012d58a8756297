// FillRect: a brush's colour over a rectangle, clipped like every drawing;
// RectVisible: whether such a drawing would touch any pixel.
#include "platform/raster/device_context.h"
#include "platform/raster/gdi_objects.h"
#include "platform/raster/rows.h"
#include "platform/raster/spans.h"

using namespace platform;

namespace {

void fillRuns(const dc::DrawTarget& target, const RECT& rect, COLORREF colour) {
    const uint32_t pixel = pixelFromColorref(colour);
    raster::forEachRun(target, rect, [&](uint32_t* row, int32_t, int32_t left, int32_t right) {
        raster::fillRow(row, right - left, pixel);
    });
}

} // namespace

void platform::fillWithColour(HDC dc, const RECT& rect, COLORREF colour) {
    if (auto target = dc::drawTargetOf(dc)) {
        fillRuns(*target, rect, colour);
    }
}

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
    auto target = dc::drawTargetOf(dc);
    const gdi::Brush* fill = gdi::find<gdi::Brush>(brush);
    if (!target || fill == nullptr || rect == nullptr) {
        return 0;
    }
    if (!fill->hollow) {
        fillRuns(*target, *rect, fill->colour);
    }
    return 1;
}

BOOL RectVisible(HDC dc, const RECT* rect) {
    auto target = dc::drawTargetOf(dc);
    if (!target || rect == nullptr) {
        return FALSE;
    }
    bool visible = false;
    raster::forEachBlock(*target, *rect,
                         [&](int32_t, int32_t, int32_t, int32_t) { visible = true; });
    return visible ? TRUE : FALSE;
}
