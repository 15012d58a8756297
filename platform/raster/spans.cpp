#include <algorithm>

#include "platform/raster/device_context.h"

namespace platform::dc {

// The region's rectangles may overlap: each band takes the union of the
// rectangles that cover it, so that no pixel is drawn twice.
void ClipShape::build(const Region& region) {
    bands.clear();
    runs.clear();
    bounds = region.bounds();
    edges_.clear();
    for (const RECT& rect : region.rects) {
        if (!rectIsEmpty(rect)) {
            edges_.push_back(rect.top);
            edges_.push_back(rect.bottom);
        }
    }
    std::sort(edges_.begin(), edges_.end());
    edges_.erase(std::unique(edges_.begin(), edges_.end()), edges_.end());
    for (size_t e = 0; e + 1 < edges_.size(); ++e) {
        int32_t top = edges_[e];
        int32_t bottom = edges_[e + 1];
        covering_.clear();
        for (const RECT& rect : region.rects) {
            if (!rectIsEmpty(rect) && rect.top <= top && rect.bottom >= bottom) {
                covering_.push_back(Run{rect.left, rect.right});
            }
        }
        if (covering_.empty()) {
            continue;
        }
        std::sort(covering_.begin(), covering_.end(),
                  [](const Run& a, const Run& b) { return a.left < b.left; });
        auto first = static_cast<uint32_t>(runs.size());
        Run current = covering_.front();
        for (const Run& part : covering_) {
            if (part.left <= current.right) {
                current.right = std::max(current.right, part.right);
            } else {
                runs.push_back(current);
                current = part;
            }
        }
        runs.push_back(current);
        auto count = static_cast<uint32_t>(runs.size()) - first;
        // A band that continues the one above with the same runs joins it.
        if (!bands.empty()) {
            Band& above = bands.back();
            if (above.bottom == top && above.count == count &&
                std::equal(runs.begin() + above.first, runs.begin() + above.first + above.count,
                           runs.begin() + first, [](const Run& a, const Run& b) {
                               return a.left == b.left && a.right == b.right;
                           })) {
                above.bottom = bottom;
                runs.resize(first);
                continue;
            }
        }
        bands.push_back(Band{top, bottom, first, count});
    }
}

} // namespace platform::dc
