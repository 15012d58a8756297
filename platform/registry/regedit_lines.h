// SPDX-License-Identifier: MIT
// Reading and writing single entries of the settings file.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry/regedit_file.h"

namespace platform::registry {

// The entry of the text that starts at `at`: one line with its end, or a
// value whose hex data goes on over lines ending in a backslash (each line's
// own last character says whether another follows; a line that starts a
// value or a section is never part of the one above). Sets `kind`, and
// `openEnded` when the last line of the value asks for one more. Returns
// where the text goes on.
size_t scanEntry(std::string_view text, size_t at, EntryKind& kind, bool& openEnded);

// The key of a section header under HKEY_CURRENT_USER; nothing for another
// root, a deletion "[-...]" or a broken header.
std::optional<KeyPath> sectionKey(std::string_view raw);

// What a value entry says: its name as written ("\"back\"" or "@"), its
// name, and its data when that is understood.
struct ValueEntry {
    std::string nameToken;
    std::u16string name;
    std::optional<StoredValue> value;
};
// A value entry as scanned (`raw` starts with its name, blanks aside).
ValueEntry readValueEntry(std::string_view raw);
// Only the name of a value entry.
std::u16string valueEntryName(std::string_view raw);

// One entry of the text, everything understood: for a look at a whole file.
struct RegeditLine {
    std::string raw; // exact bytes, line ends included
    EntryKind kind = EntryKind::Other;
    bool ownSection = false; // a section header under HKEY_CURRENT_USER
    KeyPath key;
    std::u16string name;
    std::optional<StoredValue> value; // unset when the data is not understood
};
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
