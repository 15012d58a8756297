// SPDX-License-Identifier: MIT
// Where the glyphs of a card are found in the card images, and which images
// a card may ask for.
#pragma once

#include <cstdint>

#include "platform/gdi_api.h"

// The rank strips hold A, 2 .. 10, J, Q, K on one line; both tables are
// indexed by rank - 1 for ranks 1 to 14, the ace appearing as 1 and 14.
constexpr int32_t rankGlyphCount = 14;
extern const int32_t rankGlyphX[rankGlyphCount];
extern const int32_t rankGlyphWidth[rankGlyphCount];
constexpr int32_t rankGlyphHeight = 10;

constexpr int32_t suitGlyphWidth = 9;
constexpr int32_t suitGlyphHeight = 9;

constexpr int32_t suitCount = 4;
constexpr int32_t cardBackCount = 5;

// Whether the value has a glyph: suits 1 to 4, ranks 1 to 14.
bool hasSuitGlyph(int32_t suit);
bool hasRankGlyph(int32_t rank);
// The strip a suit takes its rank glyphs from (red for 1 and 2, black for 3
// and 4); null for a suit without a glyph.
HBITMAP rankStripFor(int32_t suit);
// The suit's glyph, or null for a suit without one.
HBITMAP suitGlyphFor(int32_t suit);
// The back picture of a style; the first back for a style outside the five,
// as the style comes from the settings file unchecked.
HBITMAP cardBackFor(int32_t style);
// The size of that picture, kept from start-up.
SIZE cardBackSizeFor(int32_t style);
