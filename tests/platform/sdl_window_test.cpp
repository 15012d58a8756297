// SPDX-License-Identifier: MIT
// The desktop window backend: refusing to start without a display, and the
// translation of SDL's presses and keys into the handheld's input (run on
// SDL's invisible driver, asked for by name).
#include <gtest/gtest.h>

#include <SDL2/SDL.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/messages.h"
#include "platform/sdl/key_translation.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/testing.h"
#include "platform/window_api.h"
#include "platform_support.h"

namespace {

using platform_testing::ScopedEnvironment;

using platform::InputEvent;
using Type = InputEvent::Type;

TEST(SdlWindow, WithoutADisplayTheWindowIsRefusedWithAnError) {
    ScopedEnvironment noX("DISPLAY", nullptr);
    ScopedEnvironment noWayland("WAYLAND_DISPLAY", nullptr);
    ScopedEnvironment noDriver("SDL_VIDEODRIVER", nullptr);
    std::string error;
    auto backend = platform::createSdlBackend(2, error);
    EXPECT_EQ(backend, nullptr);
    EXPECT_NE(error.find("display"), std::string::npos) << error;
}

// One window for every test, kept to the end of the run as the program keeps
// its own: shutting SDL's video down unloads the graphics libraries it loaded,
// and the sanitizers would then count their memory as leaked.
class SdlEvents : public ::testing::Test {
  protected:
    static platform::Backend* backend;

    static void SetUpTestSuite() {
        if (backend != nullptr) {
            return;
        }
        ScopedEnvironment driver{"SDL_VIDEODRIVER", "offscreen"};
        std::string error;
        backend = platform::createSdlBackend(2, error).release();
        ASSERT_NE(backend, nullptr) << error;
    }

    void SetUp() override {
        ASSERT_NE(backend, nullptr);
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }

    static void push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 1); }
    static void pushButton(Uint32 type, int x, int y, Uint32 time) {
        SDL_Event event{};
        event.type = type;
        event.button.button = SDL_BUTTON_LEFT;
        event.button.x = x;
        event.button.y = y;
        event.button.timestamp = time;
        push(event);
    }
};

platform::Backend* SdlEvents::backend = nullptr;

// A press held past the gesture time over the table is a hold, never a
// press: nothing of it reaches the window under the pen (a card selected is
// not played) but the hold and the lift. Anywhere else (the strip along the
// top, a dialog over the table) the held press is the press it is.
TEST_F(SdlEvents, AHeldPressIsAHoldOnlyOverTheTable) {
    struct Case {
        const char* what;
        int x, y; // in the window, at twice the screen's size
        bool dialogOpen;
        Type first;
    };
    const Case cases[] = {
        {"the table", 101, 161, false, Type::PenHold},
        {"the strip along the top", 101, 21, false, Type::PenDown},
        {"a dialog over the table", 101, 161, true, Type::PenDown},
        {"the table beside the dialog", 101, 601, true, Type::PenDown},
    };
    for (const Case& c : cases) {
        platform_testing::resetPlatform();
        HWND table = platform_testing::recordingWindow(u"table", 0, WS_VISIBLE, {0, 0, 240, 320});
        platform_testing::recordingWindow(u"strip", 0, WS_VISIBLE | WS_CHILD, {0, 0, 240, 25},
                                          table);
        if (c.dialogOpen) {
            CreateWindowExW(0, u"strip", u"", WS_VISIBLE, 20, 60, 200, 100, table, nullptr, nullptr,
                            nullptr);
            EnableWindow(table, FALSE);
        }
        pushButton(SDL_MOUSEBUTTONDOWN, c.x, c.y, 5000);
        const InputEvent first = backend->waitEvent();
        EXPECT_EQ(first.type, c.first) << c.what;
        EXPECT_EQ(first.x, c.x / 2) << c.what;
        pushButton(SDL_MOUSEBUTTONUP, c.x, c.y, 5700);
        EXPECT_EQ(backend->waitEvent().type, Type::PenUp) << c.what;
    }
    platform_testing::resetPlatform();
}

