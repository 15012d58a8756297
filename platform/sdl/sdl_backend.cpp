// SPDX-License-Identifier: MIT
// The desktop window: the 240 x 320 screen shown at the largest whole scale
// the window holds, centred on bars of the table colour; the mouse as the pen
// and the keyboard as the handheld's keys. The picture goes straight to the
// window's own surface: no renderer, so no GL stack is loaded.
#include "platform/sdl/sdl_backend.h"

#include <algorithm>
#include <cstdio>
#include <deque>
#include <string_view>

#include "platform/core/frame_recorder.h"
#include "platform/screen.h"
#include "platform/sdl/hold_gesture.h"
#include "platform/sdl/key_translation.h"
#include "platform/sdl/pen_tracker.h"
#include "platform/sdl/scaled_picture.h"
#include "platform/sdl/sdl_drivers.h"
#include "platform/sdl/sdl_handles.h"
#include "platform/sdl/window_scale.h"
#include "platform/utf.h"

namespace platform {
namespace {

using sdl::environmentHas;
using sdl::onlyAnInvisibleDriver;
using sdl::sdlError;
using sdl::View;

InputEvent closeEvent() {
    InputEvent close;
    close.type = InputEvent::Type::Close;
    return close;
}

class SdlBackend final : public Backend {
  public:
    explicit SdlBackend(int scale) : scale_(scale), pen_(scale, SCREEN_WIDTH, SCREEN_HEIGHT) {}

    bool open(std::string& error);

    InputEvent waitEvent() override;
    bool waitForInput(uint32_t ms) override;
    void present(const Surface& screen) override;
    void setTitle(const std::u16string& title) override;
    void setBackdrop(uint32_t pixel) override;

  private:
    void translate(const SDL_Event& event);
    void translateMouse(const SDL_Event& event);
    void translateWindowEvent(const SDL_WindowEvent& event);
    void takeFollowingMoves(SDL_Event& event);
    bool windowKey(const SDL_Keysym& key);
    void show();
    void showPicture(const Surface& picture);
    bool waitForHold(SDL_Event& event);
    void rememberScale();
    void fitToDesktop(int scale);

