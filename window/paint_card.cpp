// SPDX-License-Identifier: MIT
// Drawing single cards and the trump suit mark.
#include <algorithm>
#include <cstdint>

#include "platform/gdi_api.h"
#include "window/card_glyphs.h"
#include "window/image_blit.h"
#include "window/painting.h"

namespace {

// A suit or rank outside 1..4 / 1..14 is not a card any deck holds and has
// no glyph to show; such a card is left out entirely, face up or face down,
// rather than drawn as a blank or with a glyph read from past the tables.
bool isPaintable(const Card& card) {
    if (card.suit == UNSET || card.rank == UNSET || card.x == UNSET || card.y == UNSET) {
        return false;
    }
    if (card.hidden == 1) {
        return false;
    }
    return hasSuitGlyph(card.suit) && hasRankGlyph(card.rank);
}

void paintBack(const Card& card, HDC dc) {
    const SIZE size = cardBackSizeFor(card.backStyle);
    blitImage(dc, card.x, card.y, size.cx, size.cy, cardBackFor(card.backStyle), 0, 0, SRCCOPY);
    if (card.selected != 0) {
        invertArea(dc, card.x, card.y, size.cx, size.cy);
    }
}

// Whether every glyph of the face lies inside the card, so that a card
// whose rectangle a paint does not renew can be passed over whole.
bool glyphsInside(const Card& card) {
    const int64_t right = int64_t{card.x} + card.width;
    const int64_t bottom = int64_t{card.y} + card.height;
    const int32_t widest = std::max(suitGlyphWidth, rankGlyphWidth[card.rank - 1]);
    const int32_t tallest = std::max(suitGlyphHeight, rankGlyphHeight);
    return right <= INT32_MAX && bottom <= INT32_MAX && card.width >= widest + 2 &&
           card.height >= tallest + 2;
}

void paintFace(const Card& card, HDC dc) {
    const int32_t x = card.x;
    const int32_t y = card.y;
    const int32_t right = offsetBy(x, card.width);
    const int32_t bottom = offsetBy(y, card.height);
    const bool selected = card.selected != 0;
    const RECT bounds{x, y, right, bottom};
    if (glyphsInside(card) && !RectVisible(dc, &bounds)) {
        return;
    }

    FrameRect(dc, &bounds, selected ? greyBrush : blackBrush);
    fillArea(dc, offsetBy(x, 1), offsetBy(y, 1), offsetBy(right, -1), offsetBy(bottom, -1),
             selected ? blackBrush : whiteBrush);

    const HBITMAP suitGlyph = suitGlyphFor(card.suit);
    const int32_t suitTopX = offsetBy(right, -2 - suitGlyphWidth);
    const int32_t suitTopY = offsetBy(y, 2);
    const int32_t suitBottomX = offsetBy(x, 2);
    const int32_t suitBottomY = offsetBy(bottom, -2 - suitGlyphHeight);
    blitImage(dc, suitTopX, suitTopY, suitGlyphWidth, suitGlyphHeight, suitGlyph, 0, 0, SRCCOPY);
    blitImage(dc, suitBottomX, suitBottomY, suitGlyphWidth, suitGlyphHeight, suitGlyph, 0, 0,
              SRCCOPY);
    if (selected) {
        invertArea(dc, suitTopX, suitTopY, suitGlyphWidth, suitGlyphHeight);
        invertArea(dc, suitBottomX, suitBottomY, suitGlyphWidth, suitGlyphHeight);
    }

    const HBITMAP strip = rankStripFor(card.suit);
    const int32_t glyphX = rankGlyphX[card.rank - 1];
    const int32_t glyphWidth = rankGlyphWidth[card.rank - 1];
    const int32_t rankTopX = offsetBy(x, 2);
    const int32_t rankTopY = offsetBy(y, 2);
    const int32_t rankBottomX = offsetBy(right, -2 - glyphWidth);
    const int32_t rankBottomY = offsetBy(bottom, -rankGlyphHeight - 1);
    blitImage(dc, rankTopX, rankTopY, glyphWidth, rankGlyphHeight, strip, glyphX, 0, SRCCOPY);
    blitImage(dc, rankBottomX, rankBottomY, glyphWidth, rankGlyphHeight, strip, glyphX, 0, SRCCOPY);
    if (selected) {
        invertArea(dc, rankTopX, rankTopY, glyphWidth, rankGlyphHeight);
        invertArea(dc, rankBottomX, rankBottomY, glyphWidth, rankGlyphHeight);
    }
}

// The rectangle whose every pixel the card sets, whatever lay under it: the
// frame of a face, the picture of a back; empty for a card not drawn.
RECT coveredArea(const Card& card) {
    if (!isPaintable(card)) {
        return RECT{0, 0, 0, 0};
    }
    const SIZE size =
        card.faceDown != 0 ? cardBackSizeFor(card.backStyle) : SIZE{card.width, card.height};
    return RECT{card.x, card.y, offsetBy(card.x, size.cx), offsetBy(card.y, size.cy)};
}

// A face is the same for every card of its suit, rank, size and selection:
// the table draws each face of the usual size once into a bitmap of its own
// and then copies it whole. The bitmaps go with the images they were drawn
// from (ForgetCardFaces).
constexpr int32_t faceWidth = 28;
constexpr int32_t faceHeight = 40;
HBITMAP faces[suitCount][rankGlyphCount][2] = {};

HBITMAP composeFace(const Card& card, HDC reference) {
    const HBITMAP face = CreateCompatibleBitmap(reference, faceWidth, faceHeight);
    const HDC dc = CreateCompatibleDC(reference);
    const HGDIOBJ previous = SelectObject(dc, face);
    Card atOrigin = card;
    placeCard(atOrigin, 0, 0);
    paintFace(atOrigin, dc);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return face;
}

// Whether the card was drawn from its face's bitmap: a paintable face of
// the usual size.
bool copyFace(const Card& card, HDC dc) {
    if (card.faceDown != 0 || card.width != faceWidth || card.height != faceHeight) {
        return false;
    }
    HBITMAP& face = faces[card.suit - 1][card.rank - 1][card.selected != 0 ? 1 : 0];
    if (face == nullptr) {
        face = composeFace(card, dc);
    }
    blitImage(dc, card.x, card.y, faceWidth, faceHeight, face, 0, 0, SRCCOPY);
    return face != nullptr;
}

void drawCard(const Card& card, HDC dc) {
    if (card.faceDown != 0) {
        paintBack(card, dc);
    } else {
        paintFace(card, dc);
    }
}

} // namespace

