// SPDX-License-Identifier: MIT
// The screen drawn into the desktop window's surface at a whole scale, on a
// backdrop of one colour.
#pragma once

#include <SDL2/SDL.h>

#include <cstdint>

#include "platform/raster/surface.h"
#include "platform/sdl/window_scale.h"

namespace platform::sdl {

// backdrop is 0x00RRGGBB; the screen is 240 x 320.
void drawScaledScreen(SDL_Surface* target, const Surface& screen, const View& view,
                      uint32_t backdrop);

// The screen as the window's surface holds it: one pixel of each square of
// the view, the 240 x 320 picture the person sees.
Surface readScaledScreen(SDL_Surface* target, const View& view);

} // namespace platform::sdl
