// SPDX-License-Identifier: MIT
// Owning handles for the SDL objects the desktop window is made of, so that
// every early return while opening the window gives back what it took.
#pragma once

#include <SDL2/SDL.h>

#include <memory>

namespace platform::sdl {

struct WindowCloser {
    void operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
};
struct SurfaceCloser {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};

using WindowHandle = std::unique_ptr<SDL_Window, WindowCloser>;
using SurfaceHandle = std::unique_ptr<SDL_Surface, SurfaceCloser>;

// The video subsystem for as long as the object lives. The text renderer
// keeps its own library state, so only video is shut down here.
class VideoSubsystem {
  public:
    VideoSubsystem() : started_(SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) {}
    ~VideoSubsystem() {
        if (started_) {
            SDL_QuitSubSystem(SDL_INIT_VIDEO);
        }
    }
    VideoSubsystem(const VideoSubsystem&) = delete;
    VideoSubsystem& operator=(const VideoSubsystem&) = delete;

    bool started() const { return started_; }

  private:
    bool started_;
};

} // namespace platform::sdl
