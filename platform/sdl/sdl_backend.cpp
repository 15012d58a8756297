// The desktop window: the 240 x 320 screen shown at the largest whole scale
// the window holds, centred on bars of the table colour; the mouse as the pen
// and the keyboard as the handheld's keys. The picture goes straight to the
// window's own surface: no renderer, so no GL stack is loaded.
#include "platform/sdl/sdl_backend.h"

#include <algorithm>
#include <clocale>
#include <deque>
#include <string_view>

#include "platform/registry_api.h"
#include "platform/resource_api.h"
#include "platform/screen.h"
#include "platform/sdl/key_translation.h"
#include "platform/sdl/pen_tracker.h"
#include "platform/sdl/sdl_handles.h"
#include "platform/utf.h"

namespace platform {
namespace {

constexpr int PROGRAM_ICON_ID = 101;
constexpr int MAX_SCALE = 8;

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

// The window's scale is kept with the program's settings, as a value of our
// own next to the handheld's.
constexpr LPCWSTR SETTINGS_KEY = u"Software\\qm\\tlx";
constexpr LPCWSTR SCALE_VALUE = u"scale";

int storedScale() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, SETTINGS_KEY, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return 0;
    }
    DWORD value = 0;
    DWORD type = REG_NONE;
    DWORD size = 4;
    LSTATUS status =
        RegQueryValueExW(key, SCALE_VALUE, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    bool usable = status == ERROR_SUCCESS && type == REG_DWORD && size == 4 && value >= 1 &&
                  value <= MAX_SCALE;
    return usable ? static_cast<int>(value) : 0;
}

void storeScale(int scale) {
    HKEY key = nullptr;
    WCHAR noClass[] = u"";
    DWORD disposition = 0;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, SETTINGS_KEY, 0, noClass, 0, KEY_ALL_ACCESS, nullptr,
                        &key, &disposition) != ERROR_SUCCESS) {
        return;
    }
    DWORD value = static_cast<DWORD>(scale);
    RegSetValueExW(key, SCALE_VALUE, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4);
    RegCloseKey(key);
}

// Where the picture lies in a window of the given size: the largest whole
// scale that fits (at least 1), centred.
struct View {
    int scale = 1;
    int left = 0;
    int top = 0;
};

int fittingScale(int width, int height) {
    return std::clamp(std::min(width / SCREEN_WIDTH, height / SCREEN_HEIGHT), 1, MAX_SCALE);
}

View viewFor(int width, int height) {
    View view;
    view.scale = fittingScale(width, height);
    view.left = (width - SCREEN_WIDTH * view.scale) / 2;
    view.top = (height - SCREEN_HEIGHT * view.scale) / 2;
    return view;
}

// The largest scale whose window fits the desktop's usable area.
int desktopScale() {
    SDL_Rect usable{};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) {
        return 1;
    }
    return fittingScale(usable.w, usable.h);
}

class SdlBackend final : public Backend {
  public:
    explicit SdlBackend(int scale) : scale_(scale), pen_(scale, SCREEN_WIDTH, SCREEN_HEIGHT) {}

    bool open(std::string& error);

    InputEvent waitEvent() override;
    void present(const Surface& screen) override;
    void setTitle(const std::u16string& title) override;
    void setBackdrop(uint32_t pixel) override;

  private:
    void translate(const SDL_Event& event);
    void takeFollowingMoves(SDL_Event& event);
    bool windowKey(const SDL_Keysym& key);
    void show();
    void drawPicture(SDL_Surface* target, const View& view);
    void setIcon();
    void rememberScale();

    int scale_; // 0: the stored one, else the largest that fits
    sdl::VideoSubsystem video_;
    sdl::WindowHandle window_;
    sdl::PenTracker pen_;
    Surface shown_{SCREEN_WIDTH, SCREEN_HEIGHT, 0xFFFFFF};
    uint32_t backdrop_ = 0x000000;
    int rememberedScale_ = 0;
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
    // The window's own surface, never a GL texture standing in for it.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // The close button is the program's own Exit (it may close an open
    // dialog first), not an immediate end of the run.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    rememberedScale_ = storedScale();
    int fits = desktopScale();
    int scale = scale_ > 0 ? scale_ : (rememberedScale_ > 0 ? rememberedScale_ : fits);
    scale = std::clamp(scale, 1, fits);
    window_.reset(SDL_CreateWindow("Talonix", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                   SCREEN_WIDTH * scale, SCREEN_HEIGHT * scale,
                                   SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE));
    if (!window_) {
        error = sdlError("cannot create the window");
        return false;
    }
    SDL_SetWindowMinimumSize(window_.get(), SCREEN_WIDTH, SCREEN_HEIGHT);
    if (SDL_GetWindowSurface(window_.get()) == nullptr) {
        error = sdlError("cannot draw into the window");
        return false;
    }
    setIcon();
    SDL_StartTextInput();
    present(shown_);
    rememberScale();
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

// The scale of a window in its own size, stored when it changes; a full
// screen window keeps the scale it had before.
void SdlBackend::rememberScale() {
    if ((SDL_GetWindowFlags(window_.get()) & SDL_WINDOW_FULLSCREEN) != 0) {
        return;
    }
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window_.get(), &width, &height);
    int scale = fittingScale(width, height);
    if (scale != rememberedScale_) {
        storeScale(scale);
        rememberedScale_ = scale;
    }
}

