// SPDX-License-Identifier: MIT
// The inside of NativeWindow, shared by its window procedure and its input
// translation. Sees <windows.h>: included only by the win32 backend's
// native_*.cpp files.
#pragma once

#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include "platform/win32/native_window.h"

namespace platform::win32 {

constexpr int PICTURE_WIDTH = 240;
constexpr int PICTURE_HEIGHT = 320;

struct NativeWindow::State {
    HWND window = nullptr;
    std::vector<uint32_t> picture =
        std::vector<uint32_t>(static_cast<size_t>(PICTURE_WIDTH) * PICTURE_HEIGHT, 0xFFFFFF);
    uint32_t backdrop = 0x000000;
    std::deque<NativeEvent> events;
    bool trackingLeave = false;
    int wheelRest = 0; // wheel movement short of a whole line
    bool fullScreen = false;
    WINDOWPLACEMENT windowed{};

    void push(NativeEvent event) { events.push_back(event); }
    void paint(HDC dc) const;
    void toggleFullScreen();
};

// The keyboard and mouse messages as NativeEvents; false for a message that
// is not input, or that the window procedure should pass on.
bool translateInput(NativeWindow::State& state, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace platform::win32
