// SPDX-License-Identifier: MIT
// `talonix --match GAMES --variant V --seed S A B`: a match between two
// opponents, printed to the standard output.
#include "players/match_command.h"

#include <CLI/CLI.hpp>
#include <cstring>
#include <iostream>
#include <thread>

#include "players/match.h"

namespace players {

bool isMatchCommand(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--match") == 0) {
            return true;
        }
    }
    return false;
}

int runMatchCommand(int argc, char** argv) {
    CLI::App app{"Talonix: a match between two opponents through the rules engine.", "talonix"};
    int32_t deals = 0;
    int32_t variant = 0;
    uint64_t seed = 1;
    std::string nameA;
    std::string nameB;
    app.add_option("--match", deals, "Deals to play (each twice, seats swapped)")
        ->required()
        ->check(CLI::Range(1, 10000000));
    app.add_option("--variant", variant, "The variant, 0 to 5")->check(CLI::Range(0, 5));
    app.add_option("--seed", seed, "The seed of the deals and of the players");
    const auto kinds = CLI::IsMember({"handheld", "beginner", "expert"});
    app.add_option("A", nameA, "The first opponent")->required()->check(kinds);
    app.add_option("B", nameB, "The second opponent")->required()->check(kinds);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int status = app.exit(error);
        return status == 0 ? 0 : 2;
    }
    Kind a = Kind::handheld;
    Kind b = Kind::handheld;
    parseKind(nameA, a);
    parseKind(nameB, b);
    const auto threads = static_cast<int32_t>(std::max(1u, std::thread::hardware_concurrency()));
    const MatchResult result = playMatch(deals, variant, seed, a, b, threads);
    std::cout << describeMatch(result, deals, variant, a, b);
    return 0;
}

} // namespace players
