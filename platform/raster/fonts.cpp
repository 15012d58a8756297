#include "platform/raster/fonts.h"

#include <SDL2/SDL_ttf.h>

#include <algorithm>
#include <map>
#include <memory>
#include <unordered_map>

#include "platform/utf.h"

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

} // namespace

struct Typeface {
    struct Closer {
        void operator()(TTF_Font* font) const { TTF_CloseFont(font); }
    };
    std::unique_ptr<TTF_Font, Closer> font;
    int lineHeight = 0;
    mutable std::unordered_map<std::u16string, int32_t, TextHash, std::equal_to<>> widths;
    mutable std::unordered_map<std::u16string, LineMask, TextHash, std::equal_to<>> masks;
};

namespace {

struct FontFiles {
    std::string regular = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    std::string bold = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
};

FontFiles& fontFiles() {
    static FontFiles files;
    return files;
}

// Keyed by line height and boldness; a null entry remembers a failed open.
std::map<std::pair<int, bool>, std::unique_ptr<Typeface>>& openTypefaces() {
    static std::map<std::pair<int, bool>, std::unique_ptr<Typeface>> cache;
    return cache;
}

bool ttfReady() {
    static const bool ready = TTF_WasInit() > 0 || TTF_Init() == 0;
    return ready;
}

// Tall and deep Cyrillic capitals and the deepest lower-case descenders: a
// size whose rendering of these fits keeps Russian text inside its line.
constexpr const char* FIT_PROBE = "ДЩЦБуфрgjy";

// The largest point size whose probe fits the line height, hinted for
// one-bit rendering. For the system font's 11 pixels that is 9 points:
// capitals 7 pixels tall, 2 pixels below the baseline for descenders. Only
// the marks of Й and Ё rise one pixel over the line; at 8 points they would
// fit, but the lower-case letters become too small to tell apart (х and ж).
std::unique_ptr<Typeface> openTypeface(int lineHeight, bool bold) {
    if (!ttfReady()) {
        return nullptr;
    }
    const std::string& file = bold ? fontFiles().bold : fontFiles().regular;
    auto typeface = std::make_unique<Typeface>();
    typeface->font.reset(TTF_OpenFont(file.c_str(), std::max(1, lineHeight)));
    if (!typeface->font) {
        return nullptr;
    }
    TTF_Font* font = typeface->font.get();
    TTF_SetFontHinting(font, TTF_HINTING_MONO);
    for (int size = std::max(1, lineHeight); size >= 1; --size) {
        int width = 0;
        int height = 0;
        if (TTF_SetFontSize(font, size) == 0 &&
            TTF_SizeUTF8(font, FIT_PROBE, &width, &height) == 0 && height <= lineHeight) {
            break;
        }
    }
    typeface->lineHeight = lineHeight;
    return typeface;
}

// How far the glyphs of text rise above the font's ascent, in pixels.
int32_t riseAboveAscent(TTF_Font* font, std::u16string_view text) {
    int ascent = TTF_FontAscent(font);
    int32_t rise = 0;
    for (char16_t unit : text) {
        int minX = 0;
        int maxX = 0;
        int minY = 0;
        int maxY = 0;
        int advance = 0;
        if (TTF_GlyphMetrics32(font, unit, &minX, &maxX, &minY, &maxY, &advance) == 0) {
            rise = std::max(rise, maxY - ascent);
        }
    }
    return rise;
}

} // namespace

const Typeface* typefaceFor(const gdi::Font& font) {
    std::pair<int, bool> key{font.height, font.weight >= 600};
    auto& cache = openTypefaces();
    auto found = cache.find(key);
    if (found == cache.end()) {
        found = cache.emplace(key, openTypeface(key.first, key.second)).first;
    }
    return found->second.get();
}

int lineHeight(const Typeface& typeface) {
    return typeface.lineHeight;
}

namespace {

int32_t measureWidth(const Typeface& typeface, std::u16string_view text) {
    int width = 0;
    int height = 0;
    if (TTF_SizeUTF8(typeface.font.get(), utf8FromUtf16(text).c_str(), &width, &height) != 0) {
        return 0;
    }
    return width;
}

LineMask render(const Typeface& typeface, std::u16string_view text) {
    LineMask mask;
    TTF_Font* font = typeface.font.get();
    SDL_Surface* rendered =
        TTF_RenderUTF8_Solid(font, utf8FromUtf16(text).c_str(), SDL_Color{255, 255, 255, 255});
    if (rendered == nullptr) {
        return mask;
    }
    // A solid rendering is 8 bits per pixel, index 0 the background.
    if (rendered->format->BytesPerPixel == 1 && SDL_LockSurface(rendered) == 0) {
        mask.width = rendered->w;
        mask.height = rendered->h;
        // Rows the rendering gained above the usual font height hold accents
        // that rise over the line; the rest of the line stays in place.
        int32_t extraRows = std::max(0, rendered->h - TTF_FontHeight(font));
        mask.top = -std::min(riseAboveAscent(font, text), extraRows);
        mask.bits.resize(static_cast<size_t>(mask.width) * static_cast<size_t>(mask.height));
        const auto* rows = static_cast<const uint8_t*>(rendered->pixels);
        for (int32_t y = 0; y < mask.height; ++y) {
            const uint8_t* row = rows + static_cast<ptrdiff_t>(y) * rendered->pitch;
            std::copy(row, row + mask.width,
                      mask.bits.begin() + static_cast<ptrdiff_t>(y) * mask.width);
        }
        SDL_UnlockSurface(rendered);
    }
    SDL_FreeSurface(rendered);
    return mask;
}

} // namespace

int32_t textWidth(const Typeface& typeface, std::u16string_view text) {
    if (text.empty()) {
        return 0;
    }
    auto& widths = typeface.widths;
    auto found = widths.find(text);
    if (found != widths.end()) {
        return found->second;
    }
    if (widths.size() >= rememberedTexts) {
        widths.clear();
    }
    int32_t width = measureWidth(typeface, text);
    widths.emplace(std::u16string(text), width);
    return width;
}

const LineMask& renderLine(const Typeface& typeface, std::u16string_view text) {
    static const LineMask nothing;
    if (text.empty()) {
        return nothing;
    }
    auto& masks = typeface.masks;
    auto found = masks.find(text);
    if (found != masks.end()) {
        return found->second;
    }
    if (masks.size() >= rememberedTexts) {
        masks.clear();
    }
    return masks.emplace(std::u16string(text), render(typeface, text)).first->second;
}

void setFontFiles(std::string regular, std::string bold) {
    openTypefaces().clear();
    fontFiles() = FontFiles{std::move(regular), std::move(bold)};
}

} // namespace platform::text
