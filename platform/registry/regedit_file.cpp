// SPDX-License-Identifier: MIT
#include "platform/registry/regedit_file.h"

#include <algorithm>
#include <limits>

#include "platform/registry/regedit_lines.h"
#include "platform/registry/registry_text.h"

namespace platform::registry {

namespace {

// The line end of the line, or "" for a last line without one.
std::string lineEnd(std::string_view raw) {
    if (raw.ends_with("\r\n")) {
        return "\r\n";
    }
    if (raw.ends_with('\n')) {
        return "\n";
    }
    if (raw.ends_with('\r')) {
        return "\r"; // the old style of some editors
    }
    return "";
}

bool isPrefixOf(const KeyPath& prefix, const KeyPath& key) {
    if (prefix.size() > key.size()) {
        return false;
    }
    return std::equal(
        prefix.begin(), prefix.end(), key.begin(),
        [](const std::u16string& a, const std::u16string& b) { return equalNoCase(a, b); });
}

} // namespace

KeyPath splitKeyPath(std::u16string_view path) {
    KeyPath key;
    while (!path.empty()) {
        size_t slash = path.find(u'\\');
        std::u16string_view part = path.substr(0, slash);
        if (!part.empty()) {
            key.emplace_back(part);
        }
        if (slash == std::u16string_view::npos) {
            break;
        }
        path.remove_prefix(slash + 1);
    }
    return key;
}

bool sameKey(const KeyPath& a, const KeyPath& b) {
    return a.size() == b.size() && isPrefixOf(a, b);
}

RegeditDocument::RegeditDocument(std::string_view text) : text_(text) {
    scan();
    // New lines follow the file's own line ends, as its first entry has them.
    if (!entries_.empty() && !lineEnd(raw(entries_.front())).empty()) {
        newline_ = lineEnd(raw(entries_.front()));
    }
}

void RegeditDocument::scan() {
    if (text_.size() > std::numeric_limits<uint32_t>::max()) {
        // Far past any file that is read: kept, and not understood.
        written_.push_back(std::move(text_));
        entries_.push_back(Entry{0, 0, 0, EntryKind::Other, false, false, true});
        return;
    }
    bool lastBlank = false; // of the last entry, when it is an Other one
    for (size_t at = 0; at < text_.size();) {
        Entry entry;
        size_t end = scanEntry(text_, at, entry.kind, entry.openEnded);
        entry.begin = static_cast<uint32_t>(at);
        entry.length = static_cast<uint32_t>(end - at);
        at = end;
        if (entry.kind == EntryKind::Section) {
            if (std::optional<KeyPath> key = sectionKey(raw(entry))) {
                entry.ownSection = true;
                entry.key = static_cast<uint32_t>(keys_.size());
                keys_.push_back(std::move(*key));
            }
        }
        // A run of blank lines, or of lines not understood, is one entry.
        bool other = entry.kind == EntryKind::Other;
        bool blank = other && isBlankLine(raw(entry));
        if (other && !entries_.empty() && entries_.back().kind == EntryKind::Other &&
            lastBlank == blank) {
            entries_.back().length += entry.length;
        } else {
            entries_.push_back(entry);
            lastBlank = blank;
        }
    }
    entries_.shrink_to_fit();
}

std::string_view RegeditDocument::raw(const Entry& entry) const {
    if (entry.written) {
        return written_[entry.begin];
    }
    return std::string_view(text_).substr(entry.begin, entry.length);
}

void RegeditDocument::rewrite(Entry& entry, std::string raw) {
    if (entry.written) {
        written_[entry.begin] = std::move(raw);
        return;
    }
    entry.written = true;
    entry.begin = static_cast<uint32_t>(written_.size());
    written_.push_back(std::move(raw));
}

std::string RegeditDocument::text() const {
    size_t size = 0;
    for (const Entry& entry : entries_) {
        size += raw(entry).size();
    }
    std::string out;
    out.reserve(size);
    for (const Entry& entry : entries_) {
        out += raw(entry);
    }
    return out;
}

bool RegeditDocument::hasText(std::string_view text) const {
    for (const Entry& entry : entries_) {
        std::string_view part = raw(entry);
        if (!text.starts_with(part)) {
            return false;
        }
        text.remove_prefix(part.size());
    }
    return text.empty();
}

bool RegeditDocument::keyExists(const KeyPath& key) const {
    if (key.empty()) {
        return true;
    }
    return std::any_of(entries_.begin(), entries_.end(), [&](const Entry& entry) {
        return entry.ownSection && isPrefixOf(key, keys_[entry.key]);
    });
}

std::vector<size_t> RegeditDocument::valueEntries(const KeyPath& key,
                                                  std::u16string_view name) const {
    std::vector<size_t> found;
    bool inKey = false;
    for (size_t i = 0; i < entries_.size(); ++i) {
        const Entry& entry = entries_[i];
        if (entry.kind == EntryKind::Section) {
            inKey = entry.ownSection && sameKey(keys_[entry.key], key);
        } else if (inKey && entry.kind == EntryKind::Value &&
                   equalNoCase(valueEntryName(raw(entry)), name)) {
            found.push_back(i);
        }
    }
    return found;
}

std::optional<StoredValue> RegeditDocument::findValue(const KeyPath& key,
                                                      std::u16string_view name) const {
    std::vector<size_t> found = valueEntries(key, name);
    for (auto index = found.rbegin(); index != found.rend(); ++index) {
        if (std::optional<StoredValue> value = readValueEntry(raw(entries_[*index])).value) {
            return value;
        }
    }
    return std::nullopt;
}

std::optional<size_t> RegeditDocument::endOfLastSection(const KeyPath& key) const {
    std::optional<size_t> end;
    bool inKey = false;
    for (size_t i = 0; i < entries_.size(); ++i) {
        const Entry& entry = entries_[i];
        if (entry.kind == EntryKind::Section) {
            inKey = entry.ownSection && sameKey(keys_[entry.key], key);
            if (inKey) {
                end = i;
            }
        } else if (inKey && !isBlankLine(raw(entry))) {
            end = i;
        }
    }
    return end;
}

size_t RegeditDocument::insertLine(size_t position, std::string line) {
    // The line before may be the last of the file, without a line end.
    if (position > 0 && lineEnd(raw(entries_[position - 1])).empty()) {
        rewrite(entries_[position - 1], std::string(raw(entries_[position - 1])) + newline_);
    }
    auto at = [this](size_t index) {
        return entries_.begin() + static_cast<std::ptrdiff_t>(index);
    };
    // A value continued at the file's end would take the new line as its
    // own: an empty line ends it first.
    if (position > 0 && entries_[position - 1].openEnded) {
        entries_[position - 1].openEnded = false;
        Entry ending;
        rewrite(ending, newline_);
        entries_.insert(at(position), ending);
        ++position;
    }
    // A lone CR before an LF would make one line end of the two.
    if (line.ends_with('\r') && position < entries_.size() &&
        raw(entries_[position]).starts_with('\n')) {
        line += '\n';
    }
    Entry entry;
    rewrite(entry, std::move(line));
    entries_.insert(at(position), entry);
    return position;
}

size_t RegeditDocument::appendSection(const KeyPath& key) {
    bool empty = std::all_of(entries_.begin(), entries_.end(),
                             [this](const Entry& entry) { return isBlankLine(raw(entry)); });
    // A file of blank lines is new to the program: it gets the header, and
    // its blank lines stay.
    if (empty) {
        insertLine(0, "REGEDIT4" + newline_);
    }
    if (!isBlankLine(raw(entries_.back()))) {
        insertLine(entries_.size(), newline_);
    }
    insertLine(entries_.size(), formatSectionHeader(key) + newline_);
    Entry& header = entries_.back();
    header.kind = EntryKind::Section;
    header.ownSection = true;
    header.key = static_cast<uint32_t>(keys_.size());
    keys_.push_back(key);
    return entries_.size() - 1;
}

bool RegeditDocument::addSection(const KeyPath& key) {
    bool present = std::any_of(entries_.begin(), entries_.end(), [&](const Entry& entry) {
        return entry.ownSection && sameKey(keys_[entry.key], key);
    });
    if (present) {
        return false;
    }
    appendSection(key);
    return true;
}

void RegeditDocument::setValue(const KeyPath& key, std::u16string_view name,
                               const StoredValue& value) {
    std::vector<size_t> existing = valueEntries(key, name);
    auto read = std::find_if(existing.rbegin(), existing.rend(), [&](size_t index) {
        return readValueEntry(raw(entries_[index])).value.has_value();
    });
    if (read != existing.rend()) {
        Entry& entry = entries_[*read];
        // A continued value ends on the line end of its last line.
        std::string line = readValueEntry(raw(entry)).nameToken + "=" + formatValueData(value) +
                           lineEnd(raw(entry));
        rewrite(entry, std::move(line));
        entry.openEnded = false;
        return;
    }
    std::optional<size_t> end = endOfLastSection(key);
    size_t position = end ? *end + 1 : appendSection(key) + 1;
    position =
        insertLine(position, formatValueName(name) + "=" + formatValueData(value) + newline_);
    entries_[position].kind = EntryKind::Value;
}

} // namespace platform::registry
