// SPDX-License-Identifier: MIT
// Pictures compared pixel by pixel with the PNGs kept in tests/data/golden.
// TALONIX_UPDATE_GOLDENS=1 writes the golden instead of comparing (see
// docs/testing.md); a mismatching picture is written under golden-actual/
// in the working folder of the test.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <zlib.h>

#include "platform/raster/surface.h"

namespace golden_pictures {

namespace fs = std::filesystem;

inline uint32_t bigEndian(const std::string& bytes, size_t at) {
    uint32_t value = 0;
    for (size_t i = at; i < at + 4; ++i) {
        value = value << 8 | static_cast<unsigned char>(bytes[i]);
    }
    return value;
}

// Undoes a row's filter in place: none, left, up, average and Paeth. The
// filter's number is the byte before the row.
inline void unfilterRow(uint8_t* row, const uint8_t* above, size_t length) {
    for (size_t x = 0; x < length; ++x) {
        const int left = x >= 3 ? row[x - 3] : 0;
        const int up = above != nullptr ? above[x] : 0;
        const int upLeft = above != nullptr && x >= 3 ? above[x - 3] : 0;
        const int toLeft = std::abs(up - upLeft);
        const int toUp = std::abs(left - upLeft);
        const int toUpLeft = std::abs(left + up - 2 * upLeft);
        const int paeth = toLeft <= toUp && toLeft <= toUpLeft ? left
                          : toUp <= toUpLeft                   ? up
                                                               : upLeft;
        const int predicted[] = {0, left, up, (left + up) / 2, paeth};
        row[x] = static_cast<uint8_t>(row[x] + predicted[row[-1]]);
    }
}

// A screenshot or golden as pixels: 8-bit RGB PNG, not interlaced, the rows
// filtered in any way (the program writes them unfiltered, an optimiser may
// not). False for anything else.
inline bool readPng(const fs::path& path, platform::Surface& out) {
    std::ifstream in(path, std::ios::binary);
    const std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (file.rfind("\x89PNG\r\n\x1A\n", 0) != 0) {
        return false;
    }
    std::string header;
    std::string packed;
    for (size_t at = 8; at + 12 <= file.size(); at += 12 + bigEndian(file, at)) {
        const size_t length = bigEndian(file, at);
        if (length > file.size() - at - 12) {
            return false;
        }
        if (file.compare(at + 4, 4, "IHDR") == 0) {
            header = file.substr(at + 8, length);
        } else if (file.compare(at + 4, 4, "IDAT") == 0) {
            packed += file.substr(at + 8, length);
        }
    }
    if (header.size() != 13 || header.compare(8, 5, std::string("\x08\x02\0\0\0", 5)) != 0 ||
        bigEndian(header, 0) - 1 >= 16384 || bigEndian(header, 4) - 1 >= 16384) {
        return false;
    }
    const size_t width = bigEndian(header, 0);
    const size_t height = bigEndian(header, 4);
    const size_t rowBytes = width * 3 + 1; // the filter, then the pixels
    std::vector<uint8_t> rows(rowBytes * height);
    uLongf size = static_cast<uLongf>(rows.size());
    if (uncompress(rows.data(), &size, reinterpret_cast<const Bytef*>(packed.data()),
                   static_cast<uLong>(packed.size())) != Z_OK ||
        size != rows.size()) {
        return false;
    }
    platform::Surface result(static_cast<int32_t>(width), static_cast<int32_t>(height));
    for (size_t y = 0; y < height; ++y) {
        uint8_t* row = &rows[y * rowBytes + 1];
        const uint8_t* above = y > 0 ? row - rowBytes : nullptr;
        if (row[-1] > 4) {
            return false;
        }
        unfilterRow(row, above, rowBytes - 1);
        for (size_t x = 0; x < width; ++x) {
            result.at(static_cast<int32_t>(x), static_cast<int32_t>(y)) =
                uint32_t{row[3 * x]} << 16 | uint32_t{row[3 * x + 1]} << 8 | row[3 * x + 2];
        }
    }
    out = std::move(result);
    return true;
}

// Compares with tests/data/golden/<name>.png; with a label other than the
// name the picture only compares and never rewrites the golden.
inline void expectGolden(const platform::Surface& actual, const std::string& name,
                         const std::string& label) {
    const fs::path golden = fs::path(TALONIX_TEST_DATA) / "golden" / (name + ".png");
    const char* update = std::getenv("TALONIX_UPDATE_GOLDENS");
    if (label == name && update != nullptr && std::string(update) == "1") {
        ASSERT_TRUE(platform::writePng(actual, golden.string()));
        return;
    }
    platform::Surface expected;
    ASSERT_TRUE(readPng(golden, expected))
        << "missing golden " << golden << "; run with TALONIX_UPDATE_GOLDENS=1 to make it";
    ASSERT_EQ(actual.width, expected.width) << label << ": another size";
    ASSERT_EQ(actual.pixels.size(), expected.pixels.size()) << label << ": another size";
    const auto width = static_cast<size_t>(actual.width);
    size_t differences = 0;
    size_t first = 0;
    for (size_t i = 0; i < actual.pixels.size(); ++i) {
        if (actual.pixels[i] != expected.pixels[i] && differences++ == 0) {
            first = i;
        }
    }
    if (differences != 0) {
        const fs::path kept = fs::absolute("golden-actual") / (label + ".png");
        fs::create_directories(kept.parent_path());
        platform::writePng(actual, kept.string());
        ADD_FAILURE() << label << ": " << differences << " pixels differ from " << golden
                      << ", the first at " << first % width << "," << first / width << ": "
                      << std::hex << actual.pixels[first] << " instead of "
                      << expected.pixels[first] << "; the actual picture is in " << kept;
    }
}

} // namespace golden_pictures
