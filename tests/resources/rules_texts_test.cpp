// The two rules texts go straight into a word-wrapping edit control, so what
// matters is that every section is there in reading order, that the line
// breaks are the control's "\r\n", and that each text stays in its language.
#include "resources/resource_table.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace {

std::u16string_view text(LPCWSTR raw) {
    return raw == nullptr ? std::u16string_view{} : std::u16string_view{raw};
}

std::vector<std::u16string_view> linesOf(std::u16string_view all) {
    std::vector<std::u16string_view> lines;
    for (;;) {
        const size_t end = all.find(u"\r\n");
        if (end == std::u16string_view::npos) {
            lines.push_back(all);
            return lines;
        }
        lines.push_back(all.substr(0, end));
        all.remove_prefix(end + 2);
    }
}

// Each heading must be a whole line of its own, after the previous heading.
void expectHeadingsInOrder(std::u16string_view all,
                           const std::vector<std::u16string_view>& headings) {
    const std::vector<std::u16string_view> lines = linesOf(all);
    size_t from = 0;
    for (size_t h = 0; h < headings.size(); ++h) {
        size_t at = from;
        while (at < lines.size() && lines[at] != headings[h]) {
            ++at;
        }
        ASSERT_LT(at, lines.size()) << "heading no. " << h + 1 << " missing or out of order";
        from = at + 1;
    }
}

void expectCrLfLinesWithoutTrailingBlank(std::u16string_view all) {
    ASSERT_FALSE(all.empty());
    for (size_t i = 0; i < all.size(); ++i) {
        if (all[i] == u'\r') {
            ASSERT_TRUE(i + 1 < all.size() && all[i + 1] == u'\n') << "lone CR at " << i;
        } else if (all[i] == u'\n') {
            ASSERT_TRUE(i > 0 && all[i - 1] == u'\r') << "lone LF at " << i;
        } else {
            ASSERT_GE(all[i], u' ') << "control character at " << i;
        }
    }
    EXPECT_NE(all.back(), u'\n') << "the text ends with a line break";
    EXPECT_NE(all.back(), u' ');
    EXPECT_NE(all.front(), u'\r') << "the text starts with a blank line";
}

bool isCyrillic(char16_t c) {
    return c >= u'\u0400' && c <= u'\u04FF';
}
bool isLatinLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

TEST(RulesTexts, EnglishHasItsSectionsInOrder) {
    expectHeadingsInOrder(text(resources::englishRulesText()),
                          {u"1.1. Purpose of the game", u"1.2. Attack", u"1.3. Defend",
                           u"1.4. End of turn", u"2. Transfer Durak.", u"3. Bulk Durak ",
                           u"4. Japanese Durak"});
}

TEST(RulesTexts, RussianHasItsSectionsInOrder) {
    expectHeadingsInOrder(text(resources::russianRulesText()),
                          {u"Подкидной дурак", u"Цель игры", u"Начало игры", u"Дальнейшая игра",
                           u"Переводной дурак.", u"Наваленный дурак", u"Японский дурак"});
}

TEST(RulesTexts, LengthsStayNearTheirTargets) {
    // 4,150 and 3,144 characters, give or take a tenth.
    const size_t english = text(resources::englishRulesText()).size();
    const size_t russian = text(resources::russianRulesText()).size();
    EXPECT_GE(english, 3735u);
    EXPECT_LE(english, 4565u);
    EXPECT_GE(russian, 2830u);
    EXPECT_LE(russian, 3458u);
}

TEST(RulesTexts, LinesEndWithCrLfAndNoBlankLineEndsTheText) {
    expectCrLfLinesWithoutTrailingBlank(text(resources::englishRulesText()));
    expectCrLfLinesWithoutTrailingBlank(text(resources::russianRulesText()));
}

TEST(RulesTexts, EnglishIsPlainAscii) {
    const std::u16string_view english = text(resources::englishRulesText());
    for (size_t i = 0; i < english.size(); ++i) {
        ASSERT_LT(english[i], 0x80) << "non-ASCII character at " << i;
    }
}

TEST(RulesTexts, RussianIsCyrillicWithoutLookalikeLatinLetters) {
    // A Latin "o" or "c" typed inside a Russian word looks right on screen but
    // is a different letter; the Russian text has no business with Latin at all.
    const std::u16string_view russian = text(resources::russianRulesText());
    size_t cyrillic = 0;
    for (size_t i = 0; i < russian.size(); ++i) {
        cyrillic += isCyrillic(russian[i]) ? 1 : 0;
        ASSERT_FALSE(isLatinLetter(russian[i])) << "Latin letter at " << i;
    }
    EXPECT_GT(cyrillic, russian.size() / 2);
}

} // namespace
