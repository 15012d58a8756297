// SPDX-License-Identifier: MIT
// The desktop window backend over SDL2.
#pragma once

#include <memory>
#include <string>

#include "platform/backend.h"

namespace platform {

// Opens the desktop window at the given whole scale factor, or with 0 at the
// scale remembered in the settings, else the largest that fits the desktop;
// never larger than fits. Returns null and fills error when there is no
// display or SDL cannot start.
std::unique_ptr<Backend> createSdlBackend(int scale, std::string& error);

} // namespace platform
