// SPDX-License-Identifier: MIT
// How large the desktop window shows the screen: the whole scale that fits,
// where the picture lies in the window, and the scale kept with the settings.
#pragma once

#include <SDL2/SDL.h>

#include "platform/picture_view.h"

namespace platform::sdl {

using platform::fittingScale;
using platform::MAX_SCALE;
using platform::View;
using platform::viewFor;

// What the window manager adds around a window: title bar and borders.
struct Frame {
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;
};
// The frame around the window, waited for up to a tenth of a second; all 0
// when no window manager tells one.
Frame frameOf(SDL_Window* window);
// The largest scale whose window, in its frame, fits the usable area of
// the display (the screen less the desktop's panels).
int desktopScale(int display = 0, const Frame& frame = {});
// Gives the window the size of the scale and centres it, in its frame, in
// the usable area of its display.
void placeInUsableArea(SDL_Window* window, int scale, const Frame& frame);

// The scale remembered with the program's settings, or 0 when none is.
int storedScale();
void storeScale(int scale);

} // namespace platform::sdl
