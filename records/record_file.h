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

// Where a game written by an earlier run lies (offset .. end) in its month's
// file under folder.
RecordPlace placeInFolder(const std::string& folder, const GameRecord& game, std::uintmax_t offset,
                          std::uintmax_t end);

// The game played before `current` (written at `place`, when it has been):
// the last game before it in its month's file. False when there is none.
bool lastGameInFolder(const std::string& folder, const GameRecord& current,
                      const RecordPlace& place, GameRecord& game);
