// SPDX-License-Identifier: MIT
// The command bar: a strip of image buttons across the top of a window that
// sends WM_COMMAND with a button's command id and shows tooltips.
#pragma once

#include "platform/win_types.h"

constexpr int COMMAND_BAR_HEIGHT = 25;

constexpr BYTE TBSTATE_ENABLED = 0x04;
constexpr BYTE TBSTYLE_BUTTON = 0x00;

struct TBBUTTON {
    int iBitmap;
    int idCommand;
    BYTE fsState;
    BYTE fsStyle;
    uintptr_t dwData;
    intptr_t iString;
};

constexpr UINT TB_ADDBUTTONSW = 0x0444; // wParam count, lParam const TBBUTTON*
constexpr UINT TB_SETTOOLTIPS = 0x0451; // wParam count, lParam const LPCWSTR*

// The library's three entry points (ordinals 3, 5 and 4 on the device).
HWND CommandBar_Create(HINSTANCE instance, HWND parent, int id);
int CommandBar_AddBitmap(HWND bar, HINSTANCE instance, int bitmapId, int imageCount, int imageWidth,
                         int imageHeight);
BOOL CommandBar_Show(HWND bar, BOOL show);
