// SPDX-License-Identifier: MIT
// A set of pixels made of rectangles (right and bottom excluded). Painting is
// clipped to the union, so overlapping rectangles never draw a pixel twice.
#pragma once

#include <algorithm>
#include <vector>

#include "platform/win_types.h"

namespace platform {

struct Region {
    std::vector<RECT> rects; // non-empty rectangles; they may overlap

    bool empty() const { return rects.empty(); }
    void clear() { rects.clear(); }
    // Adds the part of rect that lies inside limit.
    void add(const RECT& rect, const RECT& limit);
    RECT bounds() const; // all zero when empty
};

inline bool rectIsEmpty(const RECT& rect) {
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

inline RECT intersectRects(const RECT& a, const RECT& b) {
    RECT result{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
    if (rectIsEmpty(result)) {
        return RECT{0, 0, 0, 0};
    }
    return result;
}

} // namespace platform
