// SPDX-License-Identifier: MIT
// The interface's glyphs, rasterised at build time (tools/glyphs) and
// compiled in: one face per line height and weight the program draws with.
#pragma once

#include <cstdint>

namespace platform::text::baked {

struct Glyph {
    char32_t code;
    int8_t left; // the ink's box from the pen position, y up from the baseline
    int8_t top;
    uint8_t width; // at most 32
    uint8_t rows;
    int16_t advance; // in 1/64 pixel
    uint16_t firstRow;
};

// Moves the pen after first when second follows it, in 1/64 pixel.
struct Kerning {
    char32_t first;
    char32_t second;
    int16_t delta;
};

struct Face {
    int lineHeight;
    bool bold;
    int ascent;
    int height;
    const Glyph* glyphs; // sorted by code; the last one, U+FFFF, stands for missing ones
    int glyphCount;
    const uint32_t* rows;   // one word a row, bit 0 the leftmost pixel
    const Kerning* kerning; // sorted by pair
    int kerningCount;
};

extern const Face FACES[];
extern const int FACE_COUNT;

} // namespace platform::text::baked
