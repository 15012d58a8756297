// SPDX-License-Identifier: MIT
// The drawing-object table and the calls that create, inspect and delete
// objects.
#include "platform/raster/gdi_objects.h"

#include <array>
#include <cstring>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/raster/device_context.h"

namespace platform::gdi {
namespace {

// Stock objects live at small fixed numbers; everything made later counts up
// from far above them.
constexpr int DEFAULT_BITMAP_INDEX = 32;
constexpr uintptr_t FIRST_HANDLE = 0x10000;

struct Table {
    using Objects = std::unordered_map<uintptr_t, Object>;
    Objects objects;
    // Nodes of deleted objects, kept for the next objects made: a brush made
    // and deleted on every paint then needs no allocation.
    std::vector<Objects::node_type> spareNodes;
    static constexpr size_t maxSpareNodes = 8;
};

// Handles count up for the whole run, across resets.
uintptr_t nextValue = FIRST_HANDLE;

// The objects found last, by the low bits of their handles: painting asks
// for the same few brushes and bitmaps over and over. Elements of the map
// stay put until erased, which forgets them here too.
struct Recent {
    uintptr_t value = 0;
    Object* object = nullptr;
};
std::array<Recent, 64> recentObjects{};

void forget(uintptr_t value) {
    Recent& slot = recentObjects[value % recentObjects.size()];
    if (slot.value == value) {
        slot = Recent{};
    }
}

Table& table() {
    static Table instance;
    return instance;
}

uintptr_t valueOf(HGDIOBJ handle) {
    return reinterpret_cast<uintptr_t>(handle);
}
HGDIOBJ handleOf(uintptr_t value) {
    return reinterpret_cast<HGDIOBJ>(value);
}

bool stockValue(uintptr_t value) {
    return value >= STOCK_BASE && value <= STOCK_BASE + DEFAULT_BITMAP_INDEX;
}

// Stock objects are made on first use and survive every reset.
Object* stockObject(uintptr_t value) {
    static std::array<std::optional<Object>, DEFAULT_BITMAP_INDEX + 1> stock = [] {
        std::array<std::optional<Object>, DEFAULT_BITMAP_INDEX + 1> made;
        made[WHITE_BRUSH] = Brush{RGB(255, 255, 255), false};
        made[LTGRAY_BRUSH] = Brush{RGB(192, 192, 192), false};
        made[GRAY_BRUSH] = Brush{RGB(128, 128, 128), false};
        made[DKGRAY_BRUSH] = Brush{RGB(64, 64, 64), false};
        made[BLACK_BRUSH] = Brush{RGB(0, 0, 0), false};
        made[NULL_BRUSH] = Brush{0, true};
        made[SYSTEM_FONT] = Font{11, FW_NORMAL};
        made[DEFAULT_BITMAP_INDEX] = Surface(1, 1);
        return made;
    }();
    if (!stockValue(value)) {
        return nullptr;
    }
    std::optional<Object>& object = stock[value - STOCK_BASE];
    return object ? &*object : nullptr;
}

Object* findObject(HGDIOBJ handle) {
    uintptr_t value = valueOf(handle);
    Recent& recent = recentObjects[value % recentObjects.size()];
    if (recent.value == value && value != 0) {
        return recent.object;
    }
    Object* object = nullptr;
    if (stockValue(value)) {
        object = stockObject(value);
    } else {
        auto& objects = table().objects;
        auto found = objects.find(value);
        object = found == objects.end() ? nullptr : &found->second;
    }
    if (object != nullptr) {
        recent = Recent{value, object};
    }
    return object;
}

} // namespace

uintptr_t nextHandleValue() {
    return nextValue++;
}

HGDIOBJ addObject(Object object) {
    uintptr_t value = nextHandleValue();
    Table& current = table();
    if (current.spareNodes.empty()) {
        current.objects.emplace(value, std::move(object));
    } else {
        Table::Objects::node_type node = std::move(current.spareNodes.back());
        current.spareNodes.pop_back();
        node.key() = value;
        node.mapped() = std::move(object);
        current.objects.insert(std::move(node));
    }
    return handleOf(value);
}

template <class T> T* find(HGDIOBJ handle) {
    Object* object = findObject(handle);
    return object == nullptr ? nullptr : std::get_if<T>(object);
}
template Surface* find<Surface>(HGDIOBJ);
template Brush* find<Brush>(HGDIOBJ);
template Font* find<Font>(HGDIOBJ);

bool isStock(HGDIOBJ handle) {
    return stockObject(valueOf(handle)) != nullptr;
}

HGDIOBJ defaultBitmap() {
    return handleOf(STOCK_BASE + DEFAULT_BITMAP_INDEX);
}

} // namespace platform::gdi

