// SPDX-License-Identifier: MIT
// Deal codes: a deal written as a few letters and digits that a person can
// read aloud and type. A deal is fixed by the variant, the clock seed, the
// generator steps taken since the seed and who won the game before (who
// attacks first); the code holds exactly these, and a check character so
// that a mistyped code is refused rather than dealt.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct DealCode {
    int32_t variant = 0;     // game type 0..5
    int32_t seed = 1;        // the clock seed, 1..dealSeedCount - 1
    uint64_t steps = 0;      // generator steps since the seed
    int32_t lastWinner = -1; // -1 none yet, 0 the human, 1 the computer
};

// Seeds come from the time of day: 0 to 5 243 379.
constexpr int32_t dealSeedCount = 5243380;

// The longest step count a code can hold: ten characters of five bits.
uint64_t dealStepLimit();

// "K7Q2-9XMD3AB": ten characters and the check, a dash after the fourth;
// twelve in all. Empty when the steps are beyond the limit.
std::string encodeDealCode(const DealCode& deal);

// Reads a code in any letter case, with or without dashes and spaces; I
// and L read as 1, O as 0. Returns an empty text and fills deal, or says
// what is wrong.
std::string decodeDealCode(std::string_view text, DealCode& deal);
