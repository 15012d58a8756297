// SPDX-License-Identifier: MIT
#include "platform/raster/fonts.h"

#include <algorithm>
#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/raster/baked_glyphs.h"

namespace platform::text {

namespace {

struct TextHash {
    using is_transparent = void;
    size_t operator()(std::u16string_view text) const {
        return std::hash<std::u16string_view>{}(text);
    }
};

// What was measured and rendered before, by text: the program draws the
// same few strings over and over. Each cache forgets everything once it
// holds this many texts.
constexpr size_t rememberedTexts = 512;

template <class Value>
using TextCache = std::unordered_map<std::u16string, Value, TextHash, std::equal_to<>>;

} // namespace

struct Typeface {
    const baked::Face* face = nullptr;
    int lineHeight = 0;
    mutable TextCache<int32_t> widths;
    mutable TextCache<LineMask> masks;
};

namespace {

// The baked face for a line height and weight: the same weight at that
// height, else the tallest one below it, else the smallest one.
const baked::Face* bakedFace(int lineHeight, bool bold) {
    const baked::Face* best = nullptr;
    for (int i = 0; i < baked::FACE_COUNT; ++i) {
        const baked::Face& face = baked::FACES[i];
        if (face.bold != bold) {
            continue;
        }
        bool fits = face.lineHeight <= lineHeight;
        if (best == nullptr) {
            best = &face;
        } else if (fits && (best->lineHeight > lineHeight || face.lineHeight > best->lineHeight)) {
            best = &face;
        } else if (!fits && best->lineHeight > lineHeight && face.lineHeight < best->lineHeight) {
            best = &face;
        }
    }
    return best;
}

const baked::Glyph& glyphOf(const baked::Face& face, char32_t code) {
    const baked::Glyph* end = face.glyphs + face.glyphCount;
    const baked::Glyph* found =
        std::lower_bound(face.glyphs, end, code, [](const baked::Glyph& glyph, char32_t wanted) {
            return glyph.code < wanted;
        });
    return found != end && found->code == code ? *found : face.glyphs[face.glyphCount - 1];
}

// Every glyph the interface texts use (Latin and Cyrillic) found at once
// by its code; the rarer ones by the search above.
constexpr char32_t directCodes = 0x460;

class GlyphIndex {
  public:
    explicit GlyphIndex(const baked::Face& face) : face_(face), direct_(directOf(face)) {}

    const baked::Glyph& operator[](char32_t code) const {
        if (direct_ != nullptr && code < directCodes) {
            return face_.glyphs[(*direct_)[code]];
        }
        return glyphOf(face_, code);
    }

  private:
    using Direct = std::vector<uint16_t>;

    static const Direct* directOf(const baked::Face& face) {
        static std::vector<Direct> made(static_cast<size_t>(baked::FACE_COUNT));
        const ptrdiff_t which = &face - baked::FACES;
        if (which < 0 || which >= baked::FACE_COUNT || face.glyphCount > 0xFFFF) {
            return nullptr;
        }
        Direct& direct = made[static_cast<size_t>(which)];
        if (direct.empty()) {
            direct.resize(directCodes);
            for (char32_t code = 0; code < directCodes; ++code) {
                direct[code] = static_cast<uint16_t>(&glyphOf(face, code) - face.glyphs);
            }
        }
        return &direct;
    }

