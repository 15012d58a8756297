// SPDX-License-Identifier: MIT
// The one place that knows which backends exist: the headless script runner
// or the window of this build (SDL2 on the desktop, the canvas in the
// browser). The rest of the platform talks to whichever is chosen through
// platform/backend.h only.
#pragma once

#include <optional>
#include <string>

namespace platform {

struct BackendChoice {
    bool headless = false;
    std::string scriptPath; // empty or "-": standard input
    int scale = 0;          // the window's scale; 0 for the remembered one
    bool quiet = false;     // headless with no script and no output (a replay check)
};

// Starts the backend asked for; a status to exit with, after saying why on
// standard error, when it cannot start.
std::optional<int> startBackend(const BackendChoice& choice);

} // namespace platform
