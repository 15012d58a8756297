// SPDX-License-Identifier: MIT
#include "platform/core/record_options.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "platform/runtime.h"

namespace {

DealCodeCheck dealCodeCheck = nullptr;
std::string requestedDealCode;
bool requestedResume = false;
std::string recordsFolder;
std::string replayFile;
bool replayCheck = false;
std::optional<int> exitStatus;

// $XDG_DATA_HOME/talonix/games, or ~/.local/share/talonix/games.
std::string defaultRecordsFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    std::filesystem::path folder;
    if (data != nullptr && data[0] == '/') {
        folder = data;
    } else {
        const char* home = std::getenv("HOME");
        folder = std::filesystem::path(home != nullptr ? home : ".") / ".local" / "share";
    }
    return (folder / "talonix" / "games").string();
}

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

const std::string& RequestedRecordsFolder() {
    return recordsFolder;
}

const std::string& RequestedReplay() {
    return replayFile;
}

bool RequestedReplayCheck() {
    return replayCheck;
}

void SetExitStatus(int status) {
    exitStatus = status;
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

std::optional<int> keepReplayOptions(const ReplayOptions& options) {
    if (options.recordsGiven && options.recordsFolder.empty()) {
        std::cerr << "talonix: --records needs a folder\n";
        return 2;
    }
    if (options.check && (!options.headless || options.replay.empty())) {
        std::cerr << "talonix: --check needs --headless and --replay FILE\n";
        return 2;
    }
    recordsFolder = options.recordsGiven ? options.recordsFolder
                    : options.headless   ? std::string()
                                         : defaultRecordsFolder();
    // The check writes no records of its own.
    if (options.check) {
        recordsFolder.clear();
    }
    replayFile = options.replay;
    replayCheck = options.check;
    exitStatus.reset();
    return std::nullopt;
}

std::optional<int> requestedExitStatus() {
    return exitStatus;
}

} // namespace platform
