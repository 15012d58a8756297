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

} // namespace platform
