// SPDX-License-Identifier: MIT
// Device contexts: what a DC draws on, where it is clipped, and the objects
// and colours selected into it.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/gdi_api.h"
#include "platform/raster/surface.h"
#include "platform/region.h"

namespace platform::dc {

// A paint DC's clip, prepared when the DC is made and cut by ExcludeClipRect:
// bands of rows, top to bottom, each with the runs of pixels (left to right,
// apart from each other) that every row of the band shares. Two bands one
// above the other may have the same runs. The storage is kept when the shape
// is built again, so painting does not allocate once it has warmed up.
struct ClipShape {
    struct Run {
        int32_t left;
        int32_t right; // excluded
    };
    struct Band {
        int32_t top;
        int32_t bottom; // excluded
        uint32_t first; // runs[first .. first + count)
        uint32_t count;
    };
    RECT bounds{0, 0, 0, 0};
    std::vector<Band> bands;
    std::vector<Run> runs;

    void build(const Region& region);
    // Takes the rectangle (target coordinates) out of the shape.
    void exclude(const RECT& cut);
    // Copies another shape's pixels, keeping this one's storage.
    void copyFrom(const ClipShape& other);

  private:
    // Appends a band whose runs were just pushed from index first on,
    // joining it to the band above when the two have the same runs.
    static void closeBand(std::vector<Band>& bandList, std::vector<Run>& runList, int32_t top,
                          int32_t bottom, uint32_t first);
    void findBounds();
    bool cuts(const RECT& cut, size_t first) const;

    std::vector<int32_t> edges_;
    std::vector<Run> covering_;
    std::vector<Band> spareBands_;
    std::vector<Run> spareRuns_;
};

// What SaveDC keeps and RestoreDC brings back.
struct SavedState {
    ClipShape clip;
    bool clipped = false;
    HGDIOBJ brush = nullptr;
    HGDIOBJ font = nullptr;
    COLORREF textColour = 0x000000;
    COLORREF backgroundColour = 0xFFFFFF;
    int backgroundMode = OPAQUE;
};

struct DeviceContext {
    // A paint DC draws on a window's surface; a memory DC on its bitmap.
    Surface* target = nullptr;
    bool clipped = false;     // paint DCs only
    ClipShape clip;           // target coordinates
    POINT origin{0, 0};       // DC point 0,0 on the target
    HGDIOBJ bitmap = nullptr; // memory DCs only
    // The selected bitmap's pixels, found once when it is selected: a
    // selected bitmap cannot be deleted, so the pointer stays good.
    Surface* bitmapSurface = nullptr;
    HGDIOBJ brush = nullptr;
    HGDIOBJ font = nullptr;
    COLORREF textColour = 0x000000;
    COLORREF backgroundColour = 0xFFFFFF;
    int backgroundMode = OPAQUE;
    // saved[0 .. savedDepth) are the states SaveDC kept, oldest first; the
    // entries past them are storage for the next saves.
    std::vector<SavedState> saved;
    size_t savedDepth = 0;
};

DeviceContext* find(HDC dc);
// Whether any live DC has the object selected (such an object cannot be
// deleted).
bool selectsObject(HGDIOBJ object);
void dropAll();

// Where a DC's drawing lands: the surface, the offset of DC coordinates on
// it and the clip (none for a memory DC: the whole surface).
struct DrawTarget {
    Surface* surface;
    POINT origin;
    const ClipShape* clip;
};
std::optional<DrawTarget> drawTargetOf(HDC dc);

} // namespace platform::dc