    const baked::Face& face_;
    const Direct* direct_;
};

int kerningOf(const baked::Face& face, char32_t first, char32_t second) {
    const baked::Kerning* end = face.kerning + face.kerningCount;
    const baked::Kerning* found = std::lower_bound(
        face.kerning, end, std::pair{first, second},
        [](const baked::Kerning& pair, const std::pair<char32_t, char32_t>& wanted) {
            return std::pair{pair.first, pair.second} < wanted;
        });
    return found != end && found->first == first && found->second == second ? found->delta : 0;
}

// Whole pixels of a position in 1/64 pixel, rounded down.
int32_t floorPixels(int32_t position) {
    return (position >= 0 ? position : position - 63) / 64;
}

// One line laid out: each glyph at its pen position, and the box that holds
// all their ink and the full line height.
struct Layout {
    std::vector<std::pair<const baked::Glyph*, int32_t>> placed;
    int32_t minX = 0;
    int32_t maxX = 0;
    int32_t minY = 0;
    int32_t maxY = 0;
};

// A UTF-16 unit outside the baked set, a lone surrogate included, draws as
// the missing glyph.
Layout layOut(const baked::Face& face, std::u16string_view text) {
    Layout layout;
    layout.placed.reserve(text.size());
    layout.maxY = face.height;
    int32_t pen = 0;
    const GlyphIndex glyphs(face);
    for (size_t i = 0; i < text.size(); ++i) {
        const baked::Glyph& glyph = glyphs[text[i]];
        layout.placed.emplace_back(&glyph, pen);
        int32_t left = floorPixels(pen) + glyph.left;
        int32_t top = face.ascent - glyph.top;
        layout.minX = std::min(layout.minX, left);
        layout.maxX = std::max(layout.maxX, left + glyph.width);
        layout.minY = std::min(layout.minY, top);
        layout.maxY = std::max(layout.maxY, top + glyph.rows);
        pen += glyph.advance;
        if (i + 1 < text.size()) {
            pen += kerningOf(face, glyph.code, glyphs[text[i + 1]].code);
        }
    }
    layout.maxX = std::max(layout.maxX, floorPixels(pen));
    return layout;
}

} // namespace

const Typeface* typefaceFor(const gdi::Font& font) {
    static std::map<std::pair<int, bool>, std::unique_ptr<Typeface>> made;
    std::pair<int, bool> key{font.height, font.weight >= 600};
    auto found = made.find(key);
    if (found == made.end()) {
        const baked::Face* face = bakedFace(key.first, key.second);
        auto typeface = face == nullptr
                            ? nullptr
                            : std::make_unique<Typeface>(Typeface{face, key.first, {}, {}});
        found = made.emplace(key, std::move(typeface)).first;
    }
    return found->second.get();
}

int lineHeight(const Typeface& typeface) {
    return typeface.lineHeight;
}

namespace {

int32_t measureWidth(const Typeface& typeface, std::u16string_view text) {
    Layout layout = layOut(*typeface.face, text);
    return layout.maxX - layout.minX;
}

LineMask render(const Typeface& typeface, std::u16string_view text) {
    LineMask mask;
    const baked::Face& face = *typeface.face;
    Layout layout = layOut(face, text);
    if (layout.maxX == layout.minX) {
        return mask;
    }
    mask.width = layout.maxX - layout.minX;
    mask.height = layout.maxY - layout.minY;
    // Rows above the usual line hold marks that rise over it (Й, Ё); the
    // rest of the line stays in place.
    int32_t rise = 0;
    for (const auto& [glyph, pen] : layout.placed) {
        rise = std::max(rise, glyph->top - face.ascent);
    }
    mask.top = -std::min(rise, std::max(0, mask.height - face.height));
    mask.bits.resize(static_cast<size_t>(mask.width) * static_cast<size_t>(mask.height));
    for (const auto& [glyph, pen] : layout.placed) {
        int32_t left = floorPixels(pen) + glyph->left - layout.minX;
        int32_t top = face.ascent - glyph->top - layout.minY;
        for (int32_t row = 0; row < glyph->rows; ++row) {
            uint32_t bits = face.rows[glyph->firstRow + row];
            for (int32_t column = 0; column < glyph->width; ++column) {
                if ((bits >> column & 1u) != 0) {
                    mask.bits[static_cast<size_t>(top + row) * static_cast<size_t>(mask.width) +
                              static_cast<size_t>(left + column)] = 1;
                }
            }
        }
    }
    return mask;
}

} // namespace

namespace {

// What the cache holds for the text, made and kept on first asking.
template <class Value, class Make>
const Value& remembered(TextCache<Value>& cache, std::u16string_view text, Make make) {
    auto found = cache.find(text);
    if (found != cache.end()) {
        return found->second;
    }
    if (cache.size() >= rememberedTexts) {
        cache.clear();
    }
    return cache.emplace(std::u16string(text), make()).first->second;
}

} // namespace

int32_t textWidth(const Typeface& typeface, std::u16string_view text) {
    if (text.empty()) {
        return 0;
    }
    return remembered(typeface.widths, text, [&] { return measureWidth(typeface, text); });
}

const LineMask& renderLine(const Typeface& typeface, std::u16string_view text) {
    static const LineMask nothing;
    if (text.empty()) {
        return nothing;
    }
    return remembered(typeface.masks, text, [&] { return render(typeface, text); });
}

} // namespace platform::text
