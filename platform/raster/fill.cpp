// SPDX-License-Identifier: MIT
// FillRect: a brush's colour over a rectangle, clipped like every drawing;
// FrameRect: over its border; RectVisible: whether such a drawing would
// touch any pixel.
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

// The top and bottom rows are filled as rows; the sides, one pixel wide, a
// pixel at a time down each column.
int FrameRect(HDC dc, const RECT* rect, HBRUSH brush) {
    auto target = dc::drawTargetOf(dc);
    const gdi::Brush* fill = gdi::find<gdi::Brush>(brush);
    if (!target || fill == nullptr || rect == nullptr) {
        return 0;
    }
    if (fill->hollow || rect->right <= rect->left || rect->bottom <= rect->top) {
        return 1;
    }
    // A rectangle one pixel high has its one row filled twice, and no sides.
    const LONG innerTop = rect->top + 1;
    const LONG innerBottom = rect->bottom - 1;
    fillRuns(*target, RECT{rect->left, rect->top, rect->right, innerTop}, fill->colour);
    fillRuns(*target, RECT{rect->left, innerBottom, rect->right, rect->bottom}, fill->colour);
    const uint32_t pixel = pixelFromColorref(fill->colour);
    const int32_t stride = target->surface->width;
    auto column = [&](LONG x) {
        raster::forEachBlock(*target, RECT{x, innerTop, x + 1, innerBottom},
                             [&](int32_t top, int32_t bottom, int32_t left, int32_t) {
                                 uint32_t* pixels = &target->surface->at(left, top);
                                 for (int32_t y = top; y < bottom; ++y, pixels += stride) {
                                     *pixels = pixel;
                                 }
                             });
    };
    column(rect->left);
    if (rect->right - 1 > rect->left) {
        column(rect->right - 1);
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
