// SPDX-License-Identifier: MIT
// A recorded game shown on the table: Left and Right a move back and
// forward, Home and End to the deal and to the end, each position drawn as
// it was. A tap (or any other key) plays on from the position shown.
#pragma once

#include <string>

#include "platform/win_types.h"
#include "records/record_text.h"

// Plays the game again out of sight and shows its last position; false,
// saying where it does not replay, when it does not.
bool OpenReplay(HWND window, const GameRecord& game, std::string& problem);

// While a game is shown: takes the stepping keys (true), and lets the
// player take over on a tap or another key.
bool HandleReplayMessage(HWND window, UINT message, WPARAM wParam);
bool Replaying();
