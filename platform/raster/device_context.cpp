// SPDX-License-Identifier: MIT
// Device contexts: memory DCs over bitmaps, paint DCs over window surfaces,
// and the objects and colours selected into them.
#include "platform/raster/device_context.h"

#include <memory>
#include <utility>

#include "platform/raster/gdi_objects.h"

namespace platform::dc {
namespace {

// Live contexts are few (a paint DC and a memory DC or two), so they are
// looked up by a walk over a short array of handles. A deleted context's
// slot is reused, with the storage of its clip, so making a DC does not
// allocate once the program has warmed up. Handle values are never reused.
struct Slots {
    std::vector<uintptr_t> handles; // 0: a free slot
    // Contexts stay where they are while others are added.
    std::vector<std::unique_ptr<DeviceContext>> contexts;

    DeviceContext* find(uintptr_t value) {
        if (value == 0) {
            return nullptr;
        }
        for (size_t i = 0; i < handles.size(); ++i) {
            if (handles[i] == value) {
                return contexts[i].get();
            }
        }
        return nullptr;
    }
    bool erase(uintptr_t value) {
        if (value == 0) {
            return false;
        }
        for (uintptr_t& handle : handles) {
            if (handle == value) {
                handle = 0;
                return true;
            }
        }
        return false;
    }
};

Slots slots;

// A fresh context with the defaults: the stock white brush, the system font.
std::pair<HDC, DeviceContext&> addContext() {
    size_t index = 0;
    while (index < slots.handles.size() && slots.handles[index] != 0) {
        ++index;
    }
    if (index == slots.handles.size()) {
        slots.handles.push_back(0);
        slots.contexts.push_back(std::make_unique<DeviceContext>());
    }
    slots.handles[index] = gdi::nextHandleValue();
    DeviceContext& context = *slots.contexts[index];
    context.target = nullptr;
    context.clipped = false;
    context.origin = POINT{0, 0};
    context.bitmap = nullptr;
    context.bitmapSurface = nullptr;
    context.brush = gdi::stockHandle(WHITE_BRUSH);
    context.font = gdi::stockHandle(SYSTEM_FONT);
    context.textColour = 0x000000;
    context.backgroundColour = 0xFFFFFF;
    context.backgroundMode = OPAQUE;
    context.savedDepth = 0;
    return {reinterpret_cast<HDC>(slots.handles[index]), context};
}

} // namespace

DeviceContext* find(HDC dc) {
    return slots.find(reinterpret_cast<uintptr_t>(dc));
}

bool selectsObject(HGDIOBJ object) {
    for (size_t i = 0; i < slots.handles.size(); ++i) {
        const DeviceContext& context = *slots.contexts[i];
        if (slots.handles[i] != 0 &&
            (context.bitmap == object || context.brush == object || context.font == object)) {
            return true;
        }
    }
    return false;
}

void dropAll() {
    slots.handles.clear();
    slots.contexts.clear();
}

std::optional<DrawTarget> drawTargetOf(HDC dc) {
    DeviceContext* context = find(dc);
    if (context == nullptr) {
        return std::nullopt;
    }
    Surface* surface = context->target != nullptr ? context->target : context->bitmapSurface;
    if (surface == nullptr) {
        return std::nullopt;
    }
    const ClipShape* clip = context->clipped ? &context->clip : nullptr;
    return DrawTarget{surface, context->origin, clip};
}

} // namespace platform::dc

namespace platform {

HDC createSurfaceDC(Surface* target, const Region& clip, POINT origin) {
    if (target == nullptr) {
        return nullptr;
    }
    auto [dc, context] = dc::addContext();
    context.target = target;
    context.clipped = true;
    context.clip.build(clip);
    context.origin = origin;
    return dc;
}

Surface* surfaceOfDC(HDC dc) {
    auto drawTarget = dc::drawTargetOf(dc);
    return drawTarget ? drawTarget->surface : nullptr;
}

} // namespace platform

using namespace platform;

HDC CreateCompatibleDC(HDC /*reference*/) {
    auto [dc, context] = dc::addContext();
    context.bitmap = gdi::defaultBitmap();
    context.bitmapSurface = gdi::find<Surface>(context.bitmap);
    return dc;
}

BOOL DeleteDC(HDC dc) {
    return dc::slots.erase(reinterpret_cast<uintptr_t>(dc)) ? TRUE : FALSE;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    dc::DeviceContext* context = dc::find(dc);
    if (context == nullptr) {
        return nullptr;
    }
    HGDIOBJ previous = nullptr;
    if (Surface* bitmap = gdi::find<Surface>(object); bitmap != nullptr) {
        if (context->target != nullptr) {
            return nullptr; // a paint DC draws on its window, never on a bitmap
        }
        previous = context->bitmap;
        context->bitmap = object;
        context->bitmapSurface = bitmap;
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
