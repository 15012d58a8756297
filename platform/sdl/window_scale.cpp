#include "platform/sdl/window_scale.h"

#include <algorithm>

#include "platform/registry_api.h"
#include "platform/screen.h"

namespace platform::sdl {
namespace {

// The window's scale is kept with the program's settings, as a value of our
// own next to the handheld's.
constexpr LPCWSTR SETTINGS_KEY = u"Software\\qm\\tlx";
constexpr LPCWSTR SCALE_VALUE = u"scale";

} // namespace

int storedScale() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, SETTINGS_KEY, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return 0;
    }
    DWORD value = 0;
    DWORD type = REG_NONE;
    DWORD size = 4;
    LSTATUS status =
        RegQueryValueExW(key, SCALE_VALUE, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    bool usable = status == ERROR_SUCCESS && type == REG_DWORD && size == 4 && value >= 1 &&
                  value <= MAX_SCALE;
    return usable ? static_cast<int>(value) : 0;
}

void storeScale(int scale) {
    HKEY key = nullptr;
    WCHAR noClass[] = u"";
    DWORD disposition = 0;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, SETTINGS_KEY, 0, noClass, 0, KEY_ALL_ACCESS, nullptr,
                        &key, &disposition) != ERROR_SUCCESS) {
        return;
    }
    DWORD value = static_cast<DWORD>(scale);
    RegSetValueExW(key, SCALE_VALUE, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4);
    RegCloseKey(key);
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
