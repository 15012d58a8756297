// SPDX-License-Identifier: MIT
// The script's dialog lines: `check ID 0|1`, `select ID INDEX`, `press ID`.
// They reach the open dialog as WM_SCRIPT_CHECK, WM_SCRIPT_SELECT and
// WM_SCRIPT_PRESS (wParam the control id, lParam the value). A line the
// dialog can carry out returns 1 from the message; one it cannot (no such
// control, a control of another kind, a line index outside the list, a check
// value other than 0 or 1) changes nothing and returns 0. The script runner
// can ask beforehand with scriptLineError, which names what is wrong.
#pragma once

#include <string>

#include "platform/win_types.h"

namespace platform {

// Empty when the innermost open dialog accepts the line, else why not.
std::string scriptLineError(UINT message, int id, int value);

} // namespace platform

namespace platform::dialogs {

struct Dialog;

// Carries out a line in the dialog; 1 when done, 0 when refused.
LRESULT runScriptLine(Dialog& dialog, UINT message, int id, int value);

} // namespace platform::dialogs
