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

int fittingScale(int width, int height) {
    return std::clamp(std::min(width / SCREEN_WIDTH, height / SCREEN_HEIGHT), 1, MAX_SCALE);
}

View viewFor(int width, int height) {
    View view;
    view.scale = fittingScale(width, height);
    view.left = (width - SCREEN_WIDTH * view.scale) / 2;
    view.top = (height - SCREEN_HEIGHT * view.scale) / 2;
    return view;
}

int desktopScale() {
    SDL_Rect usable{};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) {
        return 1;
    }
    return fittingScale(usable.w, usable.h);
}

} // namespace platform::sdl
