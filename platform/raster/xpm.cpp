// SPDX-License-Identifier: MIT
// XPM images: the header "width height colours characters-per-pixel", one
// line per colour, then one line per row of pixels.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/raster/surface.h"

namespace platform {
namespace {

constexpr int32_t MAX_SIDE = 4096;

struct Header {
    int32_t width = 0;
    int32_t height = 0;
    int32_t colours = 0;
    int32_t charsPerPixel = 0;
};

std::optional<Header> parseHeader(const char* line) {
    std::istringstream fields(line);
    Header header;
    if (!(fields >> header.width >> header.height >> header.colours >> header.charsPerPixel)) {
        return std::nullopt;
    }
    if (header.width <= 0 || header.height <= 0 || header.width > MAX_SIDE ||
        header.height > MAX_SIDE || header.colours <= 0 ||
        (header.charsPerPixel != 1 && header.charsPerPixel != 2)) {
        return std::nullopt;
    }
    return header;
}

std::optional<uint32_t> hexDigits(std::string_view digits) {
    uint32_t value = 0;
    for (char digit : digits) {
        int nibble = 0;
        if (digit >= '0' && digit <= '9') {
            nibble = digit - '0';
        } else if (digit >= 'a' && digit <= 'f') {
            nibble = digit - 'a' + 10;
        } else if (digit >= 'A' && digit <= 'F') {
            nibble = digit - 'A' + 10;
        } else {
            return std::nullopt;
        }
        value = value * 16 + static_cast<uint32_t>(nibble);
    }
    return value;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// A colour value as 0x00RRGGBB. "None" (transparent) is black: under the OR
// that lays a button face on the table it adds nothing.
std::optional<uint32_t> parseColourValue(std::string_view value) {
    if (equalsIgnoringCase(value, "None") || equalsIgnoringCase(value, "black")) {
        return 0x000000u;
    }
    if (equalsIgnoringCase(value, "white")) {
        return 0xFFFFFFu;
    }
    if (value.size() == 7 && value[0] == '#') {
        return hexDigits(value.substr(1));
    }
    if (value.size() == 4 && value[0] == '#') {
        auto packed = hexDigits(value.substr(1));
        if (!packed) {
            return std::nullopt;
        }
        uint32_t r = (*packed >> 8) & 0xF;
        uint32_t g = (*packed >> 4) & 0xF;
        uint32_t b = *packed & 0xF;
        return (r * 0x11) << 16 | (g * 0x11) << 8 | (b * 0x11);
    }
    return std::nullopt;
}

// The key's value after "c" among the colour line's words (other visuals,
// m, g4, g and s, are skipped).
std::optional<uint32_t> parseColourLine(std::string_view rest) {
    std::istringstream words{std::string(rest)};
    std::string word;
    while (words >> word) {
        std::string value;
        if (!(words >> value)) {
            return std::nullopt;
        }
        if (word == "c") {
            return parseColourValue(value);
        }
    }
    return std::nullopt;
}

size_t keyIndex(const char* key, int32_t charsPerPixel) {
    size_t index = static_cast<unsigned char>(key[0]);
    if (charsPerPixel == 2) {
        index = index * 256 + static_cast<unsigned char>(key[1]);
    }
    return index;
}

} // namespace

Surface surfaceFromXpm(const char* const* lines, int lineCount) {
    if (lines == nullptr || lineCount < 1 || lines[0] == nullptr) {
        return {};
    }
    auto header = parseHeader(lines[0]);
    if (!header || int64_t{lineCount} < 1 + int64_t{header->colours} + int64_t{header->height}) {
        return {};
    }
    const int32_t cpp = header->charsPerPixel;
    // Pixel keys index a table of every possible key; -1 marks an unused one.
    std::vector<int64_t> colourOfKey(cpp == 1 ? 256 : 65536, -1);
    for (int32_t i = 0; i < header->colours; ++i) {
        const char* line = lines[1 + i];
        if (line == nullptr || std::strlen(line) < static_cast<size_t>(cpp)) {
            return {};
        }
        auto colour = parseColourLine(std::string_view(line + cpp));
        if (!colour) {
            return {};
        }
        colourOfKey[keyIndex(line, cpp)] = *colour;
    }
    Surface surface(header->width, header->height);
    const size_t rowLength = static_cast<size_t>(header->width) * static_cast<size_t>(cpp);
    for (int32_t y = 0; y < header->height; ++y) {
        const char* row = lines[1 + header->colours + y];
        if (row == nullptr || std::strlen(row) < rowLength) {
            return {};
        }
        for (int32_t x = 0; x < header->width; ++x) {
            int64_t colour = colourOfKey[keyIndex(row + static_cast<ptrdiff_t>(x) * cpp, cpp)];
            if (colour < 0) {
                return {};
            }
            surface.at(x, y) = static_cast<uint32_t>(colour);
        }
    }
    return surface;
}

} // namespace platform
