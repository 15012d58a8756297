// SPDX-License-Identifier: MIT
// The one table of drawing objects: bitmaps, brushes and fonts share a
// handle space. Handles are numbers that are never reused, so a handle kept
// after its object was deleted finds nothing instead of a newer object.
#pragma once

#include <cstdint>
#include <variant>

#include "platform/gdi_api.h"
#include "platform/raster/surface.h"

namespace platform::gdi {

struct Brush {
    COLORREF colour = 0;
    bool hollow = false; // NULL_BRUSH: paints nothing
};

struct Font {
    int height = 0; // line height in pixels
    int weight = FW_NORMAL;
};

using Object = std::variant<Surface, Brush, Font>;

// Stock objects live at small fixed numbers: GetStockObject(which) is
// STOCK_BASE + which.
constexpr uintptr_t STOCK_BASE = 0x100;
inline HGDIOBJ stockHandle(int which) {
    return reinterpret_cast<HGDIOBJ>(STOCK_BASE + static_cast<uintptr_t>(which));
}

// A fresh handle value for any kind of object, device contexts included.
uintptr_t nextHandleValue();

HGDIOBJ addObject(Object object);
// Null for an unknown or deleted handle, or one of another kind.
template <class T> T* find(HGDIOBJ handle);
bool isStock(HGDIOBJ handle);

// The 1 x 1 bitmap a memory DC starts with.
HGDIOBJ defaultBitmap();

} // namespace platform::gdi
