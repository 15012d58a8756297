// SPDX-License-Identifier: MIT
#include "platform/dialogs/text_layout.h"

#include "platform/dialogs/paint_tools.h"

namespace platform::dialogs {
namespace {

std::vector<std::u16string_view> splitParagraphs(std::u16string_view text) {
    std::vector<std::u16string_view> paragraphs;
    size_t start = 0;
    size_t at = 0;
    while (at < text.size()) {
        char16_t c = text[at];
        if (c == u'\r' || c == u'\n') {
            paragraphs.push_back(text.substr(start, at - start));
            at += (c == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n') ? 2 : 1;
            start = at;
        } else {
            ++at;
        }
    }
    paragraphs.push_back(text.substr(start));
    return paragraphs;
}

size_t skipBlanks(std::u16string_view text, size_t at) {
    while (at < text.size() && text[at] == u' ') {
        ++at;
    }
    return at;
}

// The end of the longest run from start that fits, ending at a blank (or the
// end of the paragraph); start when not even the first word fits.
size_t lastFittingBreak(HDC dc, std::u16string_view paragraph, size_t start, int width) {
    size_t best = start;
    for (size_t at = start + 1; at <= paragraph.size(); ++at) {
        bool breakHere =
            at == paragraph.size() || (paragraph[at] == u' ' && paragraph[at - 1] != u' ');
        if (!breakHere) {
            continue;
        }
        if (textWidth(dc, paragraph.substr(start, at - start)) > width) {
            break;
        }
        best = at;
    }
    return best;
}

// How many characters from start fit the width, at least one.
size_t fittingCharacters(HDC dc, std::u16string_view paragraph, size_t start, int width) {
    size_t count = 1;
    while (start + count < paragraph.size() &&
           textWidth(dc, paragraph.substr(start, count + 1)) <= width) {
        ++count;
    }
    return count;
}

size_t endOfWord(std::u16string_view paragraph, size_t start) {
    size_t at = skipBlanks(paragraph, start);
    while (at < paragraph.size() && paragraph[at] != u' ') {
        ++at;
    }
    return at;
}

void wrapParagraph(HDC dc, std::u16string_view paragraph, int width, LongWords longWords,
                   std::vector<std::u16string>& lines) {
    size_t start = 0;
    bool first = true;
    while (first || start < paragraph.size()) {
        first = false;
        std::u16string_view rest = paragraph.substr(start);
        if (textWidth(dc, rest) <= width) {
            lines.emplace_back(rest);
            return;
        }
        size_t end = lastFittingBreak(dc, paragraph, start, width);
        if (end == start) {
            end = longWords == LongWords::Break
                      ? start + fittingCharacters(dc, paragraph, start, width)
                      : endOfWord(paragraph, start);
        }
        lines.emplace_back(paragraph.substr(start, end - start));
        start = skipBlanks(paragraph, end);
    }
}

} // namespace

std::vector<std::u16string> breakLines(HDC dc, std::u16string_view text, int width,
                                       LongWords longWords) {
    std::vector<std::u16string> lines;
    for (std::u16string_view paragraph : splitParagraphs(text)) {
        if (width <= 0 || paragraph.empty()) {
            lines.emplace_back(paragraph);
        } else {
            wrapParagraph(dc, paragraph, width, longWords, lines);
        }
    }
    return lines;
}

} // namespace platform::dialogs
