// Build-time tool: writes the program's pixel-art icon as the PNG files of
// the hicolor icon theme, scaled by whole factors with nearest neighbour:
// 32 pixels as drawn, 64, 128, 192, 256 and 512 by 2, 4, 6, 8 and 16; 16 by
// taking every second pixel, and 48 as that 16-pixel picture by 3.
//
// Usage: make_icons OUTPUT_FOLDER (writes OUTPUT_FOLDER/<size>.png)
#include <cstdio>
#include <string>

#include "platform/raster/surface.h"
#include "platform/resource_api.h"
#include "resources/resource_ids.h"

namespace {

platform::Surface scaled(const platform::Surface& source, int up, int down) {
    platform::Surface out(source.width * up / down, source.height * up / down);
    for (int32_t y = 0; y < out.height; ++y) {
        for (int32_t x = 0; x < out.width; ++x) {
            out.at(x, y) = source.at(x * down / up, y * down / up);
        }
    }
    return out;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons OUTPUT_FOLDER\n");
        return 2;
    }
    platform::Surface* icon =
        platform::surfaceOfIcon(LoadIconW(nullptr, MAKEINTRESOURCEW(IDI_APP)));
    if (icon == nullptr || icon->width != 32 || icon->height != 32) {
        std::fprintf(stderr, "make_icons: the program's icon is not 32 x 32\n");
        return 1;
    }
    platform::Surface half = scaled(*icon, 1, 2);
    const struct {
        int size;
        platform::Surface picture;
    } sizes[] = {{16, half},
                 {32, *icon},
                 {48, scaled(half, 3, 1)},
                 {64, scaled(*icon, 2, 1)},
                 {128, scaled(*icon, 4, 1)},
                 {192, scaled(*icon, 6, 1)},
                 {256, scaled(*icon, 8, 1)},
                 {512, scaled(*icon, 16, 1)}};
    for (const auto& entry : sizes) {
        std::string path = std::string(argv[1]) + "/" + std::to_string(entry.size) + ".png";
        if (!platform::writePng(entry.picture, path)) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