    int scale_; // 0: the stored one, else the largest that fits
    sdl::VideoSubsystem video_;
    sdl::WindowHandle window_;
    sdl::PenTracker pen_;
    sdl::HoldGesture hold_;
    Surface shown_{SCREEN_WIDTH, SCREEN_HEIGHT, 0xFFFFFF};
    uint32_t backdrop_ = 0x000000;
    int rememberedScale_ = 0;
    std::deque<InputEvent> pending_;
    FrameRecorder frames_;
};

bool SdlBackend::open(std::string& error) {
    if (!video_.started()) {
        error = sdlError("no display to open a window on (SDL video did not start)");
        return false;
    }
    if (onlyAnInvisibleDriver()) {
        error = "no display to open a window on (is DISPLAY or WAYLAND_DISPLAY set?)";
        return false;
    }
    // Under X the window's own surface is drawn into directly, never a GL
    // texture standing in for it. Other drivers (Wayland) have no surface of
    // their own and keep SDL's texture.
    if (std::string_view(SDL_GetCurrentVideoDriver()) == "x11") {
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    }
    // The close button is the program's own Exit (it may close an open
    // dialog first), not an immediate end of the run.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    rememberedScale_ = sdl::storedScale();
    int fits = sdl::desktopScale();
    int scale = scale_ > 0 ? scale_ : (rememberedScale_ > 0 ? rememberedScale_ : fits);
    scale = std::clamp(scale, 1, fits);
    // The window manager's frame is known once the window is there: the
    // first guess, made without it, is corrected then.
    window_.reset(SDL_CreateWindow("Talonix", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                   SCREEN_WIDTH * scale, SCREEN_HEIGHT * scale,
                                   SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE));
    if (!window_) {
        error = sdlError("cannot create the window");
        return false;
    }
    SDL_SetWindowMinimumSize(window_.get(), SCREEN_WIDTH, SCREEN_HEIGHT);
    fitToDesktop(scale);
    if (SDL_GetWindowSurface(window_.get()) == nullptr) {
        error = sdlError("cannot draw into the window");
        return false;
    }
    sdl::setWindowIcon(window_.get());
    SDL_StartTextInput();
    show();
    rememberScale();
    return true;
}

// Sets the window to the largest scale up to the given one that fits the
// usable area in the window manager's frame, centred there. A scale asked
// for on the command line that does not fit is reported once.
void SdlBackend::fitToDesktop(int scale) {
    const sdl::Frame frame = sdl::frameOf(window_.get());
    const int display = std::max(0, SDL_GetWindowDisplayIndex(window_.get()));
    const int fitting = std::min(scale, sdl::desktopScale(display, frame));
    if (scale_ > fitting) {
        std::fprintf(stderr, "talonix: --scale %d does not fit the desktop; using scale %d\n",
                     scale_, fitting);
    }
    sdl::placeInUsableArea(window_.get(), fitting, frame);
}

// The scale of a window in its own size, stored when it changes; a full
// screen window keeps the scale it had before.
void SdlBackend::rememberScale() {
    if ((SDL_GetWindowFlags(window_.get()) & SDL_WINDOW_FULLSCREEN) != 0) {
        return;
    }
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window_.get(), &width, &height);
    int scale = sdl::fittingScale(width, height);
    if (scale != rememberedScale_) {
        sdl::storeScale(scale);
        rememberedScale_ = scale;
    }
}

void SdlBackend::present(const Surface& screen) {
    if (screen.width == SCREEN_WIDTH && screen.height == SCREEN_HEIGHT) {
        shown_ = screen;
    }
    show();
    if (!frames_.recording()) {
        return;
    }
    // What the window holds now, not what it was given.
    if (SDL_Surface* target = SDL_GetWindowSurface(window_.get())) {
        frames_.present(sdl::readScaledScreen(target, sdl::viewFor(target->w, target->h)));
    }
}

// Set while the table is painted; shown with the picture that follows.
void SdlBackend::setBackdrop(uint32_t pixel) {
    backdrop_ = pixel;
}

void SdlBackend::show() {
    showPicture(shown_);
}

void SdlBackend::showPicture(const Surface& picture) {
    SDL_Surface* target = SDL_GetWindowSurface(window_.get());
    if (target == nullptr) {
        return;
    }
    View view = sdl::viewFor(target->w, target->h);
    pen_.setView(view.scale, view.left, view.top);
    sdl::drawScaledScreen(target, picture, view, backdrop_);
    SDL_UpdateWindowSurface(window_.get());
}

// The ring of dots grows while the pen is held; true for an event first.
bool SdlBackend::waitForHold(SDL_Event& event) {
    if (SDL_WaitEventTimeout(&event, static_cast<int>(hold_.waitMs(SDL_GetTicks()))) != 0) {
        return true;
    }
    const uint32_t now = SDL_GetTicks();
    if (auto held = hold_.held(now)) {
        pending_.push_back(*held);
        show();
    } else {
        showPicture(hold_.withRing(shown_, now));
    }
    return false;
}

// The window manager shows the game's variant and the program's name; the
// window text itself stays the game's.
void SdlBackend::setTitle(const std::u16string& title) {
    sdl::setWindowTitle(window_.get(),
                        title.empty() ? "Talonix" : utf8FromUtf16(title) + " \u2014 Talonix");
}

InputEvent SdlBackend::waitEvent() {
    while (pending_.empty()) {
        SDL_Event event;
        if (hold_.armed()) {
            if (!waitForHold(event)) {
                continue;
            }
        } else if (SDL_WaitEvent(&event) == 0) {
            // Blocks: the program uses no CPU until something happens.
            return closeEvent();
        }
        if (event.type == SDL_MOUSEMOTION) {
            takeFollowingMoves(event);
        }
        translate(event);
    }
    InputEvent next = pending_.front();
    pending_.pop_front();
    return next;
}

// Blocks until the time is up or a press or a key comes, so a step shown
// costs no CPU either.
bool SdlBackend::waitForInput(uint32_t ms) {
    if (frames_.recording()) {
        frames_.stepShown(); // the input is the person's, never made up here
    }
    const uint32_t start = SDL_GetTicks();
    for (;;) {
        if (std::any_of(pending_.begin(), pending_.end(), endsSteps)) {
            return true;
        }
        const uint32_t spent = SDL_GetTicks() - start;
        SDL_Event event;
        if (spent >= ms || SDL_WaitEventTimeout(&event, static_cast<int>(ms - spent)) == 0) {
            return std::any_of(pending_.begin(), pending_.end(), endsSteps);
        }
        if (event.type == SDL_MOUSEMOTION) {
            takeFollowingMoves(event);
        }
        translate(event);
    }
}

// A burst of mouse moves already queued collapses into its last one; moves
// behind a press or a key are left where they are, so order is kept.
void SdlBackend::takeFollowingMoves(SDL_Event& event) {
    SDL_Event next;
    while (SDL_PeepEvents(&next, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1 &&
           next.type == SDL_MOUSEMOTION) {
        SDL_PeepEvents(&next, 1, SDL_GETEVENT, SDL_MOUSEMOTION, SDL_MOUSEMOTION);
        event = next;
    }
}

// F11 and Alt+Enter switch to and from the full screen, unseen by the game.
bool SdlBackend::windowKey(const SDL_Keysym& key) {
    bool alt = (key.mod & KMOD_ALT) != 0;
    bool enter = key.sym == SDLK_RETURN || key.sym == SDLK_KP_ENTER;
    if (key.sym != SDLK_F11 && !(alt && enter)) {
        return false;
    }
    bool full = (SDL_GetWindowFlags(window_.get()) & SDL_WINDOW_FULLSCREEN) != 0;
    SDL_SetWindowFullscreen(window_.get(), full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
    show();
    return true;
}

void SdlBackend::translate(const SDL_Event& event) {
    switch (event.type) {
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
    case SDL_MOUSEMOTION:
    case SDL_MOUSEWHEEL:
        translateMouse(event);
        break;
    case SDL_KEYDOWN:
        if (windowKey(event.key.keysym)) {
            break;
        }
        if (auto key = sdl::keyPressEvent(event.key.keysym)) {
            pending_.push_back(*key);
        }
        break;
    case SDL_TEXTINPUT:
        // Alt combinations arrive as key presses; text typed with Alt held
        // would repeat them.
        if ((SDL_GetModState() & KMOD_ALT) == 0) {
            for (const InputEvent& character : sdl::textInputEvents(event.text.text)) {
                pending_.push_back(character);
            }
        }
        break;
    case SDL_WINDOWEVENT:
        translateWindowEvent(event.window);
        break;
    case SDL_QUIT:
        pending_.push_back(closeEvent());
        break;
    default:
        break;
    }
}

// The left button is the pen; the wheel scrolls what lies under the mouse.
void SdlBackend::translateMouse(const SDL_Event& event) {
    if (event.type == SDL_MOUSEBUTTONDOWN) {
        if (event.button.button == SDL_BUTTON_LEFT) {
            // Kept back over the table until the pen lifts, moves or is held.
            if (auto down = pen_.press(event.button.x, event.button.y, event.button.timestamp)) {
                pressHoldsAt(down->x, down->y) ? hold_.press(*down, SDL_GetTicks())
                                               : pending_.push_back(*down);
            }
        } else if (event.button.button == SDL_BUTTON_RIGHT) {
            if (auto held = pen_.hold(event.button.x, event.button.y)) {
                pending_.push_back(*held);
            }
        }
    } else if (event.type == SDL_MOUSEBUTTONUP) {
        if (event.button.button == SDL_BUTTON_LEFT && pen_.penDown()) {
            if (auto down = hold_.release()) { // and any dots of the ring go
                pending_.push_back(*down);
            }
            pending_.push_back(pen_.release(event.button.x, event.button.y));
            show();
        }
    } else if (event.type == SDL_MOUSEMOTION) {
        if (auto move = pen_.move(event.motion.x, event.motion.y)) {
            if (hold_.armed()) {
                if (auto down = hold_.move(move->x, move->y)) {
                    pending_.push_back(*down);
                }
                if (!hold_.armed()) { // moved away: the dots go
                    show();
                }
            }
            pending_.push_back(*move);
        }
    } else {
        int lines = event.wheel.y;
        if (event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) {
            lines = -lines;
        }
        if (lines != 0) {
            int x = 0;
            int y = 0;
            SDL_GetMouseState(&x, &y);
            pending_.push_back(pen_.wheel(x, y, lines));
        }
    }
}

void SdlBackend::translateWindowEvent(const SDL_WindowEvent& event) {
    if (event.event == SDL_WINDOWEVENT_CLOSE) {
        pending_.push_back(closeEvent());
    } else if (event.event == SDL_WINDOWEVENT_LEAVE) {
        if (auto away = pen_.leave()) {
            pending_.push_back(*away);
        }
    } else if (event.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
        show();
        rememberScale();
    } else if (event.event == SDL_WINDOWEVENT_EXPOSED) {
        show();
    }
}

} // namespace

std::unique_ptr<Backend> createSdlBackend(int scale, std::string& error) {
    // Without a display SDL is not started at all: its drivers would print
    // their own complaints (a Wayland library about XDG_RUNTIME_DIR) before
    // the program's one line. With only an X display, only X is tried. A
    // driver asked for by name is left to SDL.
    if (!environmentHas("SDL_VIDEODRIVER")) {
        bool wayland = environmentHas("WAYLAND_DISPLAY");
        if (!wayland && !environmentHas("DISPLAY")) {
            error = "no display to open a window on (is DISPLAY or WAYLAND_DISPLAY set?)";
            return nullptr;
        }
        if (!wayland) {
            SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
        }
    }
    auto backend = std::make_unique<SdlBackend>(std::max(0, scale));
    if (!backend->open(error)) {
        return nullptr;
    }
    return backend;
}

} // namespace platform
