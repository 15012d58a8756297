// SPDX-License-Identifier: MIT
#include "platform/raster/text_layout.h"

namespace platform::text {
namespace {

std::vector<std::u16string> hardLines(std::u16string_view text, bool singleLine) {
    std::vector<std::u16string> lines(1);
    for (char16_t unit : text) {
        if (unit == u'\n' && !singleLine) {
            lines.emplace_back();
        } else if (unit >= 0x20 && unit != 0x7F) {
            lines.back().push_back(unit);
        }
    }
    return lines;
}

void wrapInto(std::vector<std::u16string>& out, const std::u16string& line, int32_t width,
              const MeasureWidth& measure) {
    if (measure(line) <= width) {
        out.push_back(line);
        return;
    }
    std::u16string current;
    size_t position = 0;
    while (position <= line.size()) {
        size_t blank = line.find(u' ', position);
        size_t end = blank == std::u16string::npos ? line.size() : blank;
        std::u16string_view word(line.data() + position, end - position);
        if (current.empty()) {
            current = word;
        } else if (!word.empty()) {
            std::u16string longer = current + u' ' + std::u16string(word);
            if (measure(longer) <= width) {
                current = std::move(longer);
            } else {
                out.push_back(current);
                current = word;
            }
        }
        position = end + 1;
    }
    out.push_back(current);
}

} // namespace

std::vector<std::u16string> layoutLines(std::u16string_view text, bool singleLine, bool wordBreak,
                                        int32_t width, const MeasureWidth& measure) {
    std::vector<std::u16string> lines = hardLines(text, singleLine);
    if (!wordBreak || singleLine) {
        return lines;
    }
    std::vector<std::u16string> wrapped;
    for (const std::u16string& line : lines) {
        wrapInto(wrapped, line, width, measure);
    }
    return wrapped;
}

} // namespace platform::text
