// SPDX-License-Identifier: MIT
// A note shown after a window's title where the system shows the title (the
// desktop window's caption, the web page's title); the window's own text,
// as GetWindowTextW gives it, stays without it.
#pragma once

#include "platform/win_types.h"

BOOL SetWindowCaptionNote(HWND window, LPCWSTR note);
