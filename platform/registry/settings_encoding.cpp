// SPDX-License-Identifier: MIT
#include "platform/registry/settings_encoding.h"

#include "platform/utf.h"

namespace platform::registry {

std::string encode(const std::string& text, Encoding encoding) {
    if (encoding == Encoding::Bytes) {
        return text;
    }
    std::u16string wide = utf16FromUtf8(text);
    std::string out;
    out.reserve(2 * wide.size() + 2);
    bool big = encoding == Encoding::Utf16Big;
    auto put = [&](char16_t c) {
        auto high = static_cast<char>(c >> 8);
        auto low = static_cast<char>(c & 0xFF);
        out.push_back(big ? high : low);
        out.push_back(big ? low : high);
    };
    put(0xFEFF);
    for (char16_t c : wide) {
        put(c);
    }
    return out;
}

void decode(std::string bytes, LoadedText& loaded) {
    bool little = bytes.starts_with("\xFF\xFE");
    if (little || bytes.starts_with("\xFE\xFF")) {
        loaded.encoding = little ? Encoding::Utf16Little : Encoding::Utf16Big;
        std::u16string wide;
        bool big = loaded.encoding == Encoding::Utf16Big;
        for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
            auto first = static_cast<unsigned char>(bytes[i]);
            auto second = static_cast<unsigned char>(bytes[i + 1]);
            wide.push_back(
                static_cast<char16_t>(big ? (first << 8) | second : (second << 8) | first));
        }
        loaded.text = utf8FromUtf16(wide);
        if (encode(loaded.text, loaded.encoding) != bytes) {
            loaded.problem = "UTF-16 text that could not be written back as it is";
        }
        return;
    }
    loaded.text = std::move(bytes);
}

} // namespace platform::registry
