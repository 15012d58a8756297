// SPDX-License-Identifier: MIT
// Random playouts: a game played on to its end by moves picked at random
// among the sensible legal ones, fast enough for search.
#pragma once

#include <cstdint>

#include "engine/position.h"

namespace engine {

// A small fast generator (xorshift64*), never seeded with 0.
struct Random {
    uint64_t state = 0x2545F4914F6CDD1DULL;
    explicit Random(uint64_t seed) : state(seed == 0 ? 0x2545F4914F6CDD1DULL : seed) {}
    uint64_t next() {
        state ^= state >> 12;
        state ^= state << 25;
        state ^= state >> 27;
        return state * 0x2545F4914F6CDD1DULL;
    }
    // Uniform in [0, n) for n > 0.
    int32_t below(int32_t n) {
        return static_cast<int32_t>(((next() >> 32) * static_cast<uint64_t>(n)) >> 32);
    }
};

// The cards of a hand that beat one card.
CardSet beatingCards(const Position& position, CardSet hand, CardIndex target);
// One random move. An attacker plays each playable card or stops, evenly; a
// defender covers or transfers evenly (several cards with the handheld's
// greedy cover), and takes when it cannot or one time in eight. Never
// forgoes a transfer.
Move randomMove(const Position& position, Random& random);
// Plays on to the end and gives the winner; NOBODY when `maxMoves` ran out.
int32_t randomPlayout(Position position, Random& random, int32_t maxMoves = 1000);

} // namespace engine
