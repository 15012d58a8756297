// SPDX-License-Identifier: MIT
// Clipping: the runs of pixels a drawing call may touch.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/raster/device_context.h"

namespace platform::raster {

// Where a rectangle (DC coordinates, right and bottom excluded) lies on the
// target surface, clamped to it; all zero when nothing of it does. Computed
// in 64 bits so that far-off coordinates clip instead of overflowing.
inline RECT onSurface(const dc::DrawTarget& target, const RECT& rect) {
    auto clampTo = [](int64_t value, int32_t high) {
        return static_cast<LONG>(std::clamp<int64_t>(value, 0, high));
    };
    int32_t width = target.surface->width;
    int32_t height = target.surface->height;
    RECT moved{clampTo(int64_t{rect.left} + target.origin.x, width),
               clampTo(int64_t{rect.top} + target.origin.y, height),
               clampTo(int64_t{rect.right} + target.origin.x, width),
               clampTo(int64_t{rect.bottom} + target.origin.y, height)};
    if (moved.right <= moved.left || moved.bottom <= moved.top) {
        return RECT{0, 0, 0, 0};
    }
    return moved;
}

// Whether any pixel of rect (DC coordinates) lies on the target surface
// inside the clip's bounds: a call whose rectangle does not is clipped away
// before it looks at anything else.
inline bool reaches(const dc::DrawTarget& target, const RECT& rect) {
    RECT area = onSurface(target, rect);
    if (area.right <= area.left) {
        return false;
    }
    if (target.clip == nullptr) {
        return true;
    }
    const RECT& bounds = target.clip->bounds;
    return area.left < bounds.right && area.right > bounds.left && area.top < bounds.bottom &&
           area.bottom > bounds.top;
}

// Calls block(top, bottom, left, right) for every rectangle of pixels of
// rect (DC coordinates) that lies on the target surface and inside its
// clip, in surface coordinates, right and bottom excluded. No pixel comes
// twice; the order of the blocks is not fixed.
template <class BlockOperation>
void forEachBlock(const dc::DrawTarget& target, const RECT& rect, BlockOperation block) {
    RECT area = onSurface(target, rect);
    if (area.right <= area.left) {
        return;
    }
    const dc::ClipShape* clip = target.clip;
    if (clip == nullptr) {
        block(area.top, area.bottom, area.left, area.right);
        return;
    }
    const RECT& bounds = clip->bounds;
    if (area.left >= bounds.right || area.right <= bounds.left || area.top >= bounds.bottom ||
        area.bottom <= bounds.top) {
        return;
    }
    for (const dc::ClipShape::Band& band : clip->bands) {
        if (band.bottom <= area.top) {
            continue;
        }
        if (band.top >= area.bottom) {
            break;
        }
        int32_t top = std::max<int32_t>(band.top, area.top);
        int32_t bottom = std::min<int32_t>(band.bottom, area.bottom);
        for (uint32_t i = band.first; i < band.first + band.count; ++i) {
            const dc::ClipShape::Run& run = clip->runs[i];
            if (run.left >= area.right) {
                break;
            }
            int32_t left = std::max<int32_t>(run.left, area.left);
            int32_t right = std::min<int32_t>(run.right, area.right);
            if (left < right) {
                block(top, bottom, left, right);
            }
        }
    }
}

// The same, one row of a block at a time: row(pixels, y, left, right) with
// pixels pointing at the row's first pixel on the target surface.
template <class RowOperation>
void forEachRun(const dc::DrawTarget& target, const RECT& rect, RowOperation row) {
    Surface& surface = *target.surface;
    forEachBlock(target, rect, [&](int32_t top, int32_t bottom, int32_t left, int32_t right) {
        uint32_t* pixels = &surface.at(left, top);
        for (int32_t y = top; y < bottom; ++y, pixels += surface.width) {
            row(pixels, y, left, right);
        }
    });
}

} // namespace platform::raster
