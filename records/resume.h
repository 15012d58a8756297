// SPDX-License-Identifier: MIT
// The game in progress kept across runs: written whenever it changes, to
// $XDG_STATE_HOME/talonix/game.txt (~/.local/state/...), and picked up when
// the next run starts. Windows always keep it; headless runs only with
// --resume.
#pragma once

#include "platform/win_types.h"

// After the first deal: the kept game, if there is one that reads, takes
// its place.
void ResumeKeptGame(HWND window);
// After every message the window has handled to its end.
void KeepGame();
// The window goes: nothing more is kept.
void StopKeeping();