bool drawsOnlyInside(const Card& card) {
    return !isPaintable(card) || card.faceDown != 0 || glyphsInside(card);
}

int32_t paintCard(const Card& card, HDC dc) {
    if (!isPaintable(card)) {
        return 0;
    }
    drawCard(card, dc);
    return 1;
}

void paintCardAndCutOut(const Card& card, HDC dc, const RECT& renewed) {
    const RECT covered = coveredArea(card);
    if (covered.left >= renewed.right || covered.right <= renewed.left ||
        covered.top >= renewed.bottom || covered.bottom <= renewed.top ||
        covered.right <= covered.left || covered.bottom <= covered.top) {
        return;
    }
    if (!copyFace(card, dc)) {
        drawCard(card, dc);
    }
    ExcludeClipRect(dc, covered.left, covered.top, covered.right, covered.bottom);
}

void ForgetCardFaces() {
    for (auto& suit : faces) {
        for (auto& rank : suit) {
            for (HBITMAP& face : rank) {
                DeleteObject(face);
                face = nullptr;
            }
        }
    }
}

// A suit without a glyph leaves the place bare rather than showing an empty
// white box that would pass for a mark.
void paintSuitMark(HDC dc, int32_t suit, int32_t x, int32_t y) {
    if (!hasSuitGlyph(suit)) {
        return;
    }
    fillArea(dc, x, y, offsetBy(x, suitGlyphWidth + 2), offsetBy(y, suitGlyphHeight + 2),
             whiteBrush);
    blitImage(dc, offsetBy(x, 1), offsetBy(y, 2), suitGlyphWidth, suitGlyphHeight,
              suitGlyphFor(suit), 0, 0, SRCCOPY);
}
