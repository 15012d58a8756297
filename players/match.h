// SPDX-License-Identifier: MIT
// Matches between two opponents through the engine, with no window: every
// deal is played twice, the second time with the seats and the cards
// swapped, on all cores, the same for the same seed.
#pragma once

#include <cstdint>
#include <string>

#include "players/players.h"

namespace players {

struct MatchResult {
    int64_t wins = 0;       // games won by A
    int64_t losses = 0;     // games won by B
    int64_t unfinished = 0; // games cut off at the move limit or at an illegal move
    int64_t illegal = 0;    // moves refused by the engine
};

// The winner's seat of one game from the start position, or NOBODY.
int32_t playGame(engine::Position position, Kind south, Kind north, engine::Random& random,
                 int64_t& illegal);
MatchResult playMatch(int32_t deals, int32_t variant, uint64_t seed, Kind a, Kind b,
                      int32_t threads);

// The 95 % Wilson score interval of a share of wins.
struct Interval {
    double low;
    double high;
};
Interval wilsonInterval(int64_t wins, int64_t games);

// The lines the match command prints.
std::string describeMatch(const MatchResult& result, int32_t deals, int32_t variant, Kind a,
                          Kind b);

} // namespace players