namespace platform {

Surface* surfaceOfBitmap(HBITMAP bitmap) {
    return gdi::find<Surface>(bitmap);
}

HBITMAP createBitmapFromSurface(Surface surface) {
    if (surface.width <= 0 || surface.height <= 0 ||
        surface.pixels.size() !=
            static_cast<size_t>(surface.width) * static_cast<size_t>(surface.height)) {
        return nullptr;
    }
    return gdi::addObject(std::move(surface));
}

void resetRaster() {
    dc::dropAll();
    gdi::table().objects.clear();
    gdi::recentObjects.fill(gdi::Recent{});
}

} // namespace platform

using namespace platform;

HGDIOBJ GetStockObject(int which) {
    if (which == gdi::DEFAULT_BITMAP_INDEX) {
        return nullptr; // internal, not one of the stock objects callers may ask for
    }
    HGDIOBJ handle = gdi::handleOf(gdi::STOCK_BASE + static_cast<uintptr_t>(which));
    return which >= 0 && gdi::isStock(handle) ? handle : nullptr;
}

HBRUSH CreateSolidBrush(COLORREF colour) {
    return gdi::addObject(gdi::Brush{colour & 0x00FFFFFF, false});
}

HBITMAP CreateCompatibleBitmap(HDC /*dc*/, int width, int height) {
    constexpr int largest = 4096;
    if (width < 1 || height < 1 || width > largest || height > largest) {
        return nullptr;
    }
    return gdi::addObject(Surface(width, height));
}

HFONT CreateFontW(int height, int weight) {
    // As on the device: 0 asks for the default size, a negative height
    // gives the size of the characters rather than of the line.
    int lineHeight = height == 0 ? 11 : (height < 0 ? -height : height);
    if (lineHeight > 200) {
        lineHeight = 200;
    }
    return gdi::addObject(gdi::Font{lineHeight, weight});
}

BOOL DeleteObject(HGDIOBJ object) {
    if (gdi::isStock(object) || dc::selectsObject(object)) {
        return FALSE;
    }
    gdi::forget(gdi::valueOf(object));
    gdi::Table& table = gdi::table();
    auto node = table.objects.extract(gdi::valueOf(object));
    if (node.empty()) {
        return FALSE;
    }
    if (table.spareNodes.size() < gdi::Table::maxSpareNodes) {
        node.mapped() = gdi::Brush{}; // lets go of a bitmap's pixels at once
        table.spareNodes.push_back(std::move(node));
    }
    return TRUE;
}

int GetObjectW(HGDIOBJ object, int size, void* out) {
    const Surface* bitmap = gdi::find<Surface>(object);
    if (bitmap == nullptr) {
        return 0; // only bitmaps are ever asked about
    }
    if (out == nullptr) {
        return static_cast<int>(sizeof(BITMAP));
    }
    if (size < static_cast<int>(sizeof(BITMAP))) {
        return 0;
    }
    BITMAP info{};
    info.bmType = 0;
    info.bmWidth = bitmap->width;
    info.bmHeight = bitmap->height;
    info.bmWidthBytes = bitmap->width * 4;
    info.bmPlanes = 1;
    info.bmBitsPixel = 32;
    info.bmBits = nullptr;
    std::memcpy(out, &info, sizeof info);
    return static_cast<int>(sizeof(BITMAP));
}
