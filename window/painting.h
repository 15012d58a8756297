// Painting the table: the images made at start-up and the paint handler.
#pragma once

#include <cstdint>

#include "cards/card.h"
#include "cards/card_row.h"
#include "platform/win_types.h"

extern HBITMAP suitGlyphs[4];
extern HBITMAP rankStrips[2];
extern HBITMAP cardBacks[5];
extern HBITMAP okButtonImage;
extern HBITMAP takeButtonImage;
extern HBITMAP sortButtonImage;
extern HBRUSH blackBrush;
extern HBRUSH whiteBrush;
extern HBRUSH greyBrush;

// Suit glyphs, rank strips, backs and the three brushes.
void LoadCardImages();
// The faces of the two on-screen buttons.
void LoadButtonImages();

// The WM_PAINT handler of the main window.
void PaintTable(HWND window);

int32_t paintCard(const Card& card, HDC dc);
void paint(const CardRow& row, HDC dc);
void paintSuitMark(HDC dc, int32_t suit, int32_t x, int32_t y);
void paintSidePanel(HDC dc);
int32_t blitButton(HDC dc, int32_t x, int32_t y, HBITMAP image);
