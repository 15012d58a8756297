// SPDX-License-Identifier: MIT
// Raster drawing: device contexts, bitmaps, brushes, block transfers and
// text. Colours are 0x00BBGGRR. Drawing on a paint surface is clipped to the
// region being painted.
#pragma once

#include "platform/win_types.h"

struct BITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    void* bmBits;
};

// Raster operations of BitBlt.
constexpr DWORD SRCCOPY = 0x00CC0020;   // destination = source
constexpr DWORD SRCPAINT = 0x00EE0086;  // destination = destination | source
constexpr DWORD SRCINVERT = 0x00660046; // destination = destination ^ source
constexpr DWORD PATINVERT = 0x005A0049; // destination = destination ^ selected brush

// Stock objects.
constexpr int WHITE_BRUSH = 0;
constexpr int LTGRAY_BRUSH = 1;
constexpr int GRAY_BRUSH = 2;
constexpr int DKGRAY_BRUSH = 3;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int SYSTEM_FONT = 13;

// Background modes.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// DrawTextW formats.
constexpr UINT DT_TOP = 0x0000;
constexpr UINT DT_LEFT = 0x0000;
constexpr UINT DT_CENTER = 0x0001;
constexpr UINT DT_RIGHT = 0x0002;
constexpr UINT DT_VCENTER = 0x0004;
constexpr UINT DT_BOTTOM = 0x0008;
constexpr UINT DT_WORDBREAK = 0x0010;
constexpr UINT DT_SINGLELINE = 0x0020;
constexpr UINT DT_NOCLIP = 0x0100;
constexpr UINT DT_CALCRECT = 0x0400;

struct SIZE {
    LONG cx;
    LONG cy;
};

constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;

HDC CreateCompatibleDC(HDC reference);
BOOL DeleteDC(HDC dc);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
BOOL DeleteObject(HGDIOBJ object);
HGDIOBJ GetStockObject(int which);
HBRUSH CreateSolidBrush(COLORREF colour);
// A black bitmap of the size (1 to 4096 pixels each way; null otherwise), to
// select into a memory DC and draw on.
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
int GetObjectW(HGDIOBJ object, int size, void* out);

int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
// The one-pixel border just inside the rectangle, in the brush's colour.
int FrameRect(HDC dc, const RECT* rect, HBRUSH brush);
// Whether any pixel of the rectangle lies inside the DC's clip, so that
// drawing there can change the picture; painting skips what cannot.
BOOL RectVisible(HDC dc, const RECT* rect);
BOOL BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
            int sourceY, DWORD rasterOperation);

// The kinds of clip ExcludeClipRect leaves; ERROR for a DC without a clip.
constexpr int ERROR = 0;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;

// SaveDC keeps the DC's clip, brush, font, colours and background mode and
// returns how many states are kept; RestoreDC brings back the state kept at
// that count (or, negative, that many saves back) and forgets the later ones.
int SaveDC(HDC dc);
BOOL RestoreDC(HDC dc, int level);
// Takes the rectangle out of a paint DC's clip; a memory DC has none to cut.
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);

COLORREF SetBkColor(HDC dc, COLORREF colour);
COLORREF SetTextColor(HDC dc, COLORREF colour);
int SetBkMode(HDC dc, int mode);
// Left-aligned from the top, breaking lines only at "\r\n" and clipping at the
// rectangle; or, with DT_SINGLELINE | DT_CENTER | DT_VCENTER, centred on one
// line. A count of -1 means the text ends at its terminator.
int DrawTextW(HDC dc, LPCWSTR text, int count, RECT* rect, UINT format);
BOOL GetTextExtentPoint32W(HDC dc, LPCWSTR text, int count, SIZE* size);
// The program's one typeface at a pixel height and weight; select it into a DC.
HFONT CreateFontW(int height, int weight);
