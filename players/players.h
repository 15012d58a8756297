// SPDX-License-Identifier: MIT
// The opponents that play over the rules engine: the beginner, the
// searching expert, and the handheld's own decision rules written over an
// engine position. Each chooses the move of the side to move.
#pragma once

#include <cstdint>
#include <string>

#include "engine/playout.h"
#include "engine/position.h"

namespace players {

enum class Kind : int32_t { handheld = 0, beginner = 1, expert = 2 };

// "handheld", "beginner" or "expert"; false for anything else.
bool parseKind(const std::string& name, Kind& kind);
const char* kindName(Kind kind);

// Legal, plausible and short-sighted: throws in what it can, never
// transfers; half the time it leads its lowest card and covers with the
// lowest card that beats, the other half any card but a trump, and any card
// that beats, as they come to hand.
engine::Move beginnerMove(const engine::Position& position, engine::Random& random);

// The handheld's decision rules. Like the handheld, they look at both hands.
engine::Move handheldMove(const engine::Position& position);

// What the expert found: its move and the next best, with the share of the
// playouts after each that it won.
struct ExpertReport {
    engine::Move best;
    engine::Move second;
    double bestWins = 0;
    double secondWins = -1; // -1: there was no other move
    int32_t playouts = 0;
};
constexpr int32_t EXPERT_BUDGET = 1000; // playouts per decision

// Searches by determinized playouts: it knows its own hand, the trump and
// the cards it has seen, and deals the unseen ones at random many times.
engine::Move expertMove(const engine::Position& position, int32_t budget, engine::Random& random,
                        ExpertReport* report = nullptr);

engine::Move chooseMove(Kind kind, const engine::Position& position, engine::Random& random);

} // namespace players
