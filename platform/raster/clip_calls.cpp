// SPDX-License-Identifier: MIT
// SaveDC and RestoreDC, and ExcludeClipRect: a painter cuts what it has
// drawn out of the clip for a while, so that what lies under it is not
// drawn only to be covered.
#include "platform/raster/device_context.h"
#include "platform/raster/rect_math.h"

using namespace platform;

namespace {

// Bands with the same runs may lie one above the other: the shape is one
// rectangle when every band is the same single run and none leaves a gap.
int shapeKind(const dc::ClipShape& clip) {
    if (clip.bands.empty()) {
        return NULLREGION;
    }
    const dc::ClipShape::Run& run = clip.runs[clip.bands.front().first];
    int32_t bottom = clip.bands.front().top;
    for (const dc::ClipShape::Band& band : clip.bands) {
        const dc::ClipShape::Run& own = clip.runs[band.first];
        if (band.count != 1 || band.top != bottom || own.left != run.left ||
            own.right != run.right) {
            return COMPLEXREGION;
        }
        bottom = band.bottom;
    }
    return SIMPLEREGION;
}

// A saved state and a DC name what SaveDC keeps alike: one copy serves both
// ways.
template <class From, class To> void copyKeptState(const From& from, To& to) {
    to.clip.copyFrom(from.clip);
    to.clipped = from.clipped;
    to.brush = from.brush;
    to.font = from.font;
    to.textColour = from.textColour;
    to.backgroundColour = from.backgroundColour;
    to.backgroundMode = from.backgroundMode;
}

} // namespace

int SaveDC(HDC dc) {
    dc::DeviceContext* context = dc::find(dc);
    if (context == nullptr) {
        return 0;
    }
    if (context->savedDepth == context->saved.size()) {
        context->saved.emplace_back();
    }
    copyKeptState(*context, context->saved[context->savedDepth]);
    ++context->savedDepth;
    return static_cast<int>(context->savedDepth);
}

BOOL RestoreDC(HDC dc, int level) {
    dc::DeviceContext* context = dc::find(dc);
    if (context == nullptr) {
        return FALSE;
    }
    const auto depth = static_cast<int64_t>(context->savedDepth);
    const int64_t wanted = level < 0 ? depth + 1 + level : level;
    if (wanted < 1 || wanted > depth) {
        return FALSE;
    }
    copyKeptState(context->saved[static_cast<size_t>(wanted - 1)], *context);
    context->savedDepth = static_cast<size_t>(wanted - 1);
    return TRUE;
}

int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom) {
    dc::DeviceContext* context = dc::find(dc);
    if (context == nullptr || !context->clipped) {
        return ERROR;
    }
    const POINT origin = context->origin;
    context->clip.exclude(RECT{raster::clampToLong(int64_t{left} + origin.x),
                               raster::clampToLong(int64_t{top} + origin.y),
                               raster::clampToLong(int64_t{right} + origin.x),
                               raster::clampToLong(int64_t{bottom} + origin.y)});
    return shapeKind(context->clip);
}
