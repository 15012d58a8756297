// SPDX-License-Identifier: MIT
#include "benchmarks/throughput/event_scripts.h"

#include <random>

namespace {

constexpr uint32_t seed = 20240613;

// Uniform enough for spreading taps; the same numbers on every platform.
class Dice {
  public:
    explicit Dice(uint32_t start) : engine_(start) {}
    int32_t between(int32_t low, int32_t high) { // both included
        return low + static_cast<int32_t>(engine_() % static_cast<uint32_t>(high - low + 1));
    }
    bool chance(int percent) { return between(0, 99) < percent; }

  private:
    std::mt19937 engine_;
};

// A tap on the hand, the play area, the action button or the sort button.
void tableTap(Script& script, Dice& dice) {
    int where = dice.between(0, 99);
    if (where < 60) {
        script.tap(dice.between(2, 197), dice.between(141, 226));
    } else if (where < 85) {
        script.tap(dice.between(2, 199), dice.between(94, 140));
    } else if (where < 95) {
        script.tap(dice.between(204, 236), dice.between(170, 202));
    } else {
        script.tap(dice.between(204, 236), dice.between(120, 152));
    }
}

} // namespace

Script tableTaps(long events) {
    Script script;
    Dice dice(seed);
    while (script.events < events) {
        tableTap(script, dice);
    }
    return script;
}

Script gameMix(long events) {
    Script script;
    Dice dice(seed + 1);
    while (script.events < events) {
        int what = dice.between(0, 999);
        if (what < 550) {
            int taps = dice.between(3, 12);
            for (int i = 0; i < taps; ++i) {
                tableTap(script, dice);
            }
        } else if (what < 700) {
            // A play that may ask whether to transfer.
            script.line(dice.chance(50) ? "answer yes" : "answer no");
            script.tap(dice.between(2, 197), dice.between(141, 182));
            script.tap(dice.between(2, 199), dice.between(94, 140));
        } else if (what < 780) {
            script.line(dice.chance(50) ? "command 40012" : "key alt+n");
        } else if (what < 860) {
            script.line("command 40014"); // options, closed without a change
            script.line("command 2");
        } else if (what < 940) {
            script.line("command 40015"); // statistics
            script.line(dice.chance(50) ? "command 1" : "command 2");
        } else if (what < 990) {
            script.line("answer ok");
            script.line(dice.chance(50) ? "command 40003" : "key alt+/"); // about
        } else {
            script.line(dice.chance(50) ? "command 40017" : "command 40013"); // rules
            script.line("command 2");
        }
    }
    return script;
}
