// SPDX-License-Identifier: MIT
// The program's game as an engine position, for the opponents and the hint.
#pragma once

#include <cstdint>
#include <string>

#include "engine/position.h"
#include "players/players.h"

// Both hands; as `shown`, the cards of each that have lain on the table in
// this game (and the turned-up trump card).
engine::Position gamePosition(engine::Phase phase, int32_t attacker);

// "9S JD" in English, "9п Вб" in Russian.
std::u16string cardNames(engine::CardSet cards);

// The opponent's last decision, for "Why?".
struct LastDecision {
    bool valid = false;
    engine::Phase phase = engine::Phase::lead;
    engine::Move move;
    players::ExpertReport report; // the expert's
};
extern LastDecision lastDecision;
