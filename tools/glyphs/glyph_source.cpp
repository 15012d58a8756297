// SPDX-License-Identifier: MIT
#include <fstream>
#include <sstream>

#include "tools/glyphs/baked_face.h"

namespace glyphs {

void writeGlyphSource(const std::string& path, const std::vector<BakedFace>& faces) {
    std::ostringstream out;
    out << "// Generated at build time by tools/glyphs/bake_glyphs.cpp. Do not edit.\n"
           "#include \"platform/raster/baked_glyphs.h\"\n\n"
           "namespace platform::text::baked {\nnamespace {\n\n";
    for (size_t f = 0; f < faces.size(); ++f) {
        const BakedFace& face = faces[f];
        out << "const uint32_t rows" << f << "[] = {";
        size_t count = 0;
        for (const Glyph& glyph : face.glyphs) {
            for (uint32_t row : glyph.bits) {
                out << (count++ % 12 == 0 ? "\n    " : " ") << "0x" << std::hex << row << std::dec
                    << "u,";
            }
        }
        out << (count == 0 ? "0u" : "") << "\n};\n";
        out << "const Glyph glyphs" << f << "[] = {\n";
        size_t first = 0;
        for (const Glyph& glyph : face.glyphs) {
            out << "    {0x" << std::hex << static_cast<unsigned>(glyph.code) << std::dec << ", "
                << glyph.left << ", " << glyph.top << ", " << glyph.width << ", " << glyph.rows
                << ", " << glyph.advance << ", " << first << "},\n";
            first += glyph.bits.size();
        }
        out << "};\n";
        out << "const Kerning kerning" << f << "[] = {";
        count = 0;
        for (const auto& [pair, delta] : face.kerning) {
            out << (count++ % 4 == 0 ? "\n    " : " ") << "{0x" << std::hex
                << static_cast<unsigned>(pair.first) << ", 0x" << static_cast<unsigned>(pair.second)
                << std::dec << ", " << delta << "},";
        }
        out << (count == 0 ? "{0, 0, 0}" : "") << "\n};\n\n";
    }
    out << "} // namespace\n\nconst Face FACES[] = {\n";
    for (size_t f = 0; f < faces.size(); ++f) {
        const BakedFace& face = faces[f];
        out << "    {" << face.request.lineHeight << ", " << (face.request.bold ? "true" : "false")
            << ", " << face.ascent << ", " << face.height << ", glyphs" << f << ", "
            << face.glyphs.size() << ", rows" << f << ", kerning" << f << ", "
            << face.kerning.size() << "},\n";
    }
    out << "};\nconst int FACE_COUNT = " << faces.size() << ";\n\n"
        << "} // namespace platform::text::baked\n";
    std::ofstream file(path);
    file << out.str();
    if (!file) {
        fail("cannot write " + path);
    }
}

} // namespace glyphs
