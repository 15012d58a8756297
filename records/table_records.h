// SPDX-License-Identifier: MIT
// What the main window keeps beyond the handheld's program: the deal code
// in the title, undo and redo, and the tap-and-hold menu. The window
// procedure passes every message through here.
#pragma once

#include <string>

#include "platform/win_types.h"

using TableHandler = LRESULT (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Handles the records' own commands and the menu; every other message goes
// on to handle, watched for the human's moves and new deals.
LRESULT KeepRecords(HWND window, UINT message, WPARAM wParam, LPARAM lParam, TableHandler handle);

// The deal asked for on the command line, checked by CheckDealCode: dealt
// as the first game.
void RequestDealCode(const std::string& code);
