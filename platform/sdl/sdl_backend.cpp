// The desktop window: the 240 x 320 screen shown at a whole scale factor,
// the mouse as the pen and the keyboard as the handheld's keys.
#include "platform/sdl/sdl_backend.h"

#include <deque>
#include <string_view>

#include "platform/resource_api.h"
#include "platform/screen.h"
#include "platform/sdl/key_translation.h"
#include "platform/sdl/pen_tracker.h"
#include "platform/sdl/sdl_handles.h"
#include "platform/utf.h"

namespace platform {
namespace {

constexpr int PROGRAM_ICON_ID = 101;

// With no display SDL falls back to drivers that show nothing (and wait for
// input by polling); those serve only when asked for by name, as tests do.
bool onlyAnInvisibleDriver() {
    const char* current = SDL_GetCurrentVideoDriver();
    if (current == nullptr) {
        return true;
    }
    std::string_view name(current);
    if (name != "offscreen" && name != "dummy" && name != "evdev") {
        return false;
    }
    const char* asked = SDL_getenv("SDL_VIDEODRIVER");
    return asked == nullptr || std::string_view(asked).find(name) == std::string_view::npos;
}

std::string sdlError(const char* what) {
    std::string error = what;
    const char* detail = SDL_GetError();
    if (detail != nullptr && *detail != '\0') {
        error += ": ";
        error += detail;
    }
    return error;
}

class SdlBackend final : public Backend {
  public:
    explicit SdlBackend(int scale) : scale_(scale), pen_(scale, SCREEN_WIDTH, SCREEN_HEIGHT) {}

    bool open(std::string& error);

    InputEvent waitEvent() override;
    void present(const Surface& screen) override;
    void setTitle(const std::u16string& title) override;

  private:
    void translate(const SDL_Event& event);
    void takeFollowingMoves(SDL_Event& event);
    void show();
    void setIcon();

    int scale_;
    sdl::VideoSubsystem video_;
    sdl::WindowHandle window_;
    sdl::RendererHandle renderer_;
    sdl::TextureHandle texture_;
    sdl::PenTracker pen_;
    Surface shown_{SCREEN_WIDTH, SCREEN_HEIGHT, 0xFFFFFF};
    std::deque<InputEvent> pending_;
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
    // Pixel art stays crisp: every screen pixel becomes a square of scale
    // window pixels.
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
    // The close button is the program's own Exit (it may close an open
    // dialog first), not an immediate end of the run.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    window_.reset(SDL_CreateWindow("Talonix", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                   SCREEN_WIDTH * scale_, SCREEN_HEIGHT * scale_,
                                   SDL_WINDOW_SHOWN));
    if (!window_) {
        error = sdlError("cannot create the window");
        return false;
    }
    renderer_.reset(SDL_CreateRenderer(window_.get(), -1, SDL_RENDERER_ACCELERATED));
    if (!renderer_) {
        renderer_.reset(SDL_CreateRenderer(window_.get(), -1, SDL_RENDERER_SOFTWARE));
    }
    if (!renderer_) {
        error = sdlError("cannot draw into the window");
        return false;
    }
    texture_.reset(SDL_CreateTexture(renderer_.get(), SDL_PIXELFORMAT_RGB888,
                                     SDL_TEXTUREACCESS_STREAMING, SCREEN_WIDTH, SCREEN_HEIGHT));
    if (!texture_) {
        error = sdlError("cannot make the screen texture");
        return false;
    }
    setIcon();
    SDL_StartTextInput();
    present(shown_);
    return true;
}

void SdlBackend::setIcon() {
    Surface* icon = surfaceOfIcon(LoadIconW(nullptr, MAKEINTRESOURCEW(PROGRAM_ICON_ID)));
    if (icon == nullptr || icon->width <= 0 || icon->height <= 0) {
        return;
    }
    sdl::SurfaceHandle picture(SDL_CreateRGBSurfaceWithFormatFrom(icon->pixels.data(), icon->width,
                                                                  icon->height, 32, icon->width * 4,
                                                                  SDL_PIXELFORMAT_RGB888));
    if (picture) {
        SDL_SetWindowIcon(window_.get(), picture.get());
    }
}

void SdlBackend::present(const Surface& screen) {
    if (screen.width == SCREEN_WIDTH && screen.height == SCREEN_HEIGHT) {
        shown_ = screen;
    }
    SDL_UpdateTexture(texture_.get(), nullptr, shown_.pixels.data(),
                      SCREEN_WIDTH * static_cast<int>(sizeof(uint32_t)));
    show();
}

void SdlBackend::show() {
    SDL_SetRenderDrawColor(renderer_.get(), 0, 0, 0, 255);
    SDL_RenderClear(renderer_.get());
    SDL_RenderCopy(renderer_.get(), texture_.get(), nullptr, nullptr);
    SDL_RenderPresent(renderer_.get());
}

void SdlBackend::setTitle(const std::u16string& title) {
    SDL_SetWindowTitle(window_.get(), utf8FromUtf16(title).c_str());
}

InputEvent SdlBackend::waitEvent() {
    while (pending_.empty()) {
        SDL_Event event;
        // Blocks: the program uses no CPU until something happens.
        if (SDL_WaitEvent(&event) == 0) {
            InputEvent close;
            close.type = InputEvent::Type::Close;
            return close;
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

void SdlBackend::translate(const SDL_Event& event) {
    switch (event.type) {
    case SDL_MOUSEBUTTONDOWN:
        if (event.button.button == SDL_BUTTON_LEFT) {
            pending_.push_back(pen_.press(event.button.x, event.button.y, event.button.timestamp));
        }
        break;
    case SDL_MOUSEBUTTONUP:
        if (event.button.button == SDL_BUTTON_LEFT && pen_.penDown()) {
            pending_.push_back(pen_.release(event.button.x, event.button.y));
        }
        break;
    case SDL_MOUSEMOTION:
        if (auto move = pen_.move(event.motion.x, event.motion.y)) {
            pending_.push_back(*move);
        }
        break;
    case SDL_MOUSEWHEEL: {
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
        break;
    }
    case SDL_KEYDOWN:
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
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
            InputEvent close;
            close.type = InputEvent::Type::Close;
            pending_.push_back(close);
        } else if (event.window.event == SDL_WINDOWEVENT_LEAVE) {
            if (auto away = pen_.leave()) {
                pending_.push_back(*away);
            }
        } else if (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
                   event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
            show();
        }
        break;
    case SDL_QUIT: {
        InputEvent close;
        close.type = InputEvent::Type::Close;
        pending_.push_back(close);
        break;
    }
    default:
        break;
    }
}

} // namespace

std::unique_ptr<Backend> createSdlBackend(int scale, std::string& error) {
    if (scale < 1) {
        scale = 1;
    }
    auto backend = std::make_unique<SdlBackend>(scale);
    if (!backend->open(error)) {
        return nullptr;
    }
    return backend;
}

} // namespace platform

// SDL opens a D-Bus connection with the window and, on purpose, never shuts
// libdbus down (other users of it in the process may still need it), so a
// buffer of libdbus stays allocated at exit. Read only by the leak checker of
// sanitizer builds; tells it that this one is not ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\n";
}
