// A set of pixels made of rectangles (right and bottom excluded). Painting is
// clipped to the union, so overlapping rectangles never draw a pixel twice.
#pragma once

#include <vector>

#include "platform/win_types.h"

namespace platform {

struct Region {
    std::vector<RECT> rects; // non-empty rectangles; they may overlap

    bool empty() const { return rects.empty(); }
    void clear() { rects.clear(); }
    // Adds the part of rect that lies inside limit.
    void add(const RECT& rect, const RECT& limit);
    bool contains(LONG x, LONG y) const;
    RECT bounds() const; // all zero when empty
};

bool rectIsEmpty(const RECT& rect);
RECT intersectRects(const RECT& a, const RECT& b);

} // namespace platform
