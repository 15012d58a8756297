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

} // namespace

int SaveDC(HDC dc) {
    dc::DeviceContext* context = dc::find(dc);
    if (context == nullptr) {
        return 0;
    }
    if (context->savedDepth == context->saved.size()) {
        context->saved.emplace_back();
    }
    dc::SavedState& state = context->saved[context->savedDepth];
    state.clip.copyFrom(context->clip);
    state.clipped = context->clipped;
    state.brush = context->brush;
    state.font = context->font;
    state.textColour = context->textColour;
    state.backgroundColour = context->backgroundColour;
    state.backgroundMode = context->backgroundMode;
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
    const dc::SavedState& state = context->saved[static_cast<size_t>(wanted - 1)];
    context->clip.copyFrom(state.clip);
    context->clipped = state.clipped;
    context->brush = state.brush;
    context->font = state.font;
    context->textColour = state.textColour;
    context->backgroundColour = state.backgroundColour;
    context->backgroundMode = state.backgroundMode;
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
