// SPDX-License-Identifier: MIT
// The pop-up menu: a column of items opened at the pen, chosen with the pen
// or the arrow keys and Enter, closed by a tap outside it or Escape. It is
// drawn inside the screen, over whatever lies beneath, and run modally.
#pragma once

#include "platform/win_types.h"

constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_SEPARATOR = 0x0800;

constexpr UINT TPM_RETURNCMD = 0x0100;

constexpr UINT WM_CONTEXTMENU = 0x007B; // lParam: the screen point, or -1, -1 from a key

HMENU CreatePopupMenu();
BOOL AppendMenuW(HMENU menu, UINT flags, UINT_PTR id, LPCWSTR text);
BOOL DestroyMenu(HMENU menu);
// Runs the menu with its top left corner at the screen point (moved to
// stay on the screen). With TPM_RETURNCMD returns the chosen item's id, 0
// when none was chosen; otherwise sends the choice to owner as a command
// and returns whether one was made.
BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, const void* reserved);
