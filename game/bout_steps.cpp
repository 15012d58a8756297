// SPDX-License-Identifier: MIT
#include "game/bout_steps.h"

#include "platform/registry/stored_values.h"
#include "platform/runtime.h"
#include "platform/steps.h"

using resources::StoredValue;

int32_t movePace = PACE_NORMAL;

namespace {

void (*stepWatcher)(BoutStep step) = nullptr;

} // namespace

// A card is recognised at a glance in about a quarter of a second; a step
// much shorter is seen as a flicker. An answer that covers, ends the bout,
// refills both hands and leads again takes five steps, which at 300 ms is
// a second and a half: longer steps make a quick player wait.
uint32_t StepMilliseconds(int32_t pace) {
    switch (pace) {
    case PACE_NORMAL:
        return 300;
    case PACE_SLOW:
        return 600;
    default:
        return 0;
    }
}

void ShowBoutStep(BoutStep step) {
    if (stepWatcher != nullptr) {
        stepWatcher(step);
    }
    platform::presentStep(StepMilliseconds(movePace));
}

void SetBoutStepWatcher(void (*watcher)(BoutStep step)) {
    stepWatcher = watcher;
}

void ReadPaceSetting() {
    movePace =
        static_cast<int32_t>(platform::readStoredValueAsked(StoredValue::Pace, RequestedPace()));
}

void StorePace(int32_t pace) {
    movePace = pace;
    platform::writeStoredValue(StoredValue::Pace, static_cast<uint32_t>(pace));
}
