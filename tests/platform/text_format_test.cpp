// SPDX-License-Identifier: MIT
// Wide formatting with the runtime's truncation rules, and UTF conversions.
#include <gtest/gtest.h>

#include <string>

#include "platform/text_format.h"
#include "platform/utf.h"

namespace {

int formatLimited(LPWSTR buffer, size_t count, LPCWSTR format, ...) {
    va_list args;
    va_start(args, format);
    int result = vsnwprintfW(buffer, count, format, args);
    va_end(args);
    return result;
}

TEST(TextFormat, SignedDecimalsStringsAndWidths) {
    WCHAR buffer[64];
    std::u16string expected = u"Вы взяли 5 ,\r\n включая 2 дополнительно.";
    EXPECT_EQ(wsprintfW(buffer, u"Вы взяли %d ,\r\n включая %d дополнительно.", 5, 2),
              static_cast<int>(expected.size()));
    EXPECT_EQ(std::u16string(buffer), expected);
    wsprintfW(buffer, u"%d|%3d|%-3d|%03d|%s|%%", -42, 7, 7, -7, u"ok");
    EXPECT_EQ(std::u16string(buffer), u"-42|  7|7  |-07|ok|%");
    wsprintfW(buffer, u"%d\n%d", 2147483647, -2147483647 - 1);
    EXPECT_EQ(std::u16string(buffer), u"2147483647\n-2147483648");
    wsprintfW(buffer, u"%x|%X|%04x|%x", 0xBEEFu, 0x2Au, 0xAu, 0u);
    EXPECT_EQ(std::u16string(buffer), u"beef|2A|000a|0");
}

TEST(TextFormat, CountLimitCutsWithoutTerminator) {
    WCHAR buffer[8];
    std::fill(std::begin(buffer), std::end(buffer), u'#');
    EXPECT_EQ(formatLimited(buffer, 4, u"%d", 123), 3);
    EXPECT_EQ(std::u16string(buffer), u"123");
    std::fill(std::begin(buffer), std::end(buffer), u'#');
    EXPECT_EQ(formatLimited(buffer, 4, u"%d", 12345), -1);
    EXPECT_EQ(std::u16string(buffer, 5), u"1234#");
    // Exactly count characters: no room for the terminator either.
    std::fill(std::begin(buffer), std::end(buffer), u'#');
    EXPECT_EQ(formatLimited(buffer, 4, u"abcd"), -1);
    EXPECT_EQ(buffer[4], u'#');
}

TEST(TextFormat, LengthAndSearch) {
    LPCWSTR line = u"-xq7Kz";
    EXPECT_EQ(wcsstrW(line, u"q7K"), line + 2);
    EXPECT_EQ(wcsstrW(u"Q7K", u"q7K"), nullptr);
}

// Each pair converts both ways; a broken sequence of either side becomes one
// U+FFFD and the conversion goes on after it.
TEST(Utf, ConvertsBothWaysAndReplacesBrokenInput) {
    const struct {
        std::u16string utf16;
        std::string utf8;
        bool roundTrip;
    } cases[] = {
        {u"Я победил! \r\n 6♠",
         "\xD0\xAF \xD0\xBF\xD0\xBE\xD0\xB1\xD0\xB5\xD0\xB4\xD0\xB8\xD0\xBB! \r\n 6\xE2\x99\xA0",
         true},
        {u"\U0001F0A1 A\U0001F0B1", "\xF0\x9F\x82\xA1 A\xF0\x9F\x82\xB1", true}, // playing cards
        {u"\U00010000\U0010FFFF\uFFFF\u0080",
         "\xF0\x90\x80\x80\xF4\x8F\xBF\xBF\xEF\xBF\xBF\xC2\x80", true},
        {std::u16string(1, char16_t(0xD800)) + u"a",
         "\xEF\xBF\xBD"
         "a",
         false},
        {u"a" + std::u16string(1, char16_t(0xDC00)), "a\xEF\xBF\xBD", false},
        {std::u16string{char16_t(0xDC00), char16_t(0xD800)}, "\xEF\xBF\xBD\xEF\xBF\xBD", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(utf8FromUtf16(c.utf16), c.utf8);
        if (c.roundTrip) {
            EXPECT_EQ(utf16FromUtf8(c.utf8), c.utf16) << c.utf8;
        }
    }
    const struct {
        std::string utf8;
        std::u16string utf16;
    } broken[] = {
        {"\xC3", u"\uFFFD"},
        {"\xC3z", u"\uFFFDz"},
        {"\xF0\x9F\x82", u"\uFFFD"},
        {"\xED\xA0\x80z", u"\uFFFDz"},   // an encoded surrogate
        {"\xF4\x90\x80\x80", u"\uFFFD"}, // above U+10FFFF
        {"\xC0\xAF/", u"\uFFFD/"},       // an overlong slash
    };
    for (const auto& b : broken) {
        EXPECT_EQ(utf16FromUtf8(b.utf8), b.utf16) << b.utf8;
    }
}

} // namespace
