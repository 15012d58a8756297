// SPDX-License-Identifier: MIT
#include "platform/registry/regedit_lines.h"

#include <cstdint>
#include <optional>

#include "platform/registry/registry_text.h"
#include "platform/utf.h"

namespace platform::registry {

namespace {

constexpr uint32_t typeString = 1;
constexpr uint32_t typeBinary = 3;
constexpr uint32_t typeDword = 4;
constexpr std::u16string_view rootName = u"HKEY_CURRENT_USER";

bool isSpace(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimLeft(std::string_view s) {
    while (!s.empty() && isSpace(s.front())) {
        s.remove_prefix(1);
    }
    return s;
}

std::string_view trimRight(std::string_view s) {
    while (!s.empty() && isSpace(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

std::string_view trim(std::string_view s) {
    return trimRight(trimLeft(s));
}

// The line without its end ("\n", "\r\n" or "\r").
std::string_view lineBody(std::string_view raw) {
    if (!raw.empty() && raw.back() == '\n') {
        raw.remove_suffix(1);
    }
    if (!raw.empty() && raw.back() == '\r') {
        raw.remove_suffix(1);
    }
    return raw;
}

bool startsWithNoCase(std::string_view s, std::string_view prefix) {
    if (s.size() < prefix.size()) {
        return false;
    }
    for (size_t i = 0; i < prefix.size(); ++i) {
        char a = s[i];
        if (a >= 'A' && a <= 'Z') {
            a = static_cast<char>(a - 'A' + 'a');
        }
        if (a != prefix[i]) {
            return false;
        }
    }
    return true;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// One to eight hex digits and nothing else.
std::optional<uint32_t> parseHexNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 8) {
        return std::nullopt;
    }
    uint32_t result = 0;
    for (char c : digits) {
        int d = hexDigit(c);
        if (d < 0) {
            return std::nullopt;
        }
        result = (result << 4) | static_cast<uint32_t>(d);
    }
    return result;
}

// A quoted string with \\ and \" escapes, starting at text[0] == '"'.
// Returns the unescaped bytes and sets `consumed` to the length of the token.
std::optional<std::string> parseQuoted(std::string_view text, size_t& consumed) {
    if (text.empty() || text.front() != '"') {
        return std::nullopt;
    }
    std::string out;
    for (size_t i = 1; i < text.size(); ++i) {
        char c = text[i];
        if (c == '"') {
            consumed = i + 1;
            return out;
        }
        if (c == '\\') {
            if (i + 1 >= text.size() || (text[i + 1] != '\\' && text[i + 1] != '"')) {
                return std::nullopt;
            }
            ++i;
            c = text[i];
        }
        out.push_back(c);
    }
    return std::nullopt;
}

std::optional<std::vector<uint8_t>> parseHexBytes(std::string_view list) {
    std::vector<uint8_t> bytes;
    list = trim(list);
    if (list.empty()) {
        return bytes;
    }
    while (true) {
        size_t comma = list.find(',');
        std::string_view token = trim(list.substr(0, comma));
        bool last = comma == std::string_view::npos;
        if (token.empty() && last && !bytes.empty()) {
            break; // a trailing comma
        }
        if (token.empty() || token.size() > 2) {
            return std::nullopt;
        }
        std::optional<uint32_t> byte = parseHexNumber(token);
        if (!byte) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<uint8_t>(*byte));
        if (last) {
            break;
        }
        list.remove_prefix(comma + 1);
    }
    return bytes;
}

std::vector<uint8_t> stringBytes(std::string_view utf8) {
    std::u16string wide = utf16FromUtf8(utf8);
    std::vector<uint8_t> bytes;
    bytes.reserve((wide.size() + 1) * 2);
    for (char16_t c : wide) {
        bytes.push_back(static_cast<uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<uint8_t>(c >> 8));
    }
    bytes.push_back(0);
    bytes.push_back(0);
    return bytes;
}

// What follows the '=' of a value line.
std::optional<StoredValue> parseValueData(std::string_view data) {
    data = trimRight(data);
    if (startsWithNoCase(data, "dword:")) {
        std::optional<uint32_t> number = parseHexNumber(data.substr(6));
        if (!number) {
            return std::nullopt;
        }
        StoredValue value{typeDword, {}};
        for (int shift = 0; shift < 32; shift += 8) {
            value.data.push_back(static_cast<uint8_t>((*number >> shift) & 0xFF));
        }
        return value;
    }
    if (!data.empty() && data.front() == '"') {
        size_t consumed = 0;
        std::optional<std::string> text = parseQuoted(data, consumed);
        if (!text || consumed != data.size()) {
            return std::nullopt;
        }
        return StoredValue{typeString, stringBytes(*text)};
    }
    if (startsWithNoCase(data, "hex:")) {
        std::optional<std::vector<uint8_t>> bytes = parseHexBytes(data.substr(4));
        if (!bytes) {
            return std::nullopt;
        }
        return StoredValue{typeBinary, std::move(*bytes)};
    }
    if (startsWithNoCase(data, "hex(")) {
        size_t close = data.find("):");
        if (close == std::string_view::npos) {
            return std::nullopt;
        }
        std::optional<uint32_t> type = parseHexNumber(data.substr(4, close - 4));
        std::optional<std::vector<uint8_t>> bytes = parseHexBytes(data.substr(close + 2));
        if (!type || !bytes) {
            return std::nullopt;
        }
        return StoredValue{*type, std::move(*bytes)};
    }
    return std::nullopt;
}

void parseSectionHeader(std::string_view text, RegeditLine& line) {
    line.kind = RegeditLine::Kind::Section;
    text = trim(text);
    if (text.size() < 2 || text.back() != ']') {
        return; // a broken header still ends the section above it
    }
    std::u16string inner = utf16FromUtf8(text.substr(1, text.size() - 2));
    size_t slash = inner.find(u'\\');
    std::u16string_view root = std::u16string_view(inner).substr(0, slash);
    if (!equalNoCase(root, rootName)) {
        return; // another root, or a deletion "[-...]"
    }
    line.ownSection = true;
    if (slash != std::u16string::npos) {
        line.key = splitKeyPath(std::u16string_view(inner).substr(slash + 1));
    }
}

// The name at the start of a value line: "name" or @. Sets `length` to the
// length of the token; null when there is no name to be read.
std::optional<std::string> valueName(std::string_view text, size_t& length) {
    if (!text.empty() && text.front() == '@') {
        length = 1;
        return std::string();
    }
    return parseQuoted(text, length);
}

// What follows the '=' of a value line, or nothing when there is no '='.
std::string_view valueData(std::string_view text) {
    size_t nameLength = 0;
    if (!valueName(text, nameLength)) {
        return {};
    }
    std::string_view rest = trimLeft(text.substr(nameLength));
    if (rest.empty() || rest.front() != '=') {
        return {};
    }
    return trimLeft(rest.substr(1));
}

// A value line "name"=data or @=data; `text` starts at the name.
void parseValueLine(std::string_view text, RegeditLine& line) {
    size_t nameLength = 0;
    std::optional<std::string> name = valueName(text, nameLength);
    if (!name) {
        return; // not even a name: an unknown line
    }
    line.kind = RegeditLine::Kind::Value;
    line.name = utf16FromUtf8(*name);
    line.nameToken = std::string(text.substr(0, nameLength));
    std::string_view rest = trimLeft(text.substr(nameLength));
    if (rest.empty() || rest.front() != '=') {
        return;
    }
    line.value = parseValueData(trimLeft(rest.substr(1)));
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
    if (!valueName(body, nameLength)) {
        return false;
    }
    std::string_view rest = trimLeft(body.substr(nameLength));
    return !rest.empty() && rest.front() == '=';
}

// A value line "name"=data or @=data whose text starts at `body`, the rest
// of the line before `at`. Long hex data goes on over lines ending in a
// backslash: each line's own last character says whether another follows.
// A line that starts a value or a section is never part of the one above.
// Returns where the text goes on after the value.
size_t readValueLine(std::string_view text, size_t at, std::string_view body, RegeditLine& line) {
    std::string logical(body);
    bool hexData = startsWithNoCase(valueData(logical), "hex");
    bool more = hexData && continues(body);
    while (more && at < text.size() && !startsEntry(lineAt(text, at))) {
        std::string_view physical = lineAt(text, at);
        at += physical.size();
        logical = std::string(trimRight(logical));
        logical.pop_back();
        std::string_view next = trimLeft(lineBody(physical));
        logical += next;
        line.raw += physical;
        more = continues(next);
    }
    // Left open, the value would take a line added after it. Cut short, by
    // the file's end or by the next value, it ends where it stops.
    line.openEnded = more;
    if (more) {
        logical = std::string(trimRight(logical));
        logical.pop_back();
    }
    parseValueLine(logical, line);
    return at;
}

} // namespace

std::vector<RegeditLine> parseRegeditLines(std::string_view text) {
    std::vector<RegeditLine> lines;
    bool lastBlank = false; // of the last entry, when it is an Other one
    size_t at = 0;
    while (at < text.size()) {
        std::string_view physical = lineAt(text, at);
        at += physical.size();
        std::string_view body = trimLeft(lineBody(physical));
        RegeditLine line;
        line.raw = std::string(physical);
        if (!body.empty() && body.front() == '[') {
            parseSectionHeader(body, line);
        } else if (!body.empty() && (body.front() == '"' || body.front() == '@')) {
            at = readValueLine(text, at, body, line);
        }
        // A run of blank lines, or of lines not understood, is kept as one
        // entry, so that a long file takes little memory.
        bool other = line.kind == RegeditLine::Kind::Other;
        bool blank = other && isBlankLine(line.raw);
        if (other && !lines.empty() && lines.back().kind == RegeditLine::Kind::Other &&
            lastBlank == blank) {
            lines.back().raw += line.raw;
        } else {
            lines.push_back(std::move(line));
            lastBlank = blank;
        }
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
