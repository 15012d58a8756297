// SPDX-License-Identifier: MIT
// The random source behind every draw: L'Ecuyer's combination of two
// multiplicative congruential generators with a Bays-Durham shuffle, in the
// exact 32-bit arithmetic and single-precision conversions of the original,
// so that a clock reading always gives the same deal.
#pragma once

#include <cstdint>

struct RandomState {
    int32_t state1 = 0;         // seed and first generator; 0: never seeded
    int32_t state2 = 123456789; // second generator
    int32_t lastOut = 0;        // last raw output; 0: shuffle table not built
    int32_t shuffle[32] = {};
};

extern RandomState randomState;

// Back to the state at program start (unseeded).
void resetRandomState();
// state1 = 10 * (5 * (100 * second + hour) + minute + second) + 4951 * millisecond, UTC.
void seedFromClock();
// Next value in (0, 1), never above 0.99999988.
float uniform();
// A value in [lo, hi]; seeds from the clock first if never seeded.
int32_t randomBetween(int32_t lo, int32_t hi);
