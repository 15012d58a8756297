// SPDX-License-Identifier: MIT
#include "platform/headless/state_reporter.h"

#include "platform/runtime.h"
#include "platform/screen.h"

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

std::string stateLine() {
    nlohmann::ordered_json state = reportState();
    state["dialog"] = describeOpenDialog();
    return state.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

} // namespace platform
