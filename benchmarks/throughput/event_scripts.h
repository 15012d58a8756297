// SPDX-License-Identifier: MIT
// The two event scripts the throughput tool runs, made from a fixed seed so
// that every run and every build gets the same lines.
#pragma once

#include <cstdint>
#include <string>

struct Script {
    std::string text;
    long events = 0;
    void line(const std::string& text_) {
        text += text_;
        text += '\n';
        ++events;
    }
    void tap(int32_t x, int32_t y) { line("tap " + std::to_string(x) + " " + std::to_string(y)); }
};

// Taps spread over the hand, the play area and the two buttons.
Script tableTaps(long events);
// Runs of table taps with new games, dialogs opened and closed and message
// boxes answered.
Script gameMix(long events);
