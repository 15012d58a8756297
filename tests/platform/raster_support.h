// Small surfaces for raster tests, and a way to see them as text so that a
// failing test prints the picture it got.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "platform/gdi_api.h"
#include "platform/raster/surface.h"

namespace raster_testing {

class RasterTest : public testing::Test {
  protected:
    void SetUp() override { platform::resetRaster(); }
    void TearDown() override { platform::resetRaster(); }
};

// A memory DC with a fresh width x height bitmap selected, every pixel fill.
struct Canvas {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    platform::Surface* pixels = nullptr;
};

inline Canvas makeCanvas(int width, int height, uint32_t fill) {
    Canvas canvas;
    canvas.dc = CreateCompatibleDC(nullptr);
    canvas.bitmap = platform::createBitmapFromSurface(platform::Surface(width, height, fill));
    SelectObject(canvas.dc, canvas.bitmap);
    canvas.pixels = platform::surfaceOfBitmap(canvas.bitmap);
    return canvas;
}

// One character per pixel, rows separated by '|'; a pixel without a name
// shows as '?'.
inline std::string picture(const platform::Surface& surface,
                           const std::map<uint32_t, char>& names) {
    std::string text;
    for (int32_t y = 0; y < surface.height; ++y) {
        if (y > 0) {
            text += '|';
        }
        for (int32_t x = 0; x < surface.width; ++x) {
            auto found = names.find(surface.at(x, y));
            text += found == names.end() ? '?' : found->second;
        }
    }
    return text;
}

} // namespace raster_testing
