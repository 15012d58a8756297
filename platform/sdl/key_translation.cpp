// SPDX-License-Identifier: MIT
#include "platform/sdl/key_translation.h"

#include "platform/messages.h"
#include "platform/utf.h"

namespace platform::sdl {
namespace {

std::optional<uint32_t> virtualKeyOf(const SDL_Keysym& key) {
    // Letters and digits by their place on the keyboard, so that Alt+N and
    // Y/N answers work the same with a Cyrillic layout.
    if (key.scancode >= SDL_SCANCODE_A && key.scancode <= SDL_SCANCODE_Z) {
        return static_cast<uint32_t>('A' + (key.scancode - SDL_SCANCODE_A));
    }
    if (key.scancode >= SDL_SCANCODE_1 && key.scancode <= SDL_SCANCODE_9) {
        return static_cast<uint32_t>('1' + (key.scancode - SDL_SCANCODE_1));
    }
    switch (key.sym) {
    case SDLK_0:
        return '0';
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return VK_RETURN;
    case SDLK_ESCAPE:
        return VK_ESCAPE;
    case SDLK_TAB:
        return VK_TAB;
    case SDLK_SPACE:
        return VK_SPACE;
    case SDLK_BACKSPACE:
        return VK_BACK;
    case SDLK_LEFT:
        return VK_LEFT;
    case SDLK_RIGHT:
        return VK_RIGHT;
    case SDLK_UP:
        return VK_UP;
    case SDLK_DOWN:
        return VK_DOWN;
    case SDLK_HOME:
        return VK_HOME;
    case SDLK_END:
        return VK_END;
    case SDLK_PAGEUP:
        return VK_PRIOR;
    case SDLK_PAGEDOWN:
        return VK_NEXT;
    case SDLK_F1:
        return VK_F1;
    case SDLK_F4:
        return VK_F4;
    default:
        return std::nullopt;
    }
}

InputEvent keyEvent(InputEvent::Type type, uint32_t code, bool alt) {
    InputEvent event;
    event.type = type;
    event.key = code;
    event.alt = alt;
    return event;
}

} // namespace

std::optional<InputEvent> keyPressEvent(const SDL_Keysym& key) {
    bool alt = (key.mod & KMOD_ALT) != 0;
    bool shift = (key.mod & KMOD_SHIFT) != 0;
    bool control = (key.mod & KMOD_CTRL) != 0;
    // The Menu key and Shift+F10 open the menu, as the pen held still does.
    if (key.sym == SDLK_APPLICATION || (shift && key.sym == SDLK_F10)) {
        InputEvent menu = keyEvent(InputEvent::Type::PenHold, 0, false);
        menu.x = -1;
        menu.y = -1;
        return menu;
    }
    // Ctrl+Shift+Z is the other way to say Ctrl+Y (redo).
    if (control && shift && key.scancode == SDL_SCANCODE_Z) {
        InputEvent redo = keyEvent(InputEvent::Type::Key, 'Y', alt);
        redo.control = true;
        return redo;
    }
    if (std::optional<uint32_t> code = virtualKeyOf(key)) {
        InputEvent event = keyEvent(InputEvent::Type::Key, *code, alt);
        event.control = (key.mod & KMOD_CTRL) != 0;
        return event;
    }
    // With Alt held no text arrives, so Alt with a punctuation key is
    // delivered as the character itself (Alt+/ opens About).
    if (alt && key.sym > SDLK_SPACE && key.sym < 0x7F) {
        return keyEvent(InputEvent::Type::Char, static_cast<uint32_t>(key.sym), true);
    }
    return std::nullopt;
}

std::vector<InputEvent> textInputEvents(std::string_view utf8) {
    std::vector<InputEvent> events;
    for (char16_t unit : utf16FromUtf8(utf8)) {
        events.push_back(keyEvent(InputEvent::Type::Char, unit, false));
    }
    return events;
}

} // namespace platform::sdl
