// Screenshots out, as PNG files.
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
    return IMG_SavePNG(view.get(), path.c_str()) == 0;
}

} // namespace platform
