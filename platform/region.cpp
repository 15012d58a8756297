#include "platform/region.h"

#include <algorithm>

namespace platform {

void Region::add(const RECT& rect, const RECT& limit) {
    RECT part = intersectRects(rect, limit);
    if (rectIsEmpty(part)) {
        return;
    }
    for (const RECT& existing : rects) {
        if (existing.left <= part.left && existing.top <= part.top &&
            existing.right >= part.right && existing.bottom >= part.bottom) {
            return; // already covered
        }
    }
    // Drop rectangles the new one covers, so repeated marks stay few.
    std::erase_if(rects, [&](const RECT& existing) {
        return part.left <= existing.left && part.top <= existing.top &&
               part.right >= existing.right && part.bottom >= existing.bottom;
    });
    rects.push_back(part);
}

bool Region::contains(LONG x, LONG y) const {
    return std::any_of(rects.begin(), rects.end(), [&](const RECT& r) {
        return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
    });
}

RECT Region::bounds() const {
    if (rects.empty()) {
        return RECT{0, 0, 0, 0};
    }
    RECT result = rects.front();
    for (const RECT& r : rects) {
        result.left = std::min(result.left, r.left);
        result.top = std::min(result.top, r.top);
        result.right = std::max(result.right, r.right);
        result.bottom = std::max(result.bottom, r.bottom);
    }
    return result;
}

} // namespace platform
