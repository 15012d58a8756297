// SPDX-License-Identifier: MIT
// Names in the settings file compare without regard to case. (The file is
// UTF-8 on disk; platform/utf.h converts.)
#pragma once

#include <string>
#include <string_view>

namespace platform::registry {

// Case folding for names: ASCII, Latin-1 and Cyrillic letters, which is what
// key and value names of this program and its users are written in.
char16_t foldCase(char16_t c);
bool equalNoCase(std::u16string_view a, std::u16string_view b);

} // namespace platform::registry
