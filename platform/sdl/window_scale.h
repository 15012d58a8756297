// How large the desktop window shows the screen: the whole scale that fits,
// where the picture lies in the window, and the scale kept with the settings.
#pragma once

#include <SDL2/SDL.h>

namespace platform::sdl {

constexpr int MAX_SCALE = 8;

// Where the picture lies in a window of the given size: the largest whole
// scale that fits (at least 1), centred.
struct View {
    int scale = 1;
    int left = 0;
    int top = 0;
};

int fittingScale(int width, int height);
View viewFor(int width, int height);
// The largest scale whose window fits the desktop's usable area.
int desktopScale();

// The scale remembered with the program's settings, or 0 when none is.
int storedScale();
void storeScale(int scale);

} // namespace platform::sdl
