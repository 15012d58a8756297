#include "platform/raster/spans.h"

#include <algorithm>

namespace platform::raster {
namespace {

// Computed in 64 bits so that far-off coordinates clip instead of
// overflowing.
RECT onSurface(const dc::DrawTarget& target, const RECT& rect) {
    auto clampTo = [](int64_t value, int32_t low, int32_t high) {
        return static_cast<LONG>(std::clamp<int64_t>(value, low, high));
    };
    int32_t width = target.surface->width;
    int32_t height = target.surface->height;
    RECT moved{clampTo(int64_t{rect.left} + target.origin.x, 0, width),
               clampTo(int64_t{rect.top} + target.origin.y, 0, height),
               clampTo(int64_t{rect.right} + target.origin.x, 0, width),
               clampTo(int64_t{rect.bottom} + target.origin.y, 0, height)};
    return rectIsEmpty(moved) ? RECT{0, 0, 0, 0} : moved;
}

void addRowSpans(std::vector<Span>& spans, int32_t y, std::vector<RECT>& covering) {
    std::sort(covering.begin(), covering.end(),
              [](const RECT& a, const RECT& b) { return a.left < b.left; });
    Span current{y, covering.front().left, covering.front().right};
    for (const RECT& part : covering) {
        if (part.left <= current.right) {
            current.right = std::max(current.right, part.right);
        } else {
            spans.push_back(current);
            current = Span{y, part.left, part.right};
        }
    }
    spans.push_back(current);
}

} // namespace

std::vector<Span> clippedSpans(const dc::DrawTarget& target, const RECT& rect) {
    std::vector<Span> spans;
    RECT area = onSurface(target, rect);
    if (rectIsEmpty(area)) {
        return spans;
    }
    if (target.clip == nullptr) {
        for (int32_t y = area.top; y < area.bottom; ++y) {
            spans.push_back(Span{y, area.left, area.right});
        }
        return spans;
    }
    std::vector<RECT> parts;
    for (const RECT& clipRect : target.clip->rects) {
        RECT part = intersectRects(clipRect, area);
        if (!rectIsEmpty(part)) {
            parts.push_back(part);
        }
    }
    std::vector<RECT> covering;
    for (int32_t y = area.top; y < area.bottom; ++y) {
        covering.clear();
        for (const RECT& part : parts) {
            if (y >= part.top && y < part.bottom) {
                covering.push_back(part);
            }
        }
        if (!covering.empty()) {
            addRowSpans(spans, y, covering);
        }
    }
    return spans;
}

} // namespace platform::raster
