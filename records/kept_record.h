// SPDX-License-Identifier: MIT
// The record of the game in progress as the kept game carries it to the
// next run: the game so far, where it lies in its file, and its side of the
// undo history, so that a resumed game goes on being recorded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "records/record_text.h"

// Where the record stood before a move of a history it did not see.
constexpr size_t UNKNOWN_RECORD_COUNT = static_cast<size_t>(-1);

struct KeptRecord {
    GameRecord game;
    bool placed = false; // written at offset .. end of its month's file
    uint64_t offset = 0;
    uint64_t end = 0;
    // Where the record stood before each move that can be undone (or
    // UNKNOWN_RECORD_COUNT), and the moves each redo puts back.
    std::vector<size_t> undoCounts;
    std::vector<std::vector<RecordMove>> redoMoves;
};

// "record PLACED OFFSET END", the undo counts, the redo moves as numbers,
// then the game's own text.
std::string keptRecordText(const KeptRecord& kept);
// Nothing when the text is not one game's kept record.
std::optional<KeptRecord> readKeptRecord(const std::string& text);
