// SPDX-License-Identifier: MIT
#include "platform/core/record_options.h"

#include <iostream>

#include "platform/runtime.h"

namespace {

DealCodeCheck dealCodeCheck = nullptr;
std::string requestedDealCode;
bool requestedResume = false;

} // namespace

void SetDealCodeCheck(DealCodeCheck check) {
    dealCodeCheck = check;
}

const std::string& RequestedDealCode() {
    return requestedDealCode;
}

bool RequestedResume() {
    return requestedResume;
}

namespace platform {

std::optional<int> keepRecordOptions(const std::string& dealCode, bool resume) {
    if (!dealCode.empty() && dealCodeCheck != nullptr) {
        const std::string problem = dealCodeCheck(dealCode);
        if (!problem.empty()) {
            std::cerr << "talonix: --deal " << dealCode << ": " << problem << "\n";
            return 2;
        }
    }
    requestedDealCode = dealCode;
    requestedResume = resume;
    return std::nullopt;
}

} // namespace platform
