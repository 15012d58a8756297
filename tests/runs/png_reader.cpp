#include "png_reader.h"

#include <SDL2/SDL_image.h>

#include <memory>

namespace {

struct SurfaceFree {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceFree>;

} // namespace

bool readPng(const std::string& path, platform::Surface& out) {
    SurfacePtr loaded(IMG_Load(path.c_str()));
    if (!loaded) {
        return false;
    }
    SurfacePtr converted(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_RGB888, 0));
    if (!converted || SDL_LockSurface(converted.get()) != 0) {
        return false;
    }
    platform::Surface result(converted->w, converted->h);
    const auto* bytes = static_cast<const uint8_t*>(converted->pixels);
    for (int32_t y = 0; y < result.height; ++y) {
        const auto* row =
            reinterpret_cast<const uint32_t*>(bytes + static_cast<ptrdiff_t>(y) * converted->pitch);
        for (int32_t x = 0; x < result.width; ++x) {
            result.at(x, y) = row[x] & 0x00FFFFFFu;
        }
    }
    SDL_UnlockSurface(converted.get());
    out = std::move(result);
    return true;
}
