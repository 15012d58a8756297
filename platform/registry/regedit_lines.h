// SPDX-License-Identifier: MIT
// Reading and writing single lines of the settings file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/registry/regedit_file.h"

namespace platform::registry {

// Splits the text into lines (a hex value continued with a trailing
// backslash stays one line, and so does a run of blank lines or of lines
// not understood) and understands what it can of each.
std::vector<RegeditLine> parseRegeditLines(std::string_view text);

// "[HKEY_CURRENT_USER\Software\qm\tlx]", without the line end.
std::string formatSectionHeader(const KeyPath& key);
// "\"back\"", or "@" for the unnamed value.
std::string formatValueName(std::u16string_view name);
// What follows the '=' for a dword: "dword:0000000a". The program stores
// nothing else; other kinds in the file are read, and kept as written.
std::string formatValueData(const StoredValue& value);

// Blank or white space only, line ends aside (one line or several).
bool isBlankLine(std::string_view raw);

} // namespace platform::registry
