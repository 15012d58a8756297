// SPDX-License-Identifier: MIT
// The command line's options for deals and the game in progress, kept for
// the program to ask for (platform/runtime.h).
#pragma once

#include <optional>
#include <string>

namespace platform {

// Checks --deal with the program's check and keeps both options; a status
// to exit with when the code is refused.
std::optional<int> keepRecordOptions(const std::string& dealCode, bool resume);

struct ReplayOptions {
    bool headless = false;
    bool recordsGiven = false;
    std::string recordsFolder;
    std::string replay;
    bool check = false;
};
// Keeps the records folder and the replay; a status to exit with when they
// do not fit together.
std::optional<int> keepReplayOptions(const ReplayOptions& options);
// The status SetExitStatus asked for, if any.
std::optional<int> requestedExitStatus();

} // namespace platform
