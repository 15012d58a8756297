// Clipping: the runs of pixels a drawing call may touch.
#pragma once

#include <vector>

#include "platform/raster/device_context.h"

namespace platform::raster {

// One run of pixels on a row of the target surface; right excluded.
struct Span {
    int32_t y;
    int32_t left;
    int32_t right;
};

// The runs of rect (DC coordinates, right and bottom excluded) that lie on
// the target surface and inside its clip, in surface coordinates, top row
// first. Overlapping clip rectangles are merged, so no pixel appears twice.
std::vector<Span> clippedSpans(const dc::DrawTarget& target, const RECT& rect);

} // namespace platform::raster
