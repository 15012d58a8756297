// SPDX-License-Identifier: MIT
// The baked glyphs, face by face: every interface character is there, none
// has run into a block, and no two characters look the same unless they are
// the same letter in two alphabets.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "platform/raster/baked_glyphs.h"
#include "platform/raster/fonts.h"

namespace {

using platform::text::LineMask;
namespace baked = platform::text::baked;

std::u16string interfaceCharacters(const baked::Face& face) {
    if (face.lineHeight == 24) {
        return u"!?i"; // the message box icons' letters
    }
    std::u16string all;
    for (char16_t c = 0x20; c < 0x7F; ++c) {
        all += c;
    }
    for (char16_t c = 0x400; c < 0x460; ++c) {
        all += c;
    }
    return all + u"«»—–№…";
}

// Latin and Cyrillic letters drawn alike by design.
bool sameLetter(char16_t a, char16_t b) {
    static const std::u16string latin = u"ABCEHIJKMOPSTXacehijopsxy";
    static const std::u16string cyrillic = u"АВСЕНІЈКМОРЅТХасеһіјорѕху";
    size_t at = latin.find(a);
    size_t other = cyrillic.find(b);
    if (at == std::u16string::npos) {
        at = latin.find(b);
        other = cyrillic.find(a);
    }
    return at != std::u16string::npos && at == other;
}

// Bars, dashes and dots, which are solid by design.
bool solidByDesign(char16_t c) {
    return std::u16string_view(u"-_|.,:;'`!–—IlІі").find(c) != std::u16string_view::npos;
}

// The ink of a glyph alone on a line: all set, or three full rows across a
// glyph five pixels or wider.
bool blotted(const LineMask& mask) {
    int32_t left = mask.width;
    int32_t right = -1;
    int32_t top = mask.height;
    int32_t bottom = -1;
    for (int32_t y = 0; y < mask.height; ++y) {
        for (int32_t x = 0; x < mask.width; ++x) {
            if (mask.at(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    int32_t width = right - left + 1;
    int32_t run = 0;
    int32_t longestRun = 0;
    for (int32_t y = top; y <= bottom; ++y) {
        bool full = true;
        for (int32_t x = left; x <= right; ++x) {
            full = full && mask.at(x, y);
        }
        run = full ? run + 1 : 0;
        longestRun = std::max(longestRun, run);
    }
    int32_t height = bottom - top + 1;
    return (width >= 3 && height >= 3 && longestRun == height) || (width >= 5 && longestRun >= 3);
}

class GlyphsTest : public ::testing::TestWithParam<int> {};

TEST_P(GlyphsTest, EveryCharacterIsDistinctAndLegible) {
    const baked::Face& face = baked::FACES[GetParam()];
    const platform::text::Typeface* typeface = platform::text::typefaceFor(
        platform::gdi::Font{face.lineHeight, face.bold ? FW_BOLD : FW_NORMAL});
    ASSERT_NE(typeface, nullptr);
    LineMask missing = platform::text::renderLine(*typeface, u"\uFFFF");
    std::map<std::tuple<int32_t, int32_t, int32_t, std::vector<uint8_t>>, char16_t> seen;
    for (char16_t c : interfaceCharacters(face)) {
        SCOPED_TRACE(testing::Message() << "U+" << std::hex << static_cast<int>(c));
        LineMask mask = platform::text::renderLine(*typeface, std::u16string(1, c));
        EXPECT_FALSE(mask.width == missing.width && mask.bits == missing.bits) << "not baked";
        if (!solidByDesign(c)) {
            EXPECT_FALSE(blotted(mask));
        }
        auto [it, added] = seen.try_emplace({mask.width, mask.height, mask.top, mask.bits}, c);
        if (!added) {
            EXPECT_TRUE(sameLetter(c, it->second))
                << "looks like U+" << std::hex << static_cast<int>(it->second);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFace, GlyphsTest, ::testing::Range(0, baked::FACE_COUNT),
                         [](const ::testing::TestParamInfo<int>& param) {
                             const baked::Face& face = baked::FACES[param.param];
                             return std::to_string(face.lineHeight) +
                                    (face.bold ? "Bold" : "Regular");
                         });

} // namespace
