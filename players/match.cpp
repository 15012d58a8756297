// SPDX-License-Identifier: MIT
// Playing matches: games through the engine, spread over threads by deal.
#include "players/match.h"

#include <cmath>
#include <cstdio>
#include <thread>
#include <vector>

namespace players {

using namespace engine;

namespace {

uint64_t mix(uint64_t a, uint64_t b) {
    uint64_t z = a * 0x9E3779B97F4A7C15ULL + b + 0x632BE59BD9B4E019ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

// The same deal from the other side of the table: each seat gets the other's
// cards and role.
Position swapped(Position position) {
    std::swap(position.hand[0], position.hand[1]);
    std::swap(position.shown[0], position.shown[1]);
    position.attacker = static_cast<int8_t>(1 - position.attacker);
    position.led = static_cast<int8_t>(1 - position.led);
    return position;
}

void playDeals(int32_t first, int32_t step, int32_t deals, int32_t variant, uint64_t seed, Kind a,
               Kind b, MatchResult& result) {
    for (int32_t deal = first; deal < deals; deal += step) {
        const Position start =
            dealFromSeed(variant, mix(seed, static_cast<uint64_t>(deal)), NOBODY);
        for (int32_t game = 0; game < 2; ++game) {
            Random random(mix(seed ^ 0xA5A5A5A5ULL, static_cast<uint64_t>(deal * 2 + game)));
            // Game 0: A sits south; game 1: A sits north with south's cards.
            const int32_t seatOfA = game == 0 ? SOUTH : NORTH;
            const int32_t winner = game == 0
                                       ? playGame(start, a, b, random, result.illegal)
                                       : playGame(swapped(start), b, a, random, result.illegal);
            if (winner == NOBODY) {
                ++result.unfinished;
            } else if (winner == seatOfA) {
                ++result.wins;
            } else {
                ++result.losses;
            }
        }
    }
}

std::string percent(double share) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %%", 100.0 * share);
    return text;
}

} // namespace

int32_t playGame(Position position, Kind south, Kind north, Random& random, int64_t& illegal) {
    for (int32_t i = 0; i < 3000 && position.phase != Phase::over; ++i) {
        const Kind kind = toMove(position) == SOUTH ? south : north;
        const Move move = chooseMove(kind, position, random);
        if (!isLegal(position, move)) {
            // A fault of the player: the game is cut off there, unfinished.
            ++illegal;
            return NOBODY;
        }
        apply(position, move);
    }
    return position.winner;
}

MatchResult playMatch(int32_t deals, int32_t variant, uint64_t seed, Kind a, Kind b,
                      int32_t threads) {
    threads = std::max(1, threads);
    std::vector<MatchResult> parts(static_cast<std::size_t>(threads));
    std::vector<std::thread> workers;
    for (int32_t t = 0; t < threads; ++t) {
        workers.emplace_back(playDeals, t, threads, deals, variant, seed, a, b,
                             std::ref(parts[static_cast<std::size_t>(t)]));
    }
    MatchResult total;
    for (int32_t t = 0; t < threads; ++t) {
        workers[static_cast<std::size_t>(t)].join();
        const MatchResult& part = parts[static_cast<std::size_t>(t)];
        total.wins += part.wins;
        total.losses += part.losses;
        total.unfinished += part.unfinished;
        total.illegal += part.illegal;
    }
    return total;
}

Interval wilsonInterval(int64_t wins, int64_t games) {
    if (games <= 0) {
        return {0.0, 1.0};
    }
    const double z = 1.959963984540054;
    const double n = static_cast<double>(games);
    const double p = static_cast<double>(wins) / n;
    const double denominator = 1.0 + z * z / n;
    const double centre = (p + z * z / (2.0 * n)) / denominator;
    const double half = z * std::sqrt(p * (1.0 - p) / n + z * z / (4.0 * n * n)) / denominator;
    return {centre - half, centre + half};
}

std::string describeMatch(const MatchResult& result, int32_t deals, int32_t variant, Kind a,
                          Kind b) {
    const int64_t decided = result.wins + result.losses;
    const Interval interval = wilsonInterval(result.wins, decided);
    const double share =
        decided > 0 ? static_cast<double>(result.wins) / static_cast<double>(decided) : 0.0;
    std::string text = std::string(kindName(a)) + " against " + kindName(b) + ", variant " +
                       std::to_string(variant) + ", " + std::to_string(deals) + " deals, " +
                       std::to_string(2 * static_cast<int64_t>(deals)) + " games\n";
    text += "wins " + std::to_string(result.wins) + ", losses " + std::to_string(result.losses);
    if (result.unfinished > 0) {
        text += ", unfinished " + std::to_string(result.unfinished);
    }
    if (result.illegal > 0) {
        text += ", illegal moves replaced " + std::to_string(result.illegal);
    }
    text += "\nwin rate of " + std::string(kindName(a)) + " " + percent(share) +
            " (95 % Wilson interval " + percent(interval.low) + " to " + percent(interval.high) +
            ")\n";
    return text;
}

} // namespace players
