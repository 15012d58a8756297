// SPDX-License-Identifier: MIT
// The combined congruential generator behind every draw. The arithmetic is
// kept to 32-bit wrap-around and single-precision results so that a given
// clock reading always deals the same game.
#include "cards/random_source.h"

#include <cstdlib>

#include "platform/window_api.h"

RandomState randomState;

namespace {

constexpr int32_t A1 = 40014;
constexpr int32_t M1 = 2147483563;
constexpr int32_t Q1 = 53668;
constexpr int32_t A2 = 40692;
constexpr int32_t M2 = 2147483399;
constexpr int32_t Q2 = 52774;
constexpr int32_t TABLE_SIZE = 32;
constexpr int32_t TABLE_DIVISOR = 1 + (M1 - 1) / TABLE_SIZE;
constexpr double SCALE = 1.0 / M1;
constexpr double CEILING = 1.0 - 1.2e-7;
// The second largest float below 1: what the ceiling comes out as in single
// precision.
constexpr float CEILING_VALUE = 0.99999988079071044921875f;

int32_t wrap32(int64_t value) {
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

// (a * v) mod m by Schrage's method. The exact value of a * v - k * m lies
// within (-m, m), so the 32-bit wrap-around loses nothing for states the
// generator itself produces.
int32_t schrageStep(int32_t v, int32_t a, int32_t m, int32_t q) {
    const int32_t k = v / q;
    int32_t next = wrap32(static_cast<int64_t>(a) * v - static_cast<int64_t>(k) * m);
    if (next < 0) {
        next = wrap32(static_cast<int64_t>(next) + m);
    }
    return next;
}

int32_t step1(int32_t v) {
    return schrageStep(v, A1, M1, Q1);
}

int32_t step2(int32_t v) {
    return schrageStep(v, A2, M2, Q2);
}

void buildShuffleTable(RandomState& rs) {
    rs.state1 = wrap32(std::llabs(static_cast<int64_t>(rs.state1)));
    if (rs.state1 == 0) {
        rs.state1 = 1;
    }
    rs.state2 = rs.state1;
    for (int32_t j = TABLE_SIZE + 7; j >= 0; --j) {
        rs.state1 = step1(rs.state1);
        if (j < TABLE_SIZE) {
            rs.shuffle[j] = rs.state1;
        }
    }
    rs.lastOut = rs.shuffle[0];
}

} // namespace

void resetRandomState() {
    randomState = RandomState{};
}

void seedFromClock() {
    SYSTEMTIME now{};
    GetSystemTime(&now);
    const int32_t hour = now.wHour;
    const int32_t minute = now.wMinute;
    const int32_t second = now.wSecond;
    const int32_t millisecond = now.wMilliseconds;
    randomState.state1 =
        wrap32(10LL * (5LL * (100LL * second + hour) + minute + second) + 4951LL * millisecond);
}

float uniform() {
    RandomState& rs = randomState;
    if (rs.state1 <= 0 || rs.lastOut == 0) {
        buildShuffleTable(rs);
    }
    rs.state1 = step1(rs.state1);
    rs.state2 = step2(rs.state2);
    // The generator keeps lastOut within 1..M1 - 1, so the index is 0..31;
    // the mask only guards against a state set from outside.
    const int32_t j = static_cast<int32_t>(static_cast<uint32_t>(rs.lastOut / TABLE_DIVISOR) %
                                           static_cast<uint32_t>(TABLE_SIZE));
    rs.lastOut = wrap32(static_cast<int64_t>(rs.shuffle[j]) - rs.state2);
    rs.shuffle[j] = rs.state1;
    if (rs.lastOut < 1) {
        rs.lastOut = wrap32(static_cast<int64_t>(rs.lastOut) + (M1 - 1));
    }
    const float t = static_cast<float>(static_cast<double>(rs.lastOut) * SCALE);
    if (static_cast<double>(t) > CEILING) {
        return CEILING_VALUE;
    }
    return t;
}

int32_t randomBetween(int32_t lo, int32_t hi) {
    if (randomState.state1 == 0) {
        seedFromClock();
    }
    const float u = uniform();
    const float n = static_cast<float>(static_cast<int64_t>(hi) - lo + 1);
    const float p = u * n;
    // |p| < 2^33, so the truncation fits in 64 bits whatever the bounds.
    return wrap32(static_cast<int64_t>(lo) + static_cast<int64_t>(p));
}
