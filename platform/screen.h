// SPDX-License-Identifier: MIT
// The 240 x 320 screen as the windows make it up, and the few facts about the
// running program that the backends need.
//
// Every window has its own surface the size of its rectangle; a paint draws
// on it. The screen is composed on demand: top-level windows in z-order, each
// followed by its visible children. Window rectangles of top-level windows
// are in screen pixels, those of children relative to their parent. A
// window's client area is the whole window.
#pragma once

#include <nlohmann/json.hpp>

#include "platform/raster/surface.h"
#include "platform/win_types.h"

namespace platform {

constexpr int32_t SCREEN_WIDTH = 240;
constexpr int32_t SCREEN_HEIGHT = 320;

Surface composeScreen();

// The window that gets pointer input first and keyboard input: the newest
// enabled, visible top-level window (an open dialog over the main window).
HWND activeWindow();
// The program's main window: the first top-level window the program made
// from a class of its own. Null before it exists and after it is destroyed.
HWND mainWindowHandle();

// Whether a press held still at screen point x, y opens the table's menu:
// only over the main window itself, with nothing open over it. Anywhere else
// (a dialog's or a message box's button, the command bar, an open menu) a
// held press is the plain press it is, taken when the pen lifts.
bool pressHoldsAt(int32_t x, int32_t y);

// The colour of the bars around the picture when the desktop window is
// larger than a whole multiple of the screen: the program's table colour.
void setBackdropColour(COLORREF colour);

// Set while a modal dialog's loop runs; the script runner refuses dialog
// lines otherwise.
bool modalDialogOpen();
// The open dialog's template id and controls for the script's state line,
// or null when no dialog is open.
nlohmann::ordered_json describeOpenDialog();

// Private messages that carry the script's dialog lines to the open dialog:
// wParam the control id, lParam the value.
constexpr UINT WM_SCRIPT_CHECK = 0x7F01;
constexpr UINT WM_SCRIPT_SELECT = 0x7F02;
constexpr UINT WM_SCRIPT_PRESS = 0x7F03;

} // namespace platform
