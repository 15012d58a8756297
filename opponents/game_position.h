// The program's game as an engine position, for the opponents and the hint.
#pragma once

#include <cstdint>

#include "engine/position.h"

// Both hands; as `shown`, the cards of each that have lain on the table in
// this game (and the turned-up trump card).
engine::Position gamePosition(engine::Phase phase, int32_t attacker);
