// SPDX-License-Identifier: MIT
// The Win32 window that shows the screen, behind plain C++ types (the
// program's own window types share the Windows names, so only
// native_window.cpp sees <windows.h>). It keeps the last picture and paints
// it at the largest whole scale the client area holds, centred on the
// backdrop colour; input arrives as NativeEvents in client pixels.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/picture_view.h"

namespace platform::win32 {

using platform::fittingScale;
using platform::MAX_SCALE;
using platform::View;
using platform::viewFor;

struct NativeEvent {
    enum class Kind { ButtonDown, ButtonUp, Move, Leave, Wheel, Key, Char, Close, Resized };
    Kind kind = Kind::Close;
    int x = 0; // client pixels
    int y = 0;
    uint32_t time = 0; // milliseconds, for presses
    uint32_t key = 0;  // virtual key or UTF-16 unit
    bool alt = false;
    bool control = false;
    int lines = 0; // the wheel, positive away from the user
};

class NativeWindow {
  public:
    NativeWindow();
    ~NativeWindow();
    NativeWindow(const NativeWindow&) = delete;
    NativeWindow& operator=(const NativeWindow&) = delete;

    // Opens the window with a client area of the picture at the given
    // scale; false and error when it cannot be made.
    bool open(int scale, std::string& error);
    // The largest scale whose window fits the desktop's work area.
    int workAreaScale() const;

    // Blocks in GetMessageW until the window has input for the program.
    NativeEvent wait();
    // The same until a time of now() at the latest; false when it came first.
    bool waitUntil(uint32_t deadline, NativeEvent& event);
    // Milliseconds of the system's clock.
    static uint32_t now();

    // The picture (width x height, 0x00RRGGBB) is kept and shown.
    void show(const uint32_t* pixels);
    void setBackdrop(uint32_t pixel);
    void setTitle(const std::u16string& title);
    View view() const;
    bool fullScreen() const;

    struct State; // the window procedure's side

  private:
    std::unique_ptr<State> state_;
};

} // namespace platform::win32
