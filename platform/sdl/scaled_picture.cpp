// SPDX-License-Identifier: MIT
#include "platform/sdl/scaled_picture.h"

#include <algorithm>
#include <vector>

#include "platform/screen.h"

namespace platform::sdl {

// Every screen pixel becomes a square of scale window pixels, so pixel art
// stays crisp.
void drawScaledScreen(SDL_Surface* target, const Surface& screen, const View& view,
                      uint32_t backdrop) {
    auto mapped = [target](uint32_t pixel) {
        return SDL_MapRGB(target->format, static_cast<Uint8>(pixel >> 16),
                          static_cast<Uint8>(pixel >> 8), static_cast<Uint8>(pixel));
    };
    SDL_FillRect(target, nullptr, mapped(backdrop));
    int scale = view.scale;
    if (target->format->BytesPerPixel != 4) {
        // Rare displays of other depths: SDL converts, one square at a time.
        for (int y = 0; y < SCREEN_HEIGHT; ++y) {
            for (int x = 0; x < SCREEN_WIDTH; ++x) {
                SDL_Rect square{view.left + x * scale, view.top + y * scale, scale, scale};
                SDL_FillRect(target, &square, mapped(screen.at(x, y)));
            }
        }
        return;
    }
    bool direct = target->format->format == SDL_PIXELFORMAT_RGB888 ||
                  target->format->format == SDL_PIXELFORMAT_ARGB8888;
    if (SDL_MUSTLOCK(target) && SDL_LockSurface(target) != 0) {
        return;
    }
    std::vector<Uint32> row(static_cast<size_t>(SCREEN_WIDTH * scale));
    for (int y = 0; y < SCREEN_HEIGHT; ++y) {
        for (int x = 0; x < SCREEN_WIDTH; ++x) {
            uint32_t pixel = screen.at(x, y);
            Uint32 value = direct ? (pixel | target->format->Amask) : mapped(pixel);
            std::fill_n(row.begin() + static_cast<ptrdiff_t>(x * scale), scale, value);
        }
        for (int repeat = 0; repeat < scale; ++repeat) {
            int windowY = view.top + y * scale + repeat;
            if (windowY < 0 || windowY >= target->h) {
                continue;
            }
            auto* line = reinterpret_cast<Uint32*>(static_cast<Uint8*>(target->pixels) +
                                                   static_cast<ptrdiff_t>(windowY) * target->pitch);
            int from = std::max(0, -view.left);
            int to = std::min(SCREEN_WIDTH * scale, target->w - view.left);
            if (from < to) {
                std::copy(row.begin() + from, row.begin() + to, line + view.left + from);
            }
        }
    }
    if (SDL_MUSTLOCK(target)) {
        SDL_UnlockSurface(target);
    }
}

Surface readScaledScreen(SDL_Surface* target, const View& view) {
    Surface screen(SCREEN_WIDTH, SCREEN_HEIGHT);
    if (SDL_MUSTLOCK(target) && SDL_LockSurface(target) != 0) {
        return screen;
    }
    const int bytes = target->format->BytesPerPixel;
    for (int y = 0; y < SCREEN_HEIGHT; ++y) {
        const int windowY = view.top + y * view.scale;
        for (int x = 0; x < SCREEN_WIDTH; ++x) {
            const int windowX = view.left + x * view.scale;
            if (windowX < 0 || windowY < 0 || windowX >= target->w || windowY >= target->h) {
                continue;
            }
            const Uint8* at = static_cast<const Uint8*>(target->pixels) +
                              static_cast<ptrdiff_t>(windowY) * target->pitch + windowX * bytes;
            Uint32 value = 0;
            SDL_memcpy(&value, at, static_cast<size_t>(std::min(bytes, 4)));
            Uint8 red = 0;
            Uint8 green = 0;
            Uint8 blue = 0;
            SDL_GetRGB(value, target->format, &red, &green, &blue);
            screen.at(x, y) = static_cast<uint32_t>(red << 16 | green << 8 | blue);
        }
    }
    if (SDL_MUSTLOCK(target)) {
        SDL_UnlockSurface(target);
    }
    return screen;
}

} // namespace platform::sdl
