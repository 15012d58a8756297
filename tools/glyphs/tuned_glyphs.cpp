// SPDX-License-Identifier: MIT
#include "tools/glyphs/baked_face.h"

namespace glyphs {
namespace {

// Glyphs drawn by hand where monochrome hinting runs the strokes together.
struct TunedGlyph {
    int lineHeight;
    bool bold;
    char32_t code;
    int left;
    int top;
    std::vector<std::string> rows;
};

const std::vector<TunedGlyph>& tunedGlyphs() {
    static const std::vector<TunedGlyph> tuned = {
        // The bold м, и, й and ѝ at 12 pixels hint into solid blocks.
        {12, true, U'м', 1, 5, {"##..##", "##..##", "#.##.#", "#.##.#", "#....#"}},
        {12, true, U'и', 1, 5, {"#..##", "#.###", "#.#.#", "###.#", "##..#"}},
        {12,
         true,
         U'й',
         1,
         8,
         {".#.#.", ".###.", ".....", "#..##", "#.###", "#.#.#", "###.#", "##..#"}},
        {12,
         true,
         U'ѝ',
         1,
         8,
         {".#...", "..#..", ".....", "#..##", "#.###", "#.#.#", "###.#", "##..#"}},
        // Letters that hint into the shape of another: n like п at 11
        // pixels, the bold r like г and the bold 3 like З.
        {11, false, U'n', 1, 5, {"###.", "#..#", "#..#", "#..#", "#..#"}},
        {12, true, U'r', 1, 5, {"#.##", "###.", "##..", "##..", "##.."}},
        {12,
         true,
         U'3',
         1,
         7,
         {".####.", "##..##", "....##", "..###.", "....##", "##..##", ".####."}},
        {13,
         true,
         U'3',
         1,
         8,
         {"######", "...##.", "..##..", ".####.", "....##", "....##", "#...##", ".####."}},
    };
    return tuned;
}

} // namespace

void applyTuning(Glyph& glyph, const FaceRequest& request) {
    for (const TunedGlyph& tuned : tunedGlyphs()) {
        if (tuned.lineHeight == request.lineHeight && tuned.bold == request.bold &&
            tuned.code == glyph.code) {
            glyph.left = tuned.left;
            glyph.top = tuned.top;
            glyph.rows = static_cast<int>(tuned.rows.size());
            glyph.width = static_cast<int>(tuned.rows.front().size());
            glyph.bits.clear();
            for (const std::string& row : tuned.rows) {
                uint32_t bits = 0;
                for (size_t x = 0; x < row.size(); ++x) {
                    bits |= row[x] == '#' ? 1u << x : 0u;
                }
                glyph.bits.push_back(bits);
            }
        }
    }
}

bool blotted(const Glyph& glyph) {
    if (glyph.width < 5) {
        return false;
    }
    uint32_t full = glyph.width == 32 ? ~0u : (1u << glyph.width) - 1;
    int run = 0;
    for (uint32_t row : glyph.bits) {
        run = row == full ? run + 1 : 0;
        if (run >= 3) {
            return true;
        }
    }
    return false;
}

} // namespace glyphs
