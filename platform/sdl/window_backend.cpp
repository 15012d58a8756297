// SPDX-License-Identifier: MIT
#include "platform/window_backend.h"

#include "platform/sdl/sdl_backend.h"

namespace platform {

std::unique_ptr<Backend> createWindowBackend(int scale, std::string& error) {
    return createSdlBackend(scale, error);
}

} // namespace platform
