// SPDX-License-Identifier: MIT
#include "platform/registry/regedit_lines.h"

#include "platform/registry/regedit_values.h"
#include "platform/registry/registry_text.h"
#include "platform/utf.h"

namespace platform::registry {

namespace {

constexpr std::u16string_view rootName = u"HKEY_CURRENT_USER";

// The name at the start of a value line: "name" or @. Sets `length` to the
// length of the token; null when there is no name to be read.
std::optional<std::string> valueName(std::string_view text, size_t& length) {
    if (!text.empty() && text.front() == '@') {
        length = 1;
        return std::string();
    }
    return parseQuoted(text, length);
}

// Whether the text after a value's name starts with its '='; sets `data` to
// what follows it.
bool hasData(std::string_view text, size_t nameLength, std::string_view& data) {
    std::string_view rest = trimLeft(text.substr(nameLength));
    if (rest.empty() || rest.front() != '=') {
        return false;
    }
    data = trimLeft(rest.substr(1));
    return true;
}

// The line of the text that starts at `at`, with its end: LF, CR LF or a
// lone CR.
std::string_view lineAt(std::string_view text, size_t at) {
    size_t end = text.find_first_of("\r\n", at);
    if (end == std::string_view::npos) {
        return text.substr(at);
    }
    bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    return text.substr(at, end - at + (crLf ? 2 : 1));
}

bool continues(std::string_view part) {
    part = trimRight(part);
    return !part.empty() && part.back() == '\\';
}

// A line that is a section header or a value of its own ("name"= or @=).
bool startsEntry(std::string_view raw) {
    std::string_view body = trimLeft(lineBody(raw));
    if (!body.empty() && body.front() == '[') {
        return true;
    }
    size_t nameLength = 0;
    std::string_view data;
    return valueName(body, nameLength) && hasData(body, nameLength, data);
}

// The text of a value entry as one line: the first line without its blanks
// in front, each continued line joined on in place of the backslash that
// asked for it. A value left open loses its last backslash too.
std::string joinedValue(std::string_view raw) {
    std::string_view first = lineAt(raw, 0);
    std::string logical(trimLeft(lineBody(first)));
    size_t nameLength = 0;
    std::string_view data;
    bool more = valueName(logical, nameLength) && hasData(logical, nameLength, data) &&
                startsWithNoCase(data, "hex") && continues(logical);
    // The entry holds just the lines that its value asked for.
    for (size_t at = first.size(); at < raw.size();) {
        std::string_view physical = lineAt(raw, at);
        at += physical.size();
        logical = std::string(trimRight(logical));
        if (!logical.empty() && logical.back() == '\\') {
            logical.pop_back();
        }
        std::string_view next = trimLeft(lineBody(physical));
        logical += next;
        more = continues(next);
    }
    if (more) {
        logical = std::string(trimRight(logical));
        logical.pop_back();
    }
    return logical;
}

} // namespace

size_t scanEntry(std::string_view text, size_t at, EntryKind& kind, bool& openEnded) {
    std::string_view physical = lineAt(text, at);
    at += physical.size();
    std::string_view body = trimLeft(lineBody(physical));
    kind = EntryKind::Other;
    openEnded = false;
    if (!body.empty() && body.front() == '[') {
        kind = EntryKind::Section;
        return at;
    }
    size_t nameLength = 0;
    if (body.empty() || (body.front() != '"' && body.front() != '@') ||
        !valueName(body, nameLength)) {
        return at;
    }
    kind = EntryKind::Value;
    std::string_view data;
    bool more = hasData(body, nameLength, data) && startsWithNoCase(data, "hex") && continues(body);
    while (more && at < text.size() && !startsEntry(lineAt(text, at))) {
        physical = lineAt(text, at);
        at += physical.size();
        more = continues(lineBody(physical));
    }
    // Left open, the value would take a line added after it. Cut short, by
    // the file's end or by the next value, it ends where it stops.
    openEnded = more;
    return at;
}

std::optional<KeyPath> sectionKey(std::string_view raw) {
    std::string_view text = trimRight(trimLeft(lineBody(raw)));
    if (text.size() < 2 || text.front() != '[' || text.back() != ']') {
        return std::nullopt; // a broken header still ends the section above it
    }
    std::u16string inner = utf16FromUtf8(text.substr(1, text.size() - 2));
    size_t slash = inner.find(u'\\');
    std::u16string_view root = std::u16string_view(inner).substr(0, slash);
    if (!equalNoCase(root, rootName)) {
        return std::nullopt; // another root, or a deletion "[-...]"
    }
    if (slash == std::u16string::npos) {
        return KeyPath{};
    }
    return splitKeyPath(std::u16string_view(inner).substr(slash + 1));
}

ValueEntry readValueEntry(std::string_view raw) {
    ValueEntry entry;
    std::string logical = joinedValue(raw);
    size_t nameLength = 0;
    std::optional<std::string> name = valueName(logical, nameLength);
    if (!name) {
        return entry;
    }
    entry.name = utf16FromUtf8(*name);
    entry.nameToken = logical.substr(0, nameLength);
    std::string_view data;
    if (hasData(logical, nameLength, data)) {
        entry.value = parseValueData(data);
    }
    return entry;
}

std::u16string valueEntryName(std::string_view raw) {
    size_t nameLength = 0;
    std::optional<std::string> name = valueName(trimLeft(raw), nameLength);
    return name ? utf16FromUtf8(*name) : std::u16string();
}

std::vector<RegeditLine> parseRegeditLines(std::string_view text) {
    std::vector<RegeditLine> lines;
    size_t at = 0;
    while (at < text.size()) {
        RegeditLine line;
        bool openEnded = false;
        size_t end = scanEntry(text, at, line.kind, openEnded);
        line.raw = std::string(text.substr(at, end - at));
        at = end;
        if (line.kind == EntryKind::Section) {
            std::optional<KeyPath> key = sectionKey(line.raw);
            line.ownSection = key.has_value();
            line.key = key.value_or(KeyPath{});
        } else if (line.kind == EntryKind::Value) {
            ValueEntry value = readValueEntry(line.raw);
            line.name = std::move(value.name);
            line.value = std::move(value.value);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string formatSectionHeader(const KeyPath& key) {
    std::u16string name(rootName);
    for (const std::u16string& part : key) {
        name += u'\\';
        name += part;
    }
    return "[" + utf8FromUtf16(name) + "]";
}

std::string formatValueName(std::u16string_view name) {
    if (name.empty()) {
        return "@";
    }
    std::string out = "\"";
    for (char c : utf8FromUtf16(name)) {
        if (c == '"' || c == '\\') {
            out.push_back('\\');
        }
        out.push_back(c);
    }
    out.push_back('"');
    return out;
}

std::string formatValueData(const StoredValue& value) {
    static constexpr char digits[] = "0123456789abcdef";
    uint32_t number = 0;
    for (size_t i = 0; i < 4 && i < value.data.size(); ++i) {
        number |= static_cast<uint32_t>(value.data[i]) << (8 * i);
    }
    std::string out = "dword:";
    for (int shift = 28; shift >= 0; shift -= 4) {
        out.push_back(digits[(number >> shift) & 0x0F]);
    }
    return out;
}

bool isBlankLine(std::string_view raw) {
    return raw.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

} // namespace platform::registry
