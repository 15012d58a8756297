// SPDX-License-Identifier: MIT
#include "platform/sdl/sdl_drivers.h"

#include <clocale>
#include <string_view>

#include "platform/raster/surface.h"
#include "platform/resource_api.h"
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

// Under X11 the title's characters must exist in the character set of the
// C library's locale, or the window manager gets no UTF-8 title: in the
// plain C locale the dash is lost. The title is set under a UTF-8 locale.
void platform::sdl::setWindowTitle(SDL_Window* window, const std::string& title) {
    const char* current = std::setlocale(LC_CTYPE, nullptr);
    std::string previous = current != nullptr ? current : "C";
    bool switched = std::setlocale(LC_CTYPE, "C.UTF-8") != nullptr;
    SDL_SetWindowTitle(window, title.c_str());
    if (switched) {
        std::setlocale(LC_CTYPE, previous.c_str());
    }
}

void platform::sdl::setWindowIcon(SDL_Window* window) {
    constexpr int PROGRAM_ICON_ID = 101;
    Surface* icon = surfaceOfIcon(LoadIconW(nullptr, MAKEINTRESOURCEW(PROGRAM_ICON_ID)));
    if (icon == nullptr || icon->width <= 0 || icon->height <= 0) {
        return;
    }
    SurfaceHandle picture(SDL_CreateRGBSurfaceWithFormatFrom(icon->pixels.data(), icon->width,
                                                             icon->height, 32, icon->width * 4,
                                                             SDL_PIXELFORMAT_RGB888));
    if (picture) {
        SDL_SetWindowIcon(window, picture.get());
    }
}

// SDL opens a D-Bus connection with the window and, on purpose, never shuts
// libdbus down (other users of it in the process may still need it), so a
// buffer of libdbus stays allocated at exit. Read only by the leak checker of
// sanitizer builds; tells it that this one is not ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\n";
}
