// SPDX-License-Identifier: MIT
// The Windows desktop window as the program's backend: the screen shown in a
// Win32 window at the largest whole scale that fits, the mouse as the pen
// (with the same double tap as on Linux), the keyboard as the handheld's
// keys, and the window's scale kept with the settings as "scale".
#include <algorithm>
#include <deque>

#include "platform/registry/dword_values.h"
#include "platform/screen.h"
#include "platform/sdl/pen_tracker.h"
#include "platform/win32/native_window.h"
#include "platform/win32/process.h"
#include "platform/window_backend.h"

namespace platform {
namespace {

constexpr LPCWSTR SETTINGS_KEY = u"Software\\qm\\tlx";
constexpr LPCWSTR SCALE_VALUE = u"scale";

int storedScale() {
    const DWORD value = readDwordValue(SETTINGS_KEY, SCALE_VALUE).value_or(0);
    return value >= 1 && value <= win32::MAX_SCALE ? static_cast<int>(value) : 0;
}

InputEvent makeEvent(InputEvent::Type type) {
    InputEvent event;
    event.type = type;
    return event;
}

class Win32Backend final : public Backend {
  public:
    explicit Win32Backend(int scale) : scale_(scale), pen_(1, SCREEN_WIDTH, SCREEN_HEIGHT) {}

    bool open(std::string& error) {
        rememberedScale_ = storedScale();
        int fits = window_.workAreaScale();
        int scale = scale_ > 0 ? scale_ : (rememberedScale_ > 0 ? rememberedScale_ : fits);
        if (!window_.open(std::clamp(scale, 1, fits), error)) {
            return false;
        }
        follow();
        return true;
    }

    InputEvent waitEvent() override {
        while (pending_.empty()) {
            translate(window_.wait());
        }
        InputEvent next = pending_.front();
        pending_.pop_front();
        return next;
    }

    // A step of the computer's answer: shown until the time is up or a
    // press or a key comes.
    bool waitForInput(uint32_t ms) override {
        const uint32_t deadline = win32::NativeWindow::now() + ms;
        win32::NativeEvent event;
        while (!std::any_of(pending_.begin(), pending_.end(), endsSteps)) {
            if (!window_.waitUntil(deadline, event)) {
                return false;
            }
            translate(event);
        }
        return true;
    }

    void present(const Surface& screen) override {
        if (screen.width == SCREEN_WIDTH && screen.height == SCREEN_HEIGHT) {
            window_.show(screen.pixels.data());
        }
    }
    void setTitle(const std::u16string& title) override { window_.setTitle(title); }
    void setBackdrop(uint32_t pixel) override { window_.setBackdrop(pixel); }

  private:
    void translate(const win32::NativeEvent& event);
    void translatePointer(const win32::NativeEvent& event);
    void follow();

    int scale_; // 0: the stored one, else the largest that fits
    win32::NativeWindow window_;
    sdl::PenTracker pen_;
    int rememberedScale_ = 0;
    std::deque<InputEvent> pending_;
};

// The pen follows the picture's place; the scale of a window in its own
// size is stored when it changes (a full screen keeps the one it had).
void Win32Backend::follow() {
    win32::View view = window_.view();
    pen_.setView(view.scale, view.left, view.top);
    if (!window_.fullScreen() && view.scale != rememberedScale_) {
        writeDwordValue(SETTINGS_KEY, SCALE_VALUE, static_cast<DWORD>(view.scale));
        rememberedScale_ = view.scale;
    }
}

void Win32Backend::translatePointer(const win32::NativeEvent& event) {
    using Kind = win32::NativeEvent::Kind;
    std::optional<InputEvent> input;
    if (event.kind == Kind::ButtonDown) {
        input = pen_.press(event.x, event.y, event.time);
    } else if (event.kind == Kind::ButtonUp) {
        if (pen_.penDown()) {
            input = pen_.release(event.x, event.y);
        }
    } else if (event.kind == Kind::Move) {
        input = pen_.move(event.x, event.y);
    } else if (event.kind == Kind::Leave) {
        input = pen_.leave();
    } else {
        input = pen_.wheel(event.x, event.y, event.lines);
    }
    if (input) {
        pending_.push_back(*input);
    }
}

void Win32Backend::translate(const win32::NativeEvent& event) {
    using Kind = win32::NativeEvent::Kind;
    switch (event.kind) {
    case Kind::Key:
    case Kind::Char: {
        InputEvent key =
            makeEvent(event.kind == Kind::Key ? InputEvent::Type::Key : InputEvent::Type::Char);
        key.key = event.key;
        key.alt = event.alt;
        key.control = event.control;
        pending_.push_back(key);
        break;
    }
    case Kind::Close:
        pending_.push_back(makeEvent(InputEvent::Type::Close));
        break;
    case Kind::Resized:
        follow();
        break;
    default:
        translatePointer(event);
        break;
    }
}

} // namespace

std::unique_ptr<Backend> createWindowBackend(int scale, std::string& error) {
    auto backend = std::make_unique<Win32Backend>(std::max(0, scale));
    if (!backend->open(error)) {
        return nullptr;
    }
    win32::releaseOwnConsole();
    return backend;
}

} // namespace platform
