// SPDX-License-Identifier: MIT
// A recorded game played again on the table: its deal dealt, each of the
// human's moves made as he made them, and every move the game then makes
// compared with the record's.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "platform/win_types.h"
#include "records/record_text.h"

struct ReplayFailure {
    int line = 0; // of the record's file
    std::string what;
};

// Told after the deal and after each of the human's moves: how many moves
// the game has made, and whether it is over.
using ReplayStep = void (*)(size_t moves, bool over);

// Nothing when the whole game replays, else where and why it does not.
std::optional<ReplayFailure> ReplayGame(HWND window, const GameRecord& game, ReplayStep step);
