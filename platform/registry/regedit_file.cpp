// SPDX-License-Identifier: MIT
#include "platform/registry/regedit_file.h"

#include <algorithm>

#include "platform/registry/regedit_lines.h"
#include "platform/registry/registry_text.h"

namespace platform::registry {

namespace {

// The line end of the line, or "" for a last line without one.
std::string lineEnd(const std::string& raw) {
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

RegeditDocument::RegeditDocument(std::string_view text) : lines_(parseRegeditLines(text)) {
    // New lines follow the file's own line ends, as its first line has them.
    if (!lines_.empty() && !lineEnd(lines_.front().raw).empty()) {
        newline_ = lineEnd(lines_.front().raw);
    }
}

std::string RegeditDocument::text() const {
    std::string out;
    for (const RegeditLine& line : lines_) {
        out += line.raw;
    }
    return out;
}

bool RegeditDocument::keyExists(const KeyPath& key) const {
    if (key.empty()) {
        return true;
    }
    return std::any_of(lines_.begin(), lines_.end(), [&](const RegeditLine& line) {
        return line.ownSection && isPrefixOf(key, line.key);
    });
}

std::vector<size_t> RegeditDocument::valueLines(const KeyPath& key,
                                                std::u16string_view name) const {
    std::vector<size_t> found;
    bool inKey = false;
    for (size_t i = 0; i < lines_.size(); ++i) {
        const RegeditLine& line = lines_[i];
        if (line.kind == RegeditLine::Kind::Section) {
            inKey = line.ownSection && sameKey(line.key, key);
        } else if (inKey && line.kind == RegeditLine::Kind::Value && equalNoCase(line.name, name)) {
            found.push_back(i);
        }
    }
    return found;
}

std::optional<StoredValue> RegeditDocument::findValue(const KeyPath& key,
                                                      std::u16string_view name) const {
    std::optional<StoredValue> result;
    for (size_t index : valueLines(key, name)) {
        if (lines_[index].value) {
            result = lines_[index].value;
        }
    }
    return result;
}

std::optional<size_t> RegeditDocument::endOfLastSection(const KeyPath& key) const {
    std::optional<size_t> end;
    bool inKey = false;
    for (size_t i = 0; i < lines_.size(); ++i) {
        const RegeditLine& line = lines_[i];
        if (line.kind == RegeditLine::Kind::Section) {
            inKey = line.ownSection && sameKey(line.key, key);
            if (inKey) {
                end = i;
            }
        } else if (inKey && !isBlankLine(line.raw)) {
            end = i;
        }
    }
    return end;
}

size_t RegeditDocument::insertLine(size_t position, std::string raw) {
    // The line before may be the last of the file, without a line end.
    if (position > 0 && lineEnd(lines_[position - 1].raw).empty()) {
        lines_[position - 1].raw += newline_;
    }
    // A value continued at the file's end would take the new line as its
    // own: an empty line ends it first.
    if (position > 0 && lines_[position - 1].openEnded) {
        lines_[position - 1].openEnded = false;
        RegeditLine ending;
        ending.raw = newline_;
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(position), std::move(ending));
        ++position;
    }
    // A lone CR before an LF would make one line end of the two.
    if (raw.ends_with('\r') && position < lines_.size() && lines_[position].raw.starts_with('\n')) {
        raw += '\n';
    }
    RegeditLine line;
    line.raw = std::move(raw);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(position), std::move(line));
    return position;
}

size_t RegeditDocument::appendSection(const KeyPath& key) {
    bool empty = std::all_of(lines_.begin(), lines_.end(),
                             [](const RegeditLine& line) { return isBlankLine(line.raw); });
    if (empty) {
        lines_.clear();
        insertLine(0, "REGEDIT4" + newline_);
    }
    if (!isBlankLine(lines_.back().raw)) {
        insertLine(lines_.size(), newline_);
    }
    insertLine(lines_.size(), formatSectionHeader(key) + newline_);
    RegeditLine& header = lines_.back();
    header.kind = RegeditLine::Kind::Section;
    header.ownSection = true;
    header.key = key;
    return lines_.size() - 1;
}

bool RegeditDocument::addSection(const KeyPath& key) {
    bool present = std::any_of(lines_.begin(), lines_.end(), [&](const RegeditLine& line) {
        return line.ownSection && sameKey(line.key, key);
    });
    if (present) {
        return false;
    }
    appendSection(key);
    return true;
}

void RegeditDocument::setValue(const KeyPath& key, std::u16string_view name,
                               const StoredValue& value) {
    std::vector<size_t> existing = valueLines(key, name);
    auto read = std::find_if(existing.rbegin(), existing.rend(),
                             [&](size_t index) { return lines_[index].value.has_value(); });
    if (read != existing.rend()) {
        RegeditLine& line = lines_[*read];
        // A continued value ends on the line end of its last line.
        line.raw = line.nameToken + "=" + formatValueData(value) + lineEnd(line.raw);
        line.value = value;
        line.openEnded = false;
        return;
    }
    std::optional<size_t> end = endOfLastSection(key);
    size_t position = end ? *end + 1 : appendSection(key) + 1;
    position =
        insertLine(position, formatValueName(name) + "=" + formatValueData(value) + newline_);
    RegeditLine& line = lines_[position];
    line.kind = RegeditLine::Kind::Value;
    line.nameToken = formatValueName(name);
    line.name = std::u16string(name);
    line.value = value;
}

} // namespace platform::registry
