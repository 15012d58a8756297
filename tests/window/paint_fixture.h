// SPDX-License-Identifier: MIT
// The table painted for real: a main window on the null backend with the
// program's images loaded, repainted on demand and read back from the
// composed screen.
#pragma once

#include <cstdint>
#include <string>

#include "game/table_fixture.h"
#include "platform/gdi_api.h"
#include "platform/raster/surface.h"
#include "platform/resource_api.h"
#include "platform/screen.h"
#include "resources/resource_ids.h"
#include "window/painting.h"
#include "window/table_layout.h"

namespace paint_test {

constexpr uint32_t grey = 0x828282;
constexpr uint32_t green = 0x009600; // table colour 0 as a screen pixel

// Pixels of the area that are not the given colour.
inline int32_t pixelsOtherThan(const platform::Surface& screen, const RECT& area, uint32_t colour) {
    int32_t count = 0;
    for (int32_t y = area.top; y < area.bottom; ++y) {
        for (int32_t x = area.left; x < area.right; ++x) {
            count += screen.at(x, y) != colour ? 1 : 0;
        }
    }
    return count;
}

// Pixels of the area where the two surfaces differ.
inline int32_t differences(const platform::Surface& a, const platform::Surface& b,
                           const RECT& area) {
    int32_t count = 0;
    for (int32_t y = area.top; y < area.bottom; ++y) {
        for (int32_t x = area.left; x < area.right; ++x) {
            count += a.at(x, y) != b.at(x, y) ? 1 : 0;
        }
    }
    return count;
}

} // namespace paint_test

class PaintTest : public TableTest {
  protected:
    void SetUp() override {
        TableTest::SetUp();
        LoadCardImages();
        LoadButtonImages();
    }

    // Repaints the whole window and returns what the screen shows.
    platform::Surface paintAll() {
        InvalidateRect(window, nullptr, FALSE);
        return paintPending();
    }

    // Lets the pending paint run, as the message loop would once idle.
    platform::Surface paintPending() {
        UpdateWindow(window);
        return platform::composeScreen();
    }
};
