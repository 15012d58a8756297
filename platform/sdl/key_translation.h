// SPDX-License-Identifier: MIT
// Keyboard events of the desktop window as the handheld's key and character
// input: virtual keys for the keys the program and its dialogs use,
// characters for typed text.
#pragma once

#include <SDL2/SDL.h>

#include <optional>
#include <string_view>
#include <vector>

#include "platform/backend.h"

namespace platform::sdl {

// The Key (or, for Alt with a punctuation key, Char) event of a key press,
// or nothing for a key the program has no use for.
std::optional<InputEvent> keyPressEvent(const SDL_Keysym& key);

// One Char event for each UTF-16 unit of typed text (UTF-8).
std::vector<InputEvent> textInputEvents(std::string_view utf8);

} // namespace platform::sdl
