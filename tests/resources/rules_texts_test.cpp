// SPDX-License-Identifier: MIT
// The two rules texts go straight into a word-wrapping edit control: every
// section in reading order, "\r\n" line breaks, each text in its language.
#include "resources/resource_table.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace {

struct RulesText {
    const char* name;
    std::u16string_view text;
    std::vector<std::u16string_view> headings; // whole lines, in this order
    size_t length;                             // give or take a tenth
    bool russian;
};

TEST(RulesTexts, SectionsLineBreaksLengthAndLetters) {
    const RulesText texts[] = {
        {"English",
         resources::englishRulesText(),
         {u"1.1. Purpose of the game", u"1.2. Attack", u"1.3. Defend", u"1.4. End of turn",
          u"2. Transfer Durak.", u"3. Bulk Durak ", u"4. Japanese Durak"},
         4150,
         false},
        {"Russian",
         resources::russianRulesText(),
         {u"Подкидной дурак", u"Цель игры", u"Начало игры", u"Дальнейшая игра",
          u"Переводной дурак.", u"Наваленный дурак", u"Японский дурак"},
         3144,
         true}};
    for (const RulesText& t : texts) {
        SCOPED_TRACE(t.name);
        const std::u16string_view all = t.text;
        ASSERT_FALSE(all.empty());
        EXPECT_GE(all.size() * 10, t.length * 9);
        EXPECT_LE(all.size() * 10, t.length * 11);
        size_t heading = 0;
        size_t cyrillic = 0;
        for (size_t i = 0, start = 0; i <= all.size(); ++i) {
            if (i == all.size() || all[i] == u'\r') {
                ASSERT_TRUE(i == all.size() || (i + 1 < all.size() && all[i + 1] == u'\n'))
                    << "lone CR at " << i;
                heading += heading < t.headings.size() &&
                           all.substr(start, i - start) == t.headings[heading];
                start = i + 2;
                continue;
            }
            ASSERT_TRUE(all[i] != u'\n' || all[i - 1] == u'\r') << "lone LF at " << i;
            ASSERT_TRUE(all[i] >= u' ' || all[i] == u'\n') << "control character at " << i;
            const char16_t c = all[i];
            cyrillic += c >= u'\u0400' && c <= u'\u04FF';
            ASSERT_FALSE(t.russian && ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')))
                << "Latin letter at " << i;
            ASSERT_TRUE(t.russian || c < 0x80) << "non-ASCII character at " << i;
        }
        EXPECT_EQ(heading, t.headings.size()) << "a heading missing or out of order";
        EXPECT_EQ(cyrillic > all.size() / 2, t.russian);
        EXPECT_NE(all.back(), u'\n');
        EXPECT_NE(all.back(), u' ');
        EXPECT_NE(all.front(), u'\r') << "the text starts with a blank line";
    }
}

} // namespace
