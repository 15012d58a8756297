// SPDX-License-Identifier: MIT
// The small pieces of the settings file's text: blanks, line ends, quoted
// names, and the data of a value after its '='.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/registry/regedit_file.h"

namespace platform::registry {

// Without the spaces and tabs at the start, or at the end.
std::string_view trimLeft(std::string_view s);
std::string_view trimRight(std::string_view s);
// The line without its end ("\n", "\r\n" or "\r").
std::string_view lineBody(std::string_view raw);
// Whether s starts with the lower-case ASCII prefix, in either case.
bool startsWithNoCase(std::string_view s, std::string_view prefix);
// A quoted string with \\ and \" escapes, starting at text[0] == '"'.
// Returns the unescaped bytes and sets `consumed` to the length of the token.
std::optional<std::string> parseQuoted(std::string_view text, size_t& consumed);
// What follows the '=' of a value line: dword, a quoted string, hex or
// hex(N); nothing when it is none of them.
std::optional<StoredValue> parseValueData(std::string_view data);

} // namespace platform::registry
