// SPDX-License-Identifier: MIT
// Build-time tool: writes the program's pixel-art icon as the PNG files of
// the hicolor icon theme, scaled by whole factors with nearest neighbour:
// 32 pixels as drawn, 64, 128, 192, 256 and 512 by 2, 4, 6, 8 and 16; 16 by
// taking every second pixel, and 48 as that 16-pixel picture by 3.
//
// Usage: make_icons OUTPUT_FOLDER (writes OUTPUT_FOLDER/<size>.png, and
// OUTPUT_FOLDER/talonix.ico with the same pictures for the Windows build)
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

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

void putLittleEndian(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

// An icon file whose pictures are the PNG files already written: a header,
// one directory entry each, then the files as they are.
bool writeIconFile(const std::string& folder, const std::vector<int>& sizes) {
    std::string directory;
    std::string images;
    putLittleEndian(directory, 0, 2);
    putLittleEndian(directory, 1, 2); // an icon
    putLittleEndian(directory, static_cast<uint32_t>(sizes.size()), 2);
    const uint32_t firstImage = 6 + 16 * static_cast<uint32_t>(sizes.size());
    for (int size : sizes) {
        std::ifstream in(folder + "/" + std::to_string(size) + ".png", std::ios::binary);
        std::string png((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (png.empty()) {
            return false;
        }
        putLittleEndian(directory, static_cast<uint32_t>(size % 256), 1); // 256 is written 0
        putLittleEndian(directory, static_cast<uint32_t>(size % 256), 1);
        putLittleEndian(directory, 0, 2); // no palette
        putLittleEndian(directory, 1, 2); // one plane
        putLittleEndian(directory, 32, 2);
        putLittleEndian(directory, static_cast<uint32_t>(png.size()), 4);
        putLittleEndian(directory, firstImage + static_cast<uint32_t>(images.size()), 4);
        images += png;
    }
    std::ofstream out(folder + "/talonix.ico", std::ios::binary);
    out << directory << images;
    return static_cast<bool>(out.flush());
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
        if (!platform::writePng(entry.picture, path, platform::PngPacking::Smallest)) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    if (!writeIconFile(argv[1], {16, 32, 48, 256})) {
        std::fprintf(stderr, "make_icons: cannot write %s/talonix.ico\n", argv[1]);
        return 1;
    }
    return 0;
}
