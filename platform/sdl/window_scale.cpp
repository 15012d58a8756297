// SPDX-License-Identifier: MIT
#include "platform/sdl/window_scale.h"

#include <algorithm>

#include "platform/registry/stored_values.h"
#include "platform/screen.h"

namespace platform::sdl {
// The window's scale is kept with the program's settings, as a value of our
// own next to the handheld's; its row keeps it within 1 to MAX_SCALE.
int storedScale() {
    return static_cast<int>(readStoredValue(resources::StoredValue::Scale));
}

void storeScale(int scale) {
    writeStoredValue(resources::StoredValue::Scale, static_cast<DWORD>(scale));
}

Frame frameOf(SDL_Window* window) {
    // The window manager tells its frame in a message of its own, which
    // may come a little after the window is shown; a desktop without a
    // window manager has none to tell.
    Frame frame;
    for (int tries = 0; tries < 20; ++tries) {
        SDL_PumpEvents();
        if (SDL_GetWindowBordersSize(window, &frame.top, &frame.left, &frame.bottom,
                                     &frame.right) != 0) {
            return Frame{};
        }
        if (frame.top + frame.left + frame.bottom + frame.right > 0) {
            return frame;
        }
        SDL_Delay(5);
    }
    return frame;
}

int desktopScale(int display, const Frame& frame) {
    SDL_Rect usable{};
    if (SDL_GetDisplayUsableBounds(display, &usable) != 0) {
        return 1;
    }
    return fittingScale(usable.w - frame.left - frame.right, usable.h - frame.top - frame.bottom);
}

void placeInUsableArea(SDL_Window* window, int scale, const Frame& frame) {
    const int width = SCREEN_WIDTH * scale;
    const int height = SCREEN_HEIGHT * scale;
    SDL_SetWindowSize(window, width, height);
    SDL_Rect usable{};
    if (SDL_GetDisplayUsableBounds(std::max(0, SDL_GetWindowDisplayIndex(window)), &usable) != 0) {
        return;
    }
    const int framedWidth = width + frame.left + frame.right;
    const int framedHeight = height + frame.top + frame.bottom;
    // A window larger than the area (at scale 1 on a tiny screen) keeps its
    // top left corner, and so its title bar, on the screen.
    const int x = usable.x + std::max(0, (usable.w - framedWidth) / 2) + frame.left;
    const int y = usable.y + std::max(0, (usable.h - framedHeight) / 2) + frame.top;
    SDL_SetWindowPosition(window, x, y);
}

} // namespace platform::sdl
