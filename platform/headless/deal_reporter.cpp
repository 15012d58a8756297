// SPDX-License-Identifier: MIT
#include "platform/headless/deal_reporter.h"

#include "platform/runtime.h"

namespace {
DealReporter currentReporter = nullptr;
}

void SetDealReporter(DealReporter reporter) {
    currentReporter = reporter;
}

namespace platform {

nlohmann::ordered_json reportDeal() {
    if (currentReporter != nullptr) {
        return currentReporter();
    }
    nlohmann::ordered_json deal;
    deal["event"] = "deal";
    return deal;
}

} // namespace platform
