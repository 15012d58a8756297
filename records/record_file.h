// SPDX-License-Identifier: MIT
// The month's record file: each game is written where it began, over what
// was written of it before, so the file always holds the game as played.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "records/record_text.h"

// Where a game's text lies in its file, once written.
struct RecordPlace {
    std::filesystem::path file;
    std::uintmax_t offset = 0;
    std::uintmax_t end = 0;
    bool placed = false;
};

// Writes the game into FOLDER/YYYY-MM.txt (the month of its Date tag).
// A file that changed under it since (another run wrote to it) gets the
// game anew at its end. A failure is said once on standard error.
void writeGameRecord(const std::string& folder, const GameRecord& game, RecordPlace& place);
