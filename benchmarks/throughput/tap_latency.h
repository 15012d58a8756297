// SPDX-License-Identifier: MIT
// The time one tap that selects a card takes from the pen touching the
// screen to its pixels being painted, measured in this process.
#pragma once

#include <filesystem>
#include <optional>

struct TapFigures {
    double average = 0;   // microseconds, over every timed tap
    double bestBatch = 0; // the average of the fastest batch of taps
};

TapFigures measureTapLatency(long taps);
// Another build's figures: its own copy of this tool, if it has one.
std::optional<TapFigures> latencyOf(const std::filesystem::path& tool, long taps);
void printLatency(const char* build, TapFigures figures);
