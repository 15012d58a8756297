// SPDX-License-Identifier: MIT
// Build-time tool: rasterises the interface's characters in DejaVu Sans at
// the line heights and weights the program draws with, one bit per pixel,
// and writes them as a C++ source file compiled into the program. The
// program then draws text without opening any font file.
//
// Glyph bitmaps and line metrics come from SDL_ttf with monochrome hinting;
// advances and pair kerning come from HarfBuzz set up the same way, so a
// line laid out from the baked data matches a line rendered by SDL_ttf.
//
// Usage: bake_glyphs OUTPUT.cpp REGULAR.ttf BOLD.ttf
#include <SDL2/SDL_ttf.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <hb-ft.h>
#include <hb.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/glyphs/baked_face.h"

namespace glyphs {

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "bake_glyphs: %s\n", what.c_str());
    std::exit(1);
}

} // namespace glyphs

namespace {

using namespace glyphs;

// The system font, the message boxes' text and title, the dialogs' text and
// title, and the message box icon letters.
constexpr FaceRequest FACES[] = {{11, false, U""}, {12, false, U""}, {12, true, U""},
                                 {13, false, U""}, {13, true, U""},  {24, true, U"!?i"}};

// Tall and deep Cyrillic capitals and the deepest lower-case descenders: the
// largest size whose rendering of these fits keeps Russian text in its line.
constexpr const char* FIT_PROBE = "ДЩЦБуфрgjy";

// Stands for every character the font has no glyph for.
constexpr char32_t MISSING = 0xFFFF;

std::vector<char32_t> characterSet() {
    std::vector<char32_t> set;
    for (char32_t c = 0x20; c < 0x7F; ++c) {
        set.push_back(c);
    }
    for (char32_t c = 0x400; c < 0x460; ++c) {
        set.push_back(c);
    }
    for (char32_t c : {U'«', U'»', U'—', U'–', U'№', U'…', U'©', U'°', U'·', U'’', U'“', U'”', U'„',
                       U'•', U'×'}) {
        set.push_back(c);
    }
    set.push_back(MISSING);
    std::sort(set.begin(), set.end());
    return set;
}

std::string utf8(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

class Shaper {
  public:
    Shaper(FT_Library library, const std::string& file, int pointSize) {
        if (FT_New_Face(library, file.c_str(), 0, &face_) != 0) {
            fail("cannot open " + file);
        }
        FT_Set_Char_Size(face_, 0, pointSize * 64, 0, 0);
        font_ = hb_ft_font_create_referenced(face_);
        hb_ft_font_set_load_flags(font_, FT_LOAD_DEFAULT | FT_LOAD_TARGET_MONO);
    }
    ~Shaper() {
        hb_font_destroy(font_);
        FT_Done_Face(face_);
    }
    Shaper(const Shaper&) = delete;
    Shaper& operator=(const Shaper&) = delete;

    // Advances (26.6) of each glyph of text shaped as one run.
    std::vector<int> advances(const std::u32string& text) const {
        hb_buffer_t* buffer = hb_buffer_create();
        hb_buffer_set_direction(buffer, HB_DIRECTION_LTR);
        hb_buffer_set_script(buffer, HB_SCRIPT_UNKNOWN);
        hb_buffer_guess_segment_properties(buffer);
        hb_buffer_add_utf32(buffer, reinterpret_cast<const uint32_t*>(text.data()),
                            static_cast<int>(text.size()), 0, -1);
        hb_feature_t kern{HB_TAG('k', 'e', 'r', 'n'), 1, HB_FEATURE_GLOBAL_START,
                          HB_FEATURE_GLOBAL_END};
        hb_shape(font_, buffer, &kern, 1);
        unsigned count = 0;
        hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer, &count);
        std::vector<int> out;
        for (unsigned i = 0; i < count; ++i) {
            if (positions[i].x_offset != 0 || positions[i].y_offset != 0 ||
                positions[i].y_advance != 0) {
                fail("a glyph moved off its pen position");
            }
            out.push_back(positions[i].x_advance);
        }
        hb_buffer_destroy(buffer);
        if (out.size() != text.size()) {
            out.clear(); // a ligature: reported by the caller
        }
        return out;
    }

  private:
    FT_Face face_ = nullptr;
    hb_font_t* font_ = nullptr;
};

struct TtfFont {
    TTF_Font* font = nullptr;
    ~TtfFont() {
        if (font != nullptr) {
            TTF_CloseFont(font);
        }
    }
};

// The glyph's ink as SDL_ttf renders it alone on a line.
Glyph renderGlyph(TTF_Font* font, char32_t code, int ascent) {
    Glyph glyph;
    glyph.code = code;
    int minX = 0;
    int maxX = 0;
    int minY = 0;
    int maxY = 0;
    int advance = 0;
    if (TTF_GlyphMetrics32(font, code, &minX, &maxX, &minY, &maxY, &advance) != 0) {
        fail("no metrics for a glyph");
    }
    glyph.left = minX;
    glyph.top = maxY;
    glyph.width = maxX - minX;
    glyph.rows = maxY - minY;
    if (glyph.width > 32) {
        fail("a glyph wider than 32 pixels");
    }
    glyph.bits.assign(static_cast<size_t>(glyph.rows), 0);
    SDL_Surface* surface =
        TTF_RenderUTF8_Solid(font, utf8(code).c_str(), SDL_Color{255, 255, 255, 255});
    if (surface == nullptr) {
        return glyph; // a blank: nothing to draw
    }
    int startX = minX < 0 ? -minX : 0;
    int startY = ascent - maxY < 0 ? maxY - ascent : 0;
    int inkX = startX + minX;
    int inkY = startY + ascent - maxY;
    SDL_LockSurface(surface);
    for (int y = 0; y < surface->h; ++y) {
        const auto* row = static_cast<const uint8_t*>(surface->pixels) + y * surface->pitch;
        for (int x = 0; x < surface->w; ++x) {
            if (row[x] == 0) {
                continue;
            }
            int gx = x - inkX;
            int gy = y - inkY;
            if (gx < 0 || gy < 0 || gx >= glyph.width || gy >= glyph.rows) {
                fail("ink outside the glyph's box");
            }
            glyph.bits[static_cast<size_t>(gy)] |= 1u << gx;
        }
    }
    SDL_UnlockSurface(surface);
    SDL_FreeSurface(surface);
    return glyph;
}

// The largest point size whose probe line fits the line height.
int fittingPointSize(TTF_Font* font, int lineHeight) {
    int size = lineHeight;
    for (; size >= 1; --size) {
        int width = 0;
        int height = 0;
        if (TTF_SetFontSize(font, size) == 0 &&
            TTF_SizeUTF8(font, FIT_PROBE, &width, &height) == 0 && height <= lineHeight) {
            break;
        }
    }
    return size;
}

Glyph bakeGlyph(TTF_Font* font, const Shaper& shaper, const FaceRequest& request, char32_t code,
                int ascent) {
    Glyph glyph = renderGlyph(font, code, ascent);
    applyTuning(glyph, request);
    if (blotted(glyph)) {
        fail(("U+" + std::to_string(static_cast<unsigned>(code)) + " at " +
              std::to_string(request.lineHeight) + (request.bold ? " bold" : "") +
              " is a blot: tune it by hand"));
    }
    std::vector<int> single = shaper.advances(std::u32string(1, code));
    if (single.size() != 1) {
        fail("a character shaped into several glyphs");
    }
    glyph.advance = single[0];
    return glyph;
}

// The pairs whose first letter advances by other than its own width.
void addKerning(BakedFace& baked, const Shaper& shaper) {
    for (const Glyph& first : baked.glyphs) {
        for (const Glyph& second : baked.glyphs) {
            if (first.code == MISSING || second.code == MISSING) {
                continue;
            }
            std::vector<int> pair = shaper.advances(std::u32string{first.code, second.code});
            if (pair.size() != 2) {
                // A ligature replaces the pair; lay the letters out apart.
                continue;
            }
            if (pair[0] != first.advance) {
                baked.kerning[{first.code, second.code}] = pair[0] - first.advance;
            }
        }
    }
}

BakedFace bakeFace(FT_Library library, const FaceRequest& request, const std::string& file,
                   const std::vector<char32_t>& characters) {
    BakedFace baked;
    baked.request = request;
    TtfFont ttf;
    ttf.font = TTF_OpenFont(file.c_str(), request.lineHeight);
    if (ttf.font == nullptr) {
        fail("cannot open " + file);
    }
    TTF_SetFontHinting(ttf.font, TTF_HINTING_MONO);
    int size = fittingPointSize(ttf.font, request.lineHeight);
    baked.pointSize = size;
    baked.ascent = TTF_FontAscent(ttf.font);
    baked.height = TTF_FontHeight(ttf.font);

    Shaper shaper(library, file, size);
    std::vector<char32_t> wanted = characters;
    if (!request.only.empty()) {
        wanted.assign(request.only.begin(), request.only.end());
        wanted.push_back(MISSING);
    }
    for (char32_t code : wanted) {
        baked.glyphs.push_back(bakeGlyph(ttf.font, shaper, request, code, baked.ascent));
    }
    addKerning(baked, shaper);
    return baked;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        fail("usage: bake_glyphs OUTPUT.cpp REGULAR.ttf BOLD.ttf");
    }
    if (TTF_Init() != 0) {
        fail("cannot start SDL_ttf");
    }
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) {
        fail("cannot start FreeType");
    }
    std::vector<char32_t> characters = characterSet();
    std::vector<BakedFace> faces;
    for (const FaceRequest& request : FACES) {
        faces.push_back(bakeFace(library, request, request.bold ? argv[3] : argv[2], characters));
    }
    writeGlyphSource(argv[1], faces);
    FT_Done_FreeType(library);
    TTF_Quit();
    return 0;
}