TEST_F(SdlEvents, MousePressesArePenPressesAtScreenPixels) {
    pushButton(SDL_MOUSEBUTTONDOWN, 101, 61, 1000);
    pushButton(SDL_MOUSEBUTTONUP, 101, 61, 1050);
    pushButton(SDL_MOUSEBUTTONDOWN, 102, 62, 1200);
    pushButton(SDL_MOUSEBUTTONUP, 102, 62, 1250);
    InputEvent down = backend->waitEvent();
    EXPECT_EQ(down.type, Type::PenDown);
    EXPECT_EQ(down.x, 50);
    EXPECT_EQ(down.y, 30);
    EXPECT_EQ(backend->waitEvent().type, Type::PenUp);
    InputEvent second = backend->waitEvent();
    EXPECT_EQ(second.type, Type::PenDoubleTap);
    EXPECT_EQ(second.x, 51);
    EXPECT_EQ(backend->waitEvent().type, Type::PenUp);
}

SDL_Keysym keysym(SDL_Scancode scancode, SDL_Keycode sym, Uint16 mod) {
    SDL_Keysym key{};
    key.scancode = scancode;
    key.sym = sym;
    key.mod = mod;
    return key;
}

struct KeyCase {
    SDL_Keysym key;
    Type type;
    uint32_t code;
    bool alt;
};

TEST(SdlKeys, TheAcceleratorKeysAndTheKeysOfBoxesAndDialogs) {
    const KeyCase cases[] = {
        {keysym(SDL_SCANCODE_N, SDLK_n, KMOD_LALT), Type::Key, 'N', true},
        {keysym(SDL_SCANCODE_F4, SDLK_F4, KMOD_RALT), Type::Key, VK_F4, true},
        {keysym(SDL_SCANCODE_SLASH, SDLK_SLASH, KMOD_LALT), Type::Char, '/', true},
        {keysym(SDL_SCANCODE_RETURN, SDLK_RETURN, KMOD_NONE), Type::Key, VK_RETURN, false},
        {keysym(SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, KMOD_NONE), Type::Key, VK_ESCAPE, false},
        {keysym(SDL_SCANCODE_TAB, SDLK_TAB, KMOD_LSHIFT), Type::Key, VK_TAB, false},
        {keysym(SDL_SCANCODE_SPACE, SDLK_SPACE, KMOD_NONE), Type::Key, VK_SPACE, false},
        {keysym(SDL_SCANCODE_Y, SDLK_y, KMOD_NONE), Type::Key, 'Y', false},
        // A Cyrillic layout: the key of Y types "н" but is still Y.
        {keysym(SDL_SCANCODE_Y, 0x043D, KMOD_NONE), Type::Key, 'Y', false},
    };
    for (const KeyCase& keyCase : cases) {
        auto event = platform::sdl::keyPressEvent(keyCase.key);
        ASSERT_TRUE(event.has_value()) << "key " << keyCase.code;
        EXPECT_EQ(event->type, keyCase.type) << "key " << keyCase.code;
        EXPECT_EQ(event->key, keyCase.code);
        EXPECT_EQ(event->alt, keyCase.alt) << "key " << keyCase.code;
    }
}

TEST(SdlKeys, KeysWithoutAUseGiveNothing) {
    EXPECT_FALSE(platform::sdl::keyPressEvent(keysym(SDL_SCANCODE_F2, SDLK_F2, KMOD_NONE)));
    EXPECT_FALSE(platform::sdl::keyPressEvent(keysym(SDL_SCANCODE_SLASH, SDLK_SLASH, KMOD_NONE)));
    EXPECT_FALSE(platform::sdl::keyPressEvent(keysym(SDL_SCANCODE_LALT, SDLK_LALT, KMOD_LALT)));
}

} // namespace
