// SPDX-License-Identifier: MIT
// Update regions, the paint protocol and the composed screen.
#include <algorithm>

#include "platform/core/core_state.h"
#include "platform/gdi_api.h"
#include "platform/screen.h"

using platform::core;
using platform::findWindow;
using platform::WindowRecord;

BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase) {
    WindowRecord* record = findWindow(window);
    if (record == nullptr) {
        return FALSE;
    }
    RECT client = record->clientRect();
    RECT marked = rect != nullptr ? *rect : client;
    if (core().recording) {
        core().invalidations.push_back(
            platform_testing::Invalidation{window, marked, rect == nullptr, erase});
    }
    record->update.add(marked, client);
    return TRUE;
}

HDC BeginPaint(HWND window, PAINTSTRUCT* paint) {
    WindowRecord* record = findWindow(window);
    if (record == nullptr || paint == nullptr) {
        return nullptr;
    }
    *paint = PAINTSTRUCT{};
    paint->rcPaint = record->update.bounds();
    paint->hdc = platform::createSurfaceDC(&record->surface, record->update);
    // Cleared in place: the region keeps its storage for the next marks.
    record->update.clear();
    return paint->hdc;
}

BOOL EndPaint(HWND /*window*/, const PAINTSTRUCT* paint) {
    if (paint == nullptr) {
        return FALSE;
    }
    DeleteDC(paint->hdc);
    core().screenChanged = true;
    return TRUE;
}

BOOL UpdateWindow(HWND window) {
    WindowRecord* record = findWindow(window);
    if (record == nullptr) {
        return FALSE;
    }
    if (!record->update.empty()) {
        SendMessageW(window, WM_PAINT, 0, 0);
        if (WindowRecord* again = findWindow(window)) {
            again->update.clear();
        }
    }
    return TRUE;
}

namespace {

void composeWindow(platform::Surface& screen, HWND window, POINT origin, RECT clip) {
    WindowRecord* record = findWindow(window);
    if (record == nullptr || !record->visible) {
        return;
    }
    const platform::Surface& surface = record->surface;
    RECT area = platform::intersectRects(
        clip, RECT{origin.x, origin.y, origin.x + surface.width, origin.y + surface.height});
    const LONG width = area.right - area.left;
    for (LONG y = area.top; y < area.bottom && width > 0; ++y) {
        std::copy_n(surface.row(y - origin.y) + (area.left - origin.x), width,
                    &screen.at(area.left, y));
    }
    for (HWND child : record->children) {
        WindowRecord* childRecord = findWindow(child);
        if (childRecord == nullptr) {
            continue;
        }
        composeWindow(screen, child,
                      POINT{origin.x + childRecord->rect.left, origin.y + childRecord->rect.top},
                      area);
    }
}

} // namespace

namespace platform {

Surface composeScreen() {
    Surface screen(SCREEN_WIDTH, SCREEN_HEIGHT, 0x000000);
    RECT whole{0, 0, SCREEN_WIDTH, SCREEN_HEIGHT};
    for (HWND top : core().topLevels) {
        WindowRecord* record = findWindow(top);
        if (record != nullptr) {
            composeWindow(screen, top, POINT{record->rect.left, record->rect.top}, whole);
        }
    }
    return screen;
}

} // namespace platform
