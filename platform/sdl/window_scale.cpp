#include "platform/sdl/window_scale.h"

#include <algorithm>

#include "platform/registry/dword_values.h"
#include "platform/screen.h"

namespace platform::sdl {
namespace {

// The window's scale is kept with the program's settings, as a value of our
// own next to the handheld's.
constexpr LPCWSTR SETTINGS_KEY = u"Software\\qm\\tlx";
constexpr LPCWSTR SCALE_VALUE = u"scale";

} // namespace

int storedScale() {
    const DWORD value = readDwordValue(SETTINGS_KEY, SCALE_VALUE).value_or(0);
    return value >= 1 && value <= MAX_SCALE ? static_cast<int>(value) : 0;
}

void storeScale(int scale) {
    writeDwordValue(SETTINGS_KEY, SCALE_VALUE, static_cast<DWORD>(scale));
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
