// SPDX-License-Identifier: MIT
#include "platform/headless/script_words.h"

namespace platform {

void splitWords(const std::string& line, std::vector<std::string>& words) {
    auto isSpace = [](char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
    };
    size_t count = 0;
    size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && isSpace(line[at])) {
            ++at;
        }
        size_t start = at;
        while (at < line.size() && !isSpace(line[at])) {
            ++at;
        }
        if (at > start) {
            if (count == words.size()) {
                words.emplace_back();
            }
            words[count++].assign(line, start, at - start);
        }
    }
    words.resize(count);
}

std::string shownMessage(const std::string& what) {
    static constexpr char digits[] = "0123456789abcdef";
    constexpr size_t longest = 200;
    std::string out;
    size_t at = 0;
    for (; at < what.size(); ++at) {
        auto byte = static_cast<unsigned char>(what[at]);
        const bool control = byte < 0x20 || byte == 0x7F;
        if (out.size() + (control ? 4 : 1) > longest) {
            break;
        }
        out += control ? std::string{'\\', 'x', digits[byte >> 4], digits[byte & 0x0F]}
                       : std::string(1, what[at]);
    }
    if (at < what.size()) {
        while (at > 0 && (static_cast<unsigned char>(what[at]) & 0xC0) == 0x80) {
            --at;
            out.pop_back(); // not inside a UTF-8 sequence
        }
        out += "...";
    }
    return out;
}

} // namespace platform
