// SPDX-License-Identifier: MIT
// Shared set-up for the platform tests: running the message loop on the null
// backend, pen input at a screen point, tiny surfaces shown as text so that a
// failing test prints the picture it got, and environment variables for the
// length of a scope.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/core/core_state.h"
#include "platform/gdi_api.h"
#include "platform/raster/surface.h"
#include "platform/window_api.h"

namespace platform_testing {

// Handles everything queued; the null backend then ends the loop.
inline void pump() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0)) {
        DispatchMessageW(&message);
    }
}

inline void deliver(platform::InputEvent::Type type, POINT at) {
    platform::InputEvent event;
    event.type = type;
    event.x = at.x;
    event.y = at.y;
    platform::postInputEvent(event);
    pump();
}

// What reached a recording window: pen messages, keys and commands.
struct Arrival {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    int x() const { return LOWORD(static_cast<uintptr_t>(lParam)); }
    int y() const { return HIWORD(static_cast<uintptr_t>(lParam)); }
};
inline std::vector<Arrival> arrivals;

inline LRESULT recordInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if ((message >= WM_MOUSEMOVE && message <= WM_LBUTTONDBLCLK) || message == WM_KEYDOWN ||
        message == WM_SYSKEYDOWN || message == WM_SYSCHAR || message == WM_COMMAND) {
        arrivals.push_back({window, message, wParam, lParam});
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A recording window of a new class of that name; place holds its x, y,
// width and height.
inline HWND recordingWindow(LPCWSTR className, UINT classStyle, DWORD style, RECT place,
                            HWND parent = nullptr) {
    WNDCLASSW windowClass{};
    windowClass.style = classStyle;
    windowClass.lpfnWndProc = recordInput;
    windowClass.lpszClassName = className;
    RegisterClassW(&windowClass);
    return CreateWindowExW(0, className, u"", style, place.left, place.top, place.right,
                           place.bottom, parent, nullptr, nullptr, nullptr);
}

class RasterTest : public testing::Test {
  protected:
    void SetUp() override { platform::resetRaster(); }
    void TearDown() override { platform::resetRaster(); }
};

// A memory DC with a fresh width x height bitmap selected, every pixel fill.
struct Canvas {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    platform::Surface* pixels = nullptr;
};

inline Canvas makeCanvas(int width, int height, uint32_t fill) {
    Canvas canvas;
    canvas.dc = CreateCompatibleDC(nullptr);
    canvas.bitmap = platform::createBitmapFromSurface(platform::Surface(width, height, fill));
    SelectObject(canvas.dc, canvas.bitmap);
    canvas.pixels = platform::surfaceOfBitmap(canvas.bitmap);
    return canvas;
}

// One character per pixel, rows separated by '|'; a pixel without a name
// shows as '?'.
inline std::string picture(const platform::Surface& surface,
                           const std::map<uint32_t, char>& names) {
    std::string text;
    for (int32_t y = 0; y < surface.height; ++y) {
        if (y > 0) {
            text += '|';
        }
        for (int32_t x = 0; x < surface.width; ++x) {
            auto found = names.find(surface.at(x, y));
            text += found == names.end() ? '?' : found->second;
        }
    }
    return text;
}

class ScopedEnvironment {
  public:
    ScopedEnvironment(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        set(value);
    }
    ~ScopedEnvironment() { set(old_ ? old_->c_str() : nullptr); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  private:
    void set(const char* value) { value ? setenv(name_, value, 1) : unsetenv(name_); }
    const char* name_;
    std::optional<std::string> old_;
};

} // namespace platform_testing
