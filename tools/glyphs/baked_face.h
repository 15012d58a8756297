// SPDX-License-Identifier: MIT
// The glyph baker's pieces: what is baked for each line height and weight,
// the hand-drawn corrections, and the C++ source the result is written as.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace glyphs {

struct FaceRequest {
    int lineHeight;
    bool bold;
    std::u32string_view only; // when set, the few characters drawn at this size
};

struct Glyph {
    char32_t code = 0;
    int left = 0; // ink box relative to the pen, y up from the baseline
    int top = 0;
    int width = 0;
    int rows = 0;
    int advance = 0;            // 26.6
    std::vector<uint32_t> bits; // one word a row, bit 0 the leftmost pixel
};

struct BakedFace {
    FaceRequest request{};
    int pointSize = 0;
    int ascent = 0;
    int height = 0;
    std::vector<Glyph> glyphs;
    std::map<std::pair<char32_t, char32_t>, int> kerning; // 26.6, nonzero only
};

// Stops the build with a message.
[[noreturn]] void fail(const std::string& what);

// Replaces the glyph with its hand-drawn version at this size, if it has one.
void applyTuning(Glyph& glyph, const FaceRequest& request);

// Three full rows across a glyph five or more pixels wide: strokes that ran
// together into a block.
bool blotted(const Glyph& glyph);

// The faces as a C++ source file defining platform::text::baked::FACES.
void writeGlyphSource(const std::string& path, const std::vector<BakedFace>& faces);

} // namespace glyphs
