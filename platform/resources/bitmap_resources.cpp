// SPDX-License-Identifier: MIT
// LoadBitmapW and LoadIconW: compiled-in XPM images made into bitmaps,
// bitmaps in the interface language.
#include <map>

#include "platform/raster/surface.h"
#include "platform/resource_api.h"
#include "platform/resources/ui_language.h"
#include "resources/resource_table.h"

namespace {

HBITMAP bitmapFromXpm(const resources::XpmImage* image) {
    if (image == nullptr) {
        return nullptr;
    }
    return platform::createBitmapFromSurface(
        platform::surfaceFromXpm(image->lines, image->lineCount));
}

} // namespace

namespace platform {

Surface* surfaceOfIcon(HICON icon) {
    return surfaceOfBitmap(reinterpret_cast<HBITMAP>(icon));
}

} // namespace platform

HBITMAP LoadBitmapW(HINSTANCE /*instance*/, LPCWSTR name) {
    if (name == nullptr || !IS_INTRESOURCE(name)) {
        return nullptr;
    }
    return bitmapFromXpm(resources::findBitmap(static_cast<int>(reinterpret_cast<uintptr_t>(name)),
                                               platform::resourceLanguage()));
}

// An icon is loaded once and shared by every caller, as on the device; it
// lives in the bitmap table, so it is made again if a reset dropped it.
HICON LoadIconW(HINSTANCE /*instance*/, LPCWSTR name) {
    if (name == nullptr || !IS_INTRESOURCE(name)) {
        return nullptr;
    }
    int id = static_cast<int>(reinterpret_cast<uintptr_t>(name));
    static std::map<int, HICON> loaded;
    auto found = loaded.find(id);
    if (found != loaded.end() && platform::surfaceOfIcon(found->second) != nullptr) {
        return found->second;
    }
    HBITMAP bitmap = bitmapFromXpm(resources::findIcon(id));
    if (bitmap == nullptr) {
        return nullptr;
    }
    HICON icon = reinterpret_cast<HICON>(bitmap);
    loaded[id] = icon;
    return icon;
}
