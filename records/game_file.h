// SPDX-License-Identifier: MIT
// The game in progress as text: the table, the deal it came from and its
// undo history, written as numbers separated by spaces, so that a run can
// pick the game up where the last one left it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "records/game_snapshot.h"
#include "records/kept_record.h"

struct SavedGame {
    GameSnapshot table;
    std::vector<GameSnapshot> undo;
    std::vector<GameSnapshot> redo;
    int32_t undone = 0;
    int32_t dealKnown = 0;
    int32_t variant = 0;
    int32_t seed = 1;
    int64_t steps = 0;
    int32_t lastWinner = -1;
    RandomState follower;             // the random source as the deal was dealt
    std::optional<KeptRecord> record; // none when the game was not recorded
};

std::string writeSavedGame(const SavedGame& game);
// Nothing when the text is not a saved game, or holds values no game has.
std::optional<SavedGame> readSavedGame(const std::string& text);
