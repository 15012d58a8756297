// Device contexts: memory DCs over bitmaps, paint DCs over window surfaces,
// and the objects and colours selected into them.
#include "platform/raster/device_context.h"

#include <unordered_map>

#include "platform/raster/gdi_objects.h"

namespace platform::dc {
namespace {

std::unordered_map<uintptr_t, DeviceContext>& contexts() {
    static std::unordered_map<uintptr_t, DeviceContext> instance;
    return instance;
}

HDC addContext(DeviceContext context) {
    uintptr_t value = gdi::nextHandleValue();
    contexts().emplace(value, std::move(context));
    return reinterpret_cast<HDC>(value);
}

DeviceContext withDefaults() {
    DeviceContext context;
    context.brush = GetStockObject(WHITE_BRUSH);
    context.font = GetStockObject(SYSTEM_FONT);
    return context;
}

} // namespace

DeviceContext* find(HDC dc) {
    auto found = contexts().find(reinterpret_cast<uintptr_t>(dc));
    return found == contexts().end() ? nullptr : &found->second;
}

bool selectsObject(HGDIOBJ object) {
    for (const auto& [value, context] : contexts()) {
        if (context.bitmap == object || context.brush == object || context.font == object) {
            return true;
        }
    }
    return false;
}

void dropAll() {
    contexts().clear();
}

std::optional<DrawTarget> drawTargetOf(HDC dc) {
    DeviceContext* context = find(dc);
    if (context == nullptr) {
        return std::nullopt;
    }
    Surface* surface = context->target;
    if (surface == nullptr) {
        surface = gdi::find<Surface>(context->bitmap);
    }
    if (surface == nullptr) {
        return std::nullopt;
    }
    const Region* clip = context->clip ? &*context->clip : nullptr;
    return DrawTarget{surface, context->origin, clip};
}

} // namespace platform::dc

namespace platform {

HDC createSurfaceDC(Surface* target, const Region& clip, POINT origin) {
    if (target == nullptr) {
        return nullptr;
    }
    dc::DeviceContext context = dc::withDefaults();
    context.target = target;
    context.clip = clip;
    context.origin = origin;
    return dc::addContext(std::move(context));
}

Surface* surfaceOfDC(HDC dc) {
    auto drawTarget = dc::drawTargetOf(dc);
    return drawTarget ? drawTarget->surface : nullptr;
}

} // namespace platform

using namespace platform;

HDC CreateCompatibleDC(HDC /*reference*/) {
    dc::DeviceContext context = dc::withDefaults();
    context.bitmap = gdi::defaultBitmap();
    return dc::addContext(std::move(context));
}

BOOL DeleteDC(HDC dc) {
    return dc::contexts().erase(reinterpret_cast<uintptr_t>(dc)) == 1 ? TRUE : FALSE;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    dc::DeviceContext* context = dc::find(dc);
    if (context == nullptr) {
        return nullptr;
    }
    HGDIOBJ previous = nullptr;
    if (gdi::find<Surface>(object) != nullptr) {
        if (context->target != nullptr) {
            return nullptr; // a paint DC draws on its window, never on a bitmap
        }
        previous = context->bitmap;
        context->bitmap = object;
    } else if (gdi::find<gdi::Brush>(object) != nullptr) {
        previous = context->brush;
        context->brush = object;
    } else if (gdi::find<gdi::Font>(object) != nullptr) {
        previous = context->font;
        context->font = object;
    }
    return previous;
}

COLORREF SetBkColor(HDC dc, COLORREF colour) {
    dc::DeviceContext* context = dc::find(dc);
    if (context == nullptr) {
        return 0xFFFFFFFF;
    }
    COLORREF previous = context->backgroundColour;
    context->backgroundColour = colour & 0x00FFFFFF;
    return previous;
}

COLORREF SetTextColor(HDC dc, COLORREF colour) {
    dc::DeviceContext* context = dc::find(dc);
    if (context == nullptr) {
        return 0xFFFFFFFF;
    }
    COLORREF previous = context->textColour;
    context->textColour = colour & 0x00FFFFFF;
    return previous;
}

int SetBkMode(HDC dc, int mode) {
    dc::DeviceContext* context = dc::find(dc);
    if (context == nullptr || (mode != TRANSPARENT && mode != OPAQUE)) {
        return 0;
    }
    int previous = context->backgroundMode;
    context->backgroundMode = mode;
    return previous;
}
