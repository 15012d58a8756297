// SPDX-License-Identifier: MIT
#include "window/card_glyphs.h"

#include "window/painting.h"

const int32_t rankGlyphX[rankGlyphCount] = {1,  15, 27,  39,  51,  63,  75,
                                            87, 99, 112, 131, 141, 154, 1};
const int32_t rankGlyphWidth[rankGlyphCount] = {9, 7, 7, 7, 7, 7, 7, 7, 7, 14, 5, 8, 8, 9};

bool hasSuitGlyph(int32_t suit) {
    return suit >= 1 && suit <= suitCount;
}

bool hasRankGlyph(int32_t rank) {
    return rank >= 1 && rank <= rankGlyphCount;
}

HBITMAP rankStripFor(int32_t suit) {
    if (!hasSuitGlyph(suit)) {
        return nullptr;
    }
    return suit <= SUIT_HEARTS ? rankStrips[0] : rankStrips[1];
}

HBITMAP suitGlyphFor(int32_t suit) {
    if (!hasSuitGlyph(suit)) {
        return nullptr;
    }
    return suitGlyphs[suit - 1];
}

namespace {

int32_t backIndex(int32_t style) {
    return style < 0 || style >= cardBackCount ? 0 : style;
}

} // namespace

HBITMAP cardBackFor(int32_t style) {
    return cardBacks[backIndex(style)];
}

SIZE cardBackSizeFor(int32_t style) {
    return cardBackSizes[backIndex(style)];
}
