// SPDX-License-Identifier: MIT
// Messages and notifications of the dialog controls beyond the ones the
// program itself sends (those are in platform/dialog_api.h).
#pragma once

#include "platform/messages.h"
#include "platform/win_types.h"

// Notification codes in the high word of WM_COMMAND's wParam.
constexpr WORD LBN_SELCHANGE = 1;
constexpr WORD CBN_SELCHANGE = 1;

// Button: a tap, as the pen would do it.
constexpr UINT BM_CLICK = 0x00F5;

// List box: the index of the first line shown.
constexpr UINT LB_GETTOPINDEX = 0x018E;

// Drop-down list: open (wParam TRUE) or close (FALSE) its list; is it open.
constexpr UINT CB_SHOWDROPDOWN = 0x014F;
constexpr UINT CB_GETDROPPEDSTATE = 0x0157;

// Multi-line edit.
constexpr UINT EM_GETRECT = 0x00B2;      // lParam RECT*: where the text is laid out
constexpr UINT EM_LINESCROLL = 0x00B6;   // lParam: lines to scroll, down positive
constexpr UINT EM_GETLINECOUNT = 0x00BA; // lines after wrapping, at least 1
constexpr UINT EM_GETLINE = 0x00C4;      // wParam line; lParam buffer, size in its first WORD
constexpr UINT EM_GETFIRSTVISIBLELINE = 0x00CE; // the line at the top
// Our own: how many whole lines the edit shows at once.
constexpr UINT EM_GETVISIBLELINECOUNT = WM_USER + 0x0100;
