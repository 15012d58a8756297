// SPDX-License-Identifier: MIT
#include "platform/registry/regedit_values.h"

#include <cstdint>
#include <vector>

#include "platform/hex_digit.h"
#include "platform/utf.h"

namespace platform::registry {

namespace {

constexpr uint32_t typeString = 1;
constexpr uint32_t typeBinary = 3;
constexpr uint32_t typeDword = 4;

bool isSpace(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

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

namespace {

std::string_view trim(std::string_view s) {
    return trimRight(trimLeft(s));
}

} // namespace

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

namespace {

// One to eight hex digits and nothing else.
std::optional<uint32_t> parseHexNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 8) {
        return std::nullopt;
    }
    uint32_t result = 0;
    for (char c : digits) {
        int d = hexDigitValue(c);
        if (d < 0) {
            return std::nullopt;
        }
        result = (result << 4) | static_cast<uint32_t>(d);
    }
    return result;
}

} // namespace

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

namespace {

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

} // namespace

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

} // namespace platform::registry