void SdlBackend::present(const Surface& screen) {
    if (screen.width == SCREEN_WIDTH && screen.height == SCREEN_HEIGHT) {
        shown_ = screen;
    }
    show();
}

// Set while the table is painted; shown with the picture that follows.
void SdlBackend::setBackdrop(uint32_t pixel) {
    backdrop_ = pixel;
}

void SdlBackend::show() {
    SDL_Surface* target = SDL_GetWindowSurface(window_.get());
    if (target == nullptr) {
        return;
    }
    View view = viewFor(target->w, target->h);
    pen_.setView(view.scale, view.left, view.top);
    drawPicture(target, view);
    SDL_UpdateWindowSurface(window_.get());
}

// Every screen pixel becomes a square of scale window pixels, so pixel art
// stays crisp.
void SdlBackend::drawPicture(SDL_Surface* target, const View& view) {
    auto mapped = [target](uint32_t pixel) {
        return SDL_MapRGB(target->format, static_cast<Uint8>(pixel >> 16),
                          static_cast<Uint8>(pixel >> 8), static_cast<Uint8>(pixel));
    };
    SDL_FillRect(target, nullptr, mapped(backdrop_));
    int scale = view.scale;
    if (target->format->BytesPerPixel != 4) {
        // Rare displays of other depths: SDL converts, one square at a time.
        for (int y = 0; y < SCREEN_HEIGHT; ++y) {
            for (int x = 0; x < SCREEN_WIDTH; ++x) {
                SDL_Rect square{view.left + x * scale, view.top + y * scale, scale, scale};
                SDL_FillRect(target, &square, mapped(shown_.at(x, y)));
            }
        }
        return;
    }
    bool direct = target->format->format == SDL_PIXELFORMAT_RGB888 ||
                  target->format->format == SDL_PIXELFORMAT_ARGB8888;
    if (SDL_MUSTLOCK(target) && SDL_LockSurface(target) != 0) {
        return;
    }
    std::vector<Uint32> row(static_cast<size_t>(SCREEN_WIDTH * scale));
    for (int y = 0; y < SCREEN_HEIGHT; ++y) {
        for (int x = 0; x < SCREEN_WIDTH; ++x) {
            uint32_t pixel = shown_.at(x, y);
            Uint32 value = direct ? (pixel | target->format->Amask) : mapped(pixel);
            std::fill_n(row.begin() + static_cast<ptrdiff_t>(x * scale), scale, value);
        }
        for (int repeat = 0; repeat < scale; ++repeat) {
            int windowY = view.top + y * scale + repeat;
            if (windowY < 0 || windowY >= target->h) {
                continue;
            }
            auto* line = reinterpret_cast<Uint32*>(static_cast<Uint8*>(target->pixels) +
                                                   static_cast<ptrdiff_t>(windowY) * target->pitch);
            int from = std::max(0, -view.left);
            int to = std::min(SCREEN_WIDTH * scale, target->w - view.left);
            if (from < to) {
                std::copy(row.begin() + from, row.begin() + to, line + view.left + from);
            }
        }
    }
    if (SDL_MUSTLOCK(target)) {
        SDL_UnlockSurface(target);
    }
}

// The window manager shows the game's variant and the program's name; the
// window text itself stays the game's.
// Under X11 the title's characters must exist in the character set of the
// C library's locale, or the window manager gets no UTF-8 title: in the
// plain C locale the dash is lost. The title is set under a UTF-8 locale.
void SdlBackend::setTitle(const std::u16string& title) {
    std::string shown = title.empty() ? "Talonix" : utf8FromUtf16(title) + " \u2014 Talonix";
    const char* current = std::setlocale(LC_CTYPE, nullptr);
    std::string previous = current != nullptr ? current : "C";
    bool switched = std::setlocale(LC_CTYPE, "C.UTF-8") != nullptr;
    SDL_SetWindowTitle(window_.get(), shown.c_str());
    if (switched) {
        std::setlocale(LC_CTYPE, previous.c_str());
    }
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

// F11 and Alt+Enter switch between a window and the full screen; the game
// never sees them.
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
        if (event.button.button == SDL_BUTTON_LEFT) {
            if (auto down = pen_.press(event.button.x, event.button.y, event.button.timestamp)) {
                pending_.push_back(*down);
            }
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
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
            InputEvent close;
            close.type = InputEvent::Type::Close;
            pending_.push_back(close);
        } else if (event.window.event == SDL_WINDOWEVENT_LEAVE) {
            if (auto away = pen_.leave()) {
                pending_.push_back(*away);
            }
        } else if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
            show();
            rememberScale();
        } else if (event.window.event == SDL_WINDOWEVENT_EXPOSED) {
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

bool environmentHas(const char* name) {
    const char* value = SDL_getenv(name);
    return value != nullptr && *value != '\0';
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

// SDL opens a D-Bus connection with the window and, on purpose, never shuts
// libdbus down (other users of it in the process may still need it), so a
// buffer of libdbus stays allocated at exit. Read only by the leak checker of
// sanitizer builds; tells it that this one is not ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\n";
}
