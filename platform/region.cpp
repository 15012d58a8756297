// SPDX-License-Identifier: MIT
#include "platform/region.h"

#include <algorithm>

namespace platform {

namespace {

bool covers(const RECT& outer, const RECT& inner) {
    return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
           outer.bottom >= inner.bottom;
}

// Whether the two rectangles together are one rectangle: side by side on the
// same rows, or one above the other on the same columns, touching or
// overlapping.
bool makeOneRect(const RECT& a, const RECT& b) {
    const bool sameRows = a.top == b.top && a.bottom == b.bottom;
    const bool sameColumns = a.left == b.left && a.right == b.right;
    return (sameRows && a.left <= b.right && b.left <= a.right) ||
           (sameColumns && a.top <= b.bottom && b.top <= a.bottom);
}

} // namespace

// A row of cards marked one by one, as a hand is when it moves, becomes a
// rectangle or two instead of one per card.
void Region::add(const RECT& rect, const RECT& limit) {
    RECT part = intersectRects(rect, limit);
    if (rectIsEmpty(part)) {
        return;
    }
    for (;;) {
        if (std::any_of(rects.begin(), rects.end(),
                        [&](const RECT& existing) { return covers(existing, part); })) {
            return;
        }
        auto joined = std::find_if(rects.begin(), rects.end(), [&](const RECT& existing) {
            return makeOneRect(existing, part);
        });
        if (joined == rects.end()) {
            break;
        }
        part = RECT{std::min(part.left, joined->left), std::min(part.top, joined->top),
                    std::max(part.right, joined->right), std::max(part.bottom, joined->bottom)};
        rects.erase(joined);
    }
    // Drop rectangles the new one covers, so repeated marks stay few.
    std::erase_if(rects, [&](const RECT& existing) { return covers(part, existing); });
    rects.push_back(part);
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
