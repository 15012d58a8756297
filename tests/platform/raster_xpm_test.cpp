// SPDX-License-Identifier: MIT
// XPM images: the colours they may name, and malformed data that must give
// an empty image.
#include <array>
#include <string>
#include <vector>

#include "platform_support.h"

namespace {

using platform::Surface;
using platform::surfaceFromXpm;

template <size_t N> Surface parse(const std::array<const char*, N>& lines) {
    return surfaceFromXpm(lines.data(), static_cast<int>(N));
}

bool isEmpty(const Surface& surface) {
    return surface.width == 0 && surface.height == 0 && surface.pixels.empty();
}

TEST(XpmTest, ReadsLongShortAndNoneColours) {
    const std::array<const char*, 7> image{
        "3 2 4 1", ". c None", "# c #E00000", "w c #fff", "o c #80FF01", ".#w", "o.#",
    };
    Surface surface = parse(image);
    ASSERT_EQ(surface.width, 3);
    ASSERT_EQ(surface.height, 2);
    EXPECT_EQ(surface.at(0, 0), 0x000000u); // None is black: it adds nothing under an OR
    EXPECT_EQ(surface.at(1, 0), 0xE00000u);
    EXPECT_EQ(surface.at(2, 0), 0xFFFFFFu);
    EXPECT_EQ(surface.at(0, 1), 0x80FF01u);
    EXPECT_EQ(surface.at(1, 1), 0x000000u);
    EXPECT_EQ(surface.at(2, 1), 0xE00000u);
}

TEST(XpmTest, MalformedHeadersGiveAnEmptyImage) {
    for (const char* header :
         {"", "3 3 1", "x 3 1 1", "0 3 1 1", "3 -1 1 1", "3 3 0 1", "3 3 1 3", "99999 1 1 1"}) {
        const std::array<const char*, 5> image{header, ". c #000000", "...", "...", "..."};
        EXPECT_TRUE(isEmpty(parse(image))) << "header \"" << header << "\"";
    }
}

TEST(XpmTest, MalformedColoursGiveAnEmptyImage) {
    for (const char* colour : {". c #12345", ". c #GGGGGG", ". c", ". m #FFFFFF", "", ". c red"}) {
        const std::array<const char*, 3> image{"1 1 1 1", colour, "."};
        EXPECT_TRUE(isEmpty(parse(image))) << "colour \"" << colour << "\"";
    }
}

TEST(XpmTest, MalformedRowsGiveAnEmptyImage) {
    for (const char* row : {"..", ".x.", static_cast<const char*>(nullptr)}) {
        const std::array<const char*, 4> image{"3 2 1 1", ". c #000000", "...", row};
        EXPECT_TRUE(isEmpty(parse(image))) << (row != nullptr ? row : "no row");
    }
}

// An image may be up to 4096 pixels wide and high, and no more.
TEST(XpmTest, ASideOfUpTo4096PixelsIsRead) {
    for (const auto& [width, height] : {std::pair{4096, 1}, {4097, 1}, {1, 4096}, {1, 4097}}) {
        const std::string header = std::to_string(width) + " " + std::to_string(height) + " 1 1";
        const std::string row(static_cast<size_t>(width), '.');
        std::vector<const char*> lines{header.c_str(), ". c #102030"};
        lines.insert(lines.end(), static_cast<size_t>(height), row.c_str());
        const Surface surface = surfaceFromXpm(lines.data(), static_cast<int>(lines.size()));
        const bool fits = width <= 4096 && height <= 4096;
        EXPECT_EQ(surface.width, fits ? width : 0) << width << " x " << height;
        EXPECT_EQ(surface.height, fits ? height : 0) << width << " x " << height;
        if (fits) {
            EXPECT_EQ(surface.at(width - 1, height - 1), 0x102030u);
        }
    }
}

} // namespace
