// SPDX-License-Identifier: MIT
// The steps of the computer's answer and of the end of a bout, each shown
// for a moment in a window before the next (the pace), and heard by whoever
// keeps the bout's record.
#pragma once

#include <cstdint>

enum BoutStep : int32_t {
    STEP_CARD = 0,    // a card is about to go on the table
    STEP_TAKING = 1,  // the human takes: cards may be added first
    STEP_TAKE = 2,    // the table is about to go into a hand
    STEP_DISCARD = 3, // the table is about to be cleared
    STEP_REFILL = 4,  // a hand is about to be refilled
};

enum Pace : int32_t {
    PACE_INSTANT = 0, // every answer in one picture, as the handheld shows it
    PACE_NORMAL = 1,
    PACE_SLOW = 2,
};

extern int32_t movePace;

// Before each change of the table the player should see on its own: shows
// the table as it is now for the pace's time, once it changed.
void ShowBoutStep(BoutStep step);
// Whoever hears of every step (it is told before the table is shown); null
// for nobody.
void SetBoutStepWatcher(void (*watcher)(BoutStep step));

// The milliseconds a step is shown at a pace.
uint32_t StepMilliseconds(int32_t pace);
// The stored pace, or the one the command line asks for (then stored).
void ReadPaceSetting();
void StorePace(int32_t pace);
