// SPDX-License-Identifier: MIT
// What SDL's video drivers can do here: whether one shows anything, and
// SDL's own word on a failure.
#pragma once

#include <string>

struct SDL_Window;

namespace platform::sdl {

// With no display SDL falls back to drivers that show nothing (and wait for
// input by polling); those serve only when asked for by name, as tests do.
bool onlyAnInvisibleDriver();
// "what: SDL's error", or only what when SDL has nothing to add.
std::string sdlError(const char* what);
// Whether the environment variable is set and not empty.
bool environmentHas(const char* name);
// Sets the window's title, given in UTF-8.
void setWindowTitle(SDL_Window* window, const std::string& title);
// Gives the window the program's icon.
void setWindowIcon(SDL_Window* window);

} // namespace platform::sdl
