// SPDX-License-Identifier: MIT
#include "platform/sdl/sdl_drivers.h"

#include <string_view>

#include "platform/sdl/sdl_handles.h"

namespace platform::sdl {

bool onlyAnInvisibleDriver() {
    const char* current = SDL_GetCurrentVideoDriver();
    if (current == nullptr) {
        return true;
    }
    std::string_view name(current);
    if (name != "offscreen" && name != "dummy" && name != "evdev") {
        return false;
    }
    const char* asked = SDL_getenv("SDL_VIDEODRIVER");
    return asked == nullptr || std::string_view(asked).find(name) == std::string_view::npos;
}

std::string sdlError(const char* what) {
    std::string error = what;
    const char* detail = SDL_GetError();
    if (detail != nullptr && *detail != '\0') {
        error += ": ";
        error += detail;
    }
    return error;
}

bool environmentHas(const char* name) {
    const char* value = SDL_getenv(name);
    return value != nullptr && *value != '\0';
}

} // namespace platform::sdl
