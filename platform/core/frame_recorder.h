// SPDX-License-Identifier: MIT
// For tests and pictures of the computer's steps: with TALONIX_FRAMES set to
// a folder, a run writes every screen it shows, as frame-NNN.png, and the
// state line of that moment as line NNN of frames.jsonl; steps.txt lists the
// frames that were steps, by number. A headless run shows the screens a
// window would; the desktop window writes what it put in the window, read
// back from it. In a headless run TALONIX_FRAMES_HURRY=N has input come
// during the Nth step shown, as a tap during the steps would. Without
// TALONIX_FRAMES nothing is written, and a headless run shows nothing and
// waits for nothing.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>

#include "platform/raster/surface.h"

namespace platform {

class FrameRecorder {
  public:
    FrameRecorder();
    bool recording() const { return !folder_.empty(); }
    void present(const Surface& screen);
    // Notes that the last frame was a step. True at the step
    // TALONIX_FRAMES_HURRY names.
    bool stepShown();

  private:
    std::string folder_;
    std::ofstream states_;
    std::ofstream stepFrames_;
    int frames_ = 0;
    int steps_ = 0;
    int hurryAt_ = 0;
};

} // namespace platform
