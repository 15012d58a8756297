// SPDX-License-Identifier: MIT
// The table's tap-and-hold menu.
#pragma once

#include "platform/win_types.h"

// Opens the menu at the point the context-menu message carries (below the
// command bar's middle for a key) and returns the chosen command, 0 for none.
WPARAM ShowTableMenu(HWND window, LPARAM point);
