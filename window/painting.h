// SPDX-License-Identifier: MIT
// Painting the table: the images made at start-up and the paint handler.
#pragma once

#include <cstdint>

#include "cards/card.h"
#include "cards/card_row.h"
#include "platform/gdi_api.h"

extern HBITMAP suitGlyphs[4];
extern HBITMAP rankStrips[2];
extern HBITMAP cardBacks[5];
extern SIZE cardBackSizes[5];
extern HBITMAP okButtonImage;
extern HBITMAP takeButtonImage;
extern HBITMAP sortButtonImage;
extern HBRUSH blackBrush;
extern HBRUSH whiteBrush;
extern HBRUSH greyBrush;
// The keyboard's focus mark: yellow (0x00BBGGRR), which stands out on every
// table colour, on the cards' black edges and on a selected card's negative.
constexpr COLORREF focusMarkColour = 0x00FFFF;
extern HBRUSH focusBrush;

// Suit glyphs, rank strips, backs and the four brushes.
void LoadCardImages();
// The faces of the two on-screen buttons.
void LoadButtonImages();

// The WM_PAINT handler of the main window.
void PaintTable(HWND window);

int32_t paintCard(const Card& card, HDC dc);
// Whether all the card draws lies inside the area it sets whole (its frame,
// or its back's image): true but for a face too small for its glyphs.
bool drawsOnlyInside(const Card& card);
// Drops the bitmaps of faces drawn so far: they are drawn again from the
// card images next time.
void ForgetCardFaces();
// Paints the card where the area it sets whole meets renewed (the bounds of
// what the paint renews), then cuts that area out of the DC's clip.
void paintCardAndCutOut(const Card& card, HDC dc, const RECT& renewed);
void paintSuitMark(HDC dc, int32_t suit, int32_t x, int32_t y);
void paintSidePanel(HDC dc);
int32_t blitButton(HDC dc, int32_t x, int32_t y, HBITMAP image);
