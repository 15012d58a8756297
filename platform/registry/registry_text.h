// Text helpers of the settings file: it is kept as UTF-8 on disk while the
// registry calls speak UTF-16, and names compare without regard to case.
#pragma once

#include <string>
#include <string_view>

namespace platform::registry {

// Invalid bytes become U+FFFD, so junk in the file never stops a read.
std::u16string utf8ToUtf16(std::string_view text);
// Unpaired surrogates become U+FFFD.
std::string utf16ToUtf8(std::u16string_view text);

// Case folding for names: ASCII, Latin-1 and Cyrillic letters, which is what
// key and value names of this program and its users are written in.
char16_t foldCase(char16_t c);
bool equalNoCase(std::u16string_view a, std::u16string_view b);

} // namespace platform::registry
