// SPDX-License-Identifier: MIT
// The backend that shows the screen to a person: the SDL2 desktop window, or
// the canvas of a web page in the browser build.
#pragma once

#include <memory>
#include <string>

#include "platform/backend.h"

namespace platform {

// Opens the window at the given whole scale factor, 0 for the remembered or
// the largest that fits (the browser always fits the page). Returns null and
// fills error when there is nothing to show it on.
std::unique_ptr<Backend> createWindowBackend(int scale, std::string& error);

} // namespace platform
