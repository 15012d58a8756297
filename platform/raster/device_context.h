// Device contexts: what a DC draws on, where it is clipped, and the objects
// and colours selected into it.
#pragma once

#include <optional>

#include "platform/gdi_api.h"
#include "platform/raster/surface.h"
#include "platform/region.h"

namespace platform::dc {

struct DeviceContext {
    // A paint DC draws on a window's surface; a memory DC on its bitmap.
    Surface* target = nullptr;
    std::optional<Region> clip; // target coordinates; paint DCs only
    POINT origin{0, 0};         // DC point 0,0 on the target
    HGDIOBJ bitmap = nullptr;   // memory DCs only
    HGDIOBJ brush = nullptr;
    HGDIOBJ font = nullptr;
    COLORREF textColour = 0x000000;
    COLORREF backgroundColour = 0xFFFFFF;
    int backgroundMode = OPAQUE;
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
    const Region* clip;
};
std::optional<DrawTarget> drawTargetOf(HDC dc);

} // namespace platform::dc
