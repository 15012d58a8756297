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

TEST(Utf, RoundTripsCyrillicAndReplacesBrokenInput) {
    std::u16string text = u"Я победил! \r\n 6♠";
    EXPECT_EQ(utf16FromUtf8(utf8FromUtf16(text)), text);
    EXPECT_EQ(utf8FromUtf16(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
    EXPECT_EQ(utf16FromUtf8("\xC3"), std::u16string(1, char16_t(0xFFFD)));
}

} // namespace
