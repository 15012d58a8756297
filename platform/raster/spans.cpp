// SPDX-License-Identifier: MIT
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
        closeBand(bands, runs, top, bottom, first);
    }
}

void ClipShape::closeBand(std::vector<Band>& bandList, std::vector<Run>& runList, int32_t top,
                          int32_t bottom, uint32_t first) {
    auto count = static_cast<uint32_t>(runList.size()) - first;
    if (count == 0 || bottom <= top) {
        runList.resize(first);
        return;
    }
    // A band that continues the one above with the same runs joins it.
    if (!bandList.empty()) {
        Band& above = bandList.back();
        if (above.bottom == top && above.count == count &&
            std::equal(runList.begin() + above.first, runList.begin() + above.first + above.count,
                       runList.begin() + first, [](const Run& a, const Run& b) {
                           return a.left == b.left && a.right == b.right;
                       })) {
            above.bottom = bottom;
            runList.resize(first);
            return;
        }
    }
    bandList.push_back(Band{top, bottom, first, count});
}

void ClipShape::findBounds() {
    if (bands.empty()) {
        bounds = RECT{0, 0, 0, 0};
        return;
    }
    bounds = RECT{runs.front().left, bands.front().top, runs.front().right, bands.back().bottom};
    for (const Run& run : runs) {
        bounds.left = std::min(bounds.left, run.left);
        bounds.right = std::max(bounds.right, run.right);
    }
}

// Whether the cut takes any pixel from the bands from index first on.
bool ClipShape::cuts(const RECT& cut, size_t first) const {
    for (size_t b = first; b < bands.size() && bands[b].top < cut.bottom; ++b) {
        for (uint32_t i = bands[b].first; i < bands[b].first + bands[b].count; ++i) {
            if (runs[i].left < cut.right && runs[i].right > cut.left) {
                return true;
            }
        }
    }
    return false;
}

// The bands the cut crosses split where it begins and ends; the part of
// such a band beside the cut keeps the runs, or the pieces of them, that lie
// outside it. Those bands are built again in spare storage and put back in
// place of the old; the bands above and below stay as they are. A band
// beside the cut may then have the same runs as the band next to it, which
// draws the same. Cutting does not allocate once warmed up.
void ClipShape::exclude(const RECT& cut) {
    if (rectIsEmpty(cut) || rectIsEmpty(intersectRects(cut, bounds))) {
        return;
    }
    size_t firstCut = 0;
    while (firstCut < bands.size() && bands[firstCut].bottom <= cut.top) {
        ++firstCut;
    }
    if (!cuts(cut, firstCut)) {
        return;
    }
    size_t endCut = firstCut;
    while (endCut < bands.size() && bands[endCut].top < cut.bottom) {
        ++endCut;
    }
    spareBands_.clear();
    spareRuns_.clear();
    auto copyRuns = [&](const Band& band) {
        auto first = static_cast<uint32_t>(spareRuns_.size());
        spareRuns_.insert(spareRuns_.end(), runs.begin() + band.first,
                          runs.begin() + band.first + band.count);
        return first;
    };
    for (size_t b = firstCut; b < endCut; ++b) {
        const Band& band = bands[b];
        const int32_t middleTop = std::max<int32_t>(band.top, cut.top);
        const int32_t middleBottom = std::min<int32_t>(band.bottom, cut.bottom);
        closeBand(spareBands_, spareRuns_, band.top, middleTop, copyRuns(band));
        auto first = static_cast<uint32_t>(spareRuns_.size());
        for (uint32_t i = band.first; i < band.first + band.count; ++i) {
            const Run& run = runs[i];
            if (run.left < cut.left) {
                spareRuns_.push_back(Run{run.left, std::min<int32_t>(run.right, cut.left)});
            }
            if (run.right > cut.right) {
                spareRuns_.push_back(Run{std::max<int32_t>(run.left, cut.right), run.right});
            }
        }
        closeBand(spareBands_, spareRuns_, middleTop, middleBottom, first);
        closeBand(spareBands_, spareRuns_, middleBottom, band.bottom, copyRuns(band));
    }
    const uint32_t firstRun = bands[firstCut].first;
    const uint32_t endRun =
        endCut < bands.size() ? bands[endCut].first : static_cast<uint32_t>(runs.size());
    const auto offset = [](size_t index) { return static_cast<std::ptrdiff_t>(index); };
    runs.erase(runs.begin() + offset(firstRun), runs.begin() + offset(endRun));
    runs.insert(runs.begin() + offset(firstRun), spareRuns_.begin(), spareRuns_.end());
    const auto added = static_cast<uint32_t>(spareRuns_.size());
    for (size_t b = endCut; b < bands.size(); ++b) {
        bands[b].first = bands[b].first - (endRun - firstRun) + added;
    }
    for (Band& band : spareBands_) {
        band.first += firstRun;
    }
    bands.erase(bands.begin() + offset(firstCut), bands.begin() + offset(endCut));
    bands.insert(bands.begin() + offset(firstCut), spareBands_.begin(), spareBands_.end());
    findBounds();
}

void ClipShape::copyFrom(const ClipShape& other) {
    bounds = other.bounds;
    bands.assign(other.bands.begin(), other.bands.end());
    runs.assign(other.runs.begin(), other.runs.end());
}

} // namespace platform::dc
