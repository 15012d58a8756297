// SPDX-License-Identifier: MIT
#include "platform/core/frame_recorder.h"

#include <cstdio>
#include <cstdlib>

#include "platform/headless/state_reporter.h"

namespace platform {

FrameRecorder::FrameRecorder() {
    const char* folder = std::getenv("TALONIX_FRAMES");
    if (folder == nullptr || *folder == '\0') {
        return;
    }
    folder_ = folder;
    states_.open(folder_ + "/frames.jsonl", std::ios::binary | std::ios::trunc);
    stepFrames_.open(folder_ + "/steps.txt", std::ios::binary | std::ios::trunc);
    if (const char* hurry = std::getenv("TALONIX_FRAMES_HURRY")) {
        hurryAt_ = std::atoi(hurry);
    }
}

void FrameRecorder::present(const Surface& screen) {
    char name[32];
    std::snprintf(name, sizeof name, "/frame-%03d.png", frames_++);
    writePng(screen, folder_ + name);
    states_ << stateLine() << '\n' << std::flush;
}

bool FrameRecorder::stepShown() {
    stepFrames_ << frames_ - 1 << '\n' << std::flush;
    return ++steps_ == hurryAt_;
}

} // namespace platform
