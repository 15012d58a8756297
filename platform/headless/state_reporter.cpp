#include "platform/headless/state_reporter.h"

#include "platform/runtime.h"

namespace {
StateReporter currentReporter = nullptr;
}

void SetStateReporter(StateReporter reporter) {
    currentReporter = reporter;
}

namespace platform {

nlohmann::ordered_json reportState() {
    if (currentReporter != nullptr) {
        return currentReporter();
    }
    nlohmann::ordered_json state;
    state["event"] = "state";
    return state;
}

} // namespace platform
