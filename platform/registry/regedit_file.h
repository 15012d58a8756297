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

// What an entry of the file is: a section header, a value (on one line or
// continued over several), or anything else (a run of blank lines, or of
// lines not understood, is one entry).
enum class EntryKind : uint8_t { Other, Section, Value };

class RegeditDocument {
  public:
    explicit RegeditDocument(std::string_view text);

    std::string text() const;
    // Whether text() would be this text, without making it.
    bool hasText(std::string_view text) const;

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
    // An entry is a stretch of the text as read, or text of its own (a line
    // written or changed since). What a value says is read from its text
    // when asked; only the keys of sections are kept, so a document takes
    // little more memory than its text.
    struct Entry {
        uint32_t begin = 0; // in text_, or an index in written_
        uint32_t length = 0;
        uint32_t key = 0; // an own section's index in keys_
        EntryKind kind = EntryKind::Other;
        bool ownSection = false; // a section header under HKEY_CURRENT_USER
        bool openEnded = false;  // hex data whose last line asks for one more
        bool written = false;
    };

    void scan();
    std::string_view raw(const Entry& entry) const;
    void rewrite(Entry& entry, std::string raw);
    // Value entries of that name in the key's sections, in file order.
    std::vector<size_t> valueEntries(const KeyPath& key, std::u16string_view name) const;
    // Position after which a new value of the key goes, if it has a section.
    std::optional<size_t> endOfLastSection(const KeyPath& key) const;
    size_t appendSection(const KeyPath& key);
    // Returns where the line went.
    size_t insertLine(size_t position, std::string raw);

    std::string text_;
    std::vector<std::string> written_;
    std::vector<KeyPath> keys_;
    std::vector<Entry> entries_;
    std::string newline_ = "\n";
};

} // namespace platform::registry
