// SPDX-License-Identifier: MIT
// The program's one typeface (DejaVu Sans, regular and bold) at the line
// heights that fonts ask for, drawn without antialiasing so text is crisp
// and the same on every run. The glyphs are baked into the program at build
// time: no font file is read at run time.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/raster/gdi_objects.h"

namespace platform::text {

struct Typeface; // the baked glyphs for one line height and weight

// Made on first use and kept for the run. A height that was not baked uses
// the tallest baked face that fits in it.
const Typeface* typefaceFor(const gdi::Font& font);

int lineHeight(const Typeface& typeface);
// Width in pixels of text on one line.
int32_t textWidth(const Typeface& typeface, std::u16string_view text);

// One line of text as a bit per pixel: set where a glyph covers the pixel.
// top is where the mask's first row lies relative to the line's top: 0, or
// negative when an accent rises above the line.
struct LineMask {
    int32_t width = 0;
    int32_t height = 0;
    int32_t top = 0;
    std::vector<uint8_t> bits;
    bool at(int32_t x, int32_t y) const {
        return bits[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] !=
               0;
    }
};
// The mask stays valid until the next call.
const LineMask& renderLine(const Typeface& typeface, std::u16string_view text);

} // namespace platform::text
