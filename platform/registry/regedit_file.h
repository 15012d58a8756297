// SPDX-License-Identifier: MIT
// The settings file in the registry-export text format:
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\Software\qm\tlx]
//   "back"=dword:00000002
//
// A document keeps every line byte for byte and understands what it can:
// section headers under HKEY_CURRENT_USER and "name"=value lines (dword,
// quoted string, hex and hex(N)). Anything else - comments, other roots,
// deletions, junk - is carried along untouched, and a value line that cannot
// be understood reads as absent and is kept as it is. Lines end in LF, CR LF
// or a lone CR; an edit rewrites only the line it concerns.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::registry {

// A key below HKEY_CURRENT_USER as its path components; empty is the root.
using KeyPath = std::vector<std::u16string>;

// "Software\qm\tlx" into its components; empty components are dropped.
KeyPath splitKeyPath(std::u16string_view path);
// Component by component, without regard to case.
bool sameKey(const KeyPath& a, const KeyPath& b);

struct StoredValue {
    uint32_t type = 0;
    std::vector<uint8_t> data;
};

// One line of the file as read, or a value continued over several lines.
struct RegeditLine {
    enum class Kind { Other, Section, Value };
    std::string raw; // exact bytes, line ends included
    Kind kind = Kind::Other;
    bool ownSection = false; // a section header under HKEY_CURRENT_USER
    KeyPath key;
    std::string nameToken; // the name as written: "\"back\"" or "@"
    std::u16string name;
    std::optional<StoredValue> value; // unset when the data is not understood
    bool openEnded = false;           // hex data whose last line asks for one more
};

class RegeditDocument {
  public:
    explicit RegeditDocument(std::string_view text);

    std::string text() const;

    // A key exists when it has a section, or a section lies below it.
    bool keyExists(const KeyPath& key) const;
    // The last understood line of that name in any section of the key.
    std::optional<StoredValue> findValue(const KeyPath& key, std::u16string_view name) const;
    // Adds an empty section for the key unless it has one; true when added.
    bool addSection(const KeyPath& key);
    // Rewrites the line the value is read from in place (keeping the name as
    // it was written); otherwise adds a line at the end of the key's last
    // section, adding the section when there is none. No other line changes.
    void setValue(const KeyPath& key, std::u16string_view name, const StoredValue& value);

  private:
    // Value lines of that name in the key's sections, in file order.
    std::vector<size_t> valueLines(const KeyPath& key, std::u16string_view name) const;
    // Position after which a new value of the key goes, if it has a section.
    std::optional<size_t> endOfLastSection(const KeyPath& key) const;
    size_t appendSection(const KeyPath& key);
    // Returns where the line went.
    size_t insertLine(size_t position, std::string raw);

    std::vector<RegeditLine> lines_;
    std::string newline_ = "\n";
};

} // namespace platform::registry
