// SPDX-License-Identifier: MIT
// Reading a record file named on the command line: FILE, or FILE#N for its
// N-th game.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "records/record_text.h"

struct RecordFile {
    std::string name; // the file, without #N
    std::vector<GameRecord> games;
    size_t chosen = 0; // N of FILE#N, 0 when none was named
};

// An empty text when the file reads; else "FILE:LINE: what is wrong" or
// "FILE: what is wrong".
std::string readRecordFile(const std::string& named, RecordFile& file);
