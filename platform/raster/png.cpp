// Screenshots out and test images in, as PNG files.
#include <SDL2/SDL_image.h>

#include <memory>

#include "platform/raster/surface.h"

namespace platform {
namespace {

struct SurfaceFree {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceFree>;

} // namespace

bool writePng(const Surface& surface, const std::string& path) {
    if (surface.width <= 0 || surface.height <= 0 ||
        surface.pixels.size() !=
            static_cast<size_t>(surface.width) * static_cast<size_t>(surface.height)) {
        return false;
    }
    // SDL only reads the pixels here, though its signature asks for a
    // writable buffer.
    SurfacePtr view(SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(surface.pixels.data()),
                                                       surface.width, surface.height, 32,
                                                       surface.width * 4, SDL_PIXELFORMAT_RGB888));
    if (!view) {
        return false;
    }
    // The file is closed here, not by SDL_image, so that a write that
    // fails only when the buffer is flushed (a full disk) is seen.
    SDL_RWops* file = SDL_RWFromFile(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    bool saved = IMG_SavePNG_RW(view.get(), file, 0) == 0;
    return SDL_RWclose(file) == 0 && saved;
}

bool readPng(const std::string& path, Surface& out) {
    SurfacePtr loaded(IMG_Load(path.c_str()));
    if (!loaded) {
        return false;
    }
    SurfacePtr converted(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_RGB888, 0));
    if (!converted || SDL_LockSurface(converted.get()) != 0) {
        return false;
    }
    Surface result(converted->w, converted->h);
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

} // namespace platform
