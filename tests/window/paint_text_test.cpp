// The status line and the talon count: white text on the table colour,
// placed as the platform's text drawing places it.
#include "paint_fixture.h"
#include "platform/utf.h"

using namespace paint_test;
using namespace table_test;

namespace {

// What DrawTextW makes of the text in the rectangle, white on the colour, on
// an otherwise empty screen.
platform::Surface referenceText(const std::u16string& text, const RECT& area, UINT format,
                                uint32_t tablePixel) {
    platform::Surface surface(platform::SCREEN_WIDTH, platform::SCREEN_HEIGHT, tablePixel);
    platform::Region clip;
    clip.add({0, 0, platform::SCREEN_WIDTH, platform::SCREEN_HEIGHT},
             {0, 0, platform::SCREEN_WIDTH, platform::SCREEN_HEIGHT});
    const HDC dc = platform::createSurfaceDC(&surface, clip);
    SetBkColor(dc, platform::colorrefFromPixel(tablePixel));
    SetTextColor(dc, 0xFFFFFF);
    RECT box = area;
    DrawTextW(dc, text.c_str(), -1, &box, format);
    DeleteDC(dc);
    return surface;
}

// Pixels of the area where the two surfaces differ.
int32_t differences(const platform::Surface& a, const platform::Surface& b, const RECT& area) {
    int32_t count = 0;
    for (int32_t y = area.top; y < area.bottom; ++y) {
        for (int32_t x = area.left; x < area.right; ++x) {
            count += a.at(x, y) != b.at(x, y) ? 1 : 0;
        }
    }
    return count;
}

constexpr UINT centred = DT_SINGLELINE | DT_CENTER | DT_VCENTER;

class TalonCountTest : public PaintTest {
  protected:
    // The count area as painted, compared with the number drawn alone.
    void expectCount(const std::u16string& number) {
        const platform::Surface screen = paintAll();
        const platform::Surface expected = referenceText(number, talonCountRect, centred, green);
        ASSERT_GT(pixelsOtherThan(expected, talonCountRect, green), 0) << "nothing to compare";
        EXPECT_EQ(differences(screen, expected, talonCountRect), 0)
            << "expected the count " << utf8FromUtf16(number.c_str());
    }
    void expectNoCount() {
        const platform::Surface screen = paintAll();
        EXPECT_EQ(pixelsOtherThan(screen, talonCountRect, green), 0);
    }
};

TEST_F(TalonCountTest, CountsTheTurnedUpTrumpAsTheTalonsLastCard) {
    setUpPosition({.trump = "9H", .talon = 22});
    showTalonCount = 1;
    expectCount(u"23");
}

TEST_F(TalonCountTest, ShowsOneWhileOnlyTheTrumpCardIsLeft) {
    setUpPosition({.trump = "9H", .talon = 0});
    showTalonCount = 1;
    expectCount(u"1");
}

TEST_F(TalonCountTest, GoesAwayOnceTheTrumpCardIsDealt) {
    for (int32_t type : {0, 1, 2, 3}) {
        SCOPED_TRACE("type " + std::to_string(type));
        setUpPosition({.type = type, .trump = "9H", .trumpDealt = true, .talon = 0});
        showTalonCount = 1;
        expectNoCount();
    }
}

TEST_F(TalonCountTest, JapaneseVariantsCountTheTalonAloneDownToZero) {
    for (int32_t type : {4, 5}) {
        SCOPED_TRACE("type " + std::to_string(type));
        setUpPosition({.type = type, .talon = 17});
        showTalonCount = 1;
        expectCount(u"17");
        setUpPosition({.type = type, .talon = 0});
        showTalonCount = 1;
        expectCount(u"0");
    }
}

TEST_F(TalonCountTest, HiddenWhenTheOptionIsOff) {
    setUpPosition({.trump = "9H", .talon = 22});
    showTalonCount = 0;
    expectNoCount();
}

TEST_F(TalonCountTest, TakesTheTableColourAsItsBackground) {
    setUpPosition({.trump = "9H", .talon = 5});
    showTalonCount = 1;
    tableColourIndex = 3;
    const platform::Surface screen = paintAll();
    const platform::Surface expected = referenceText(u"6", talonCountRect, centred, 0x000099);
    EXPECT_EQ(differences(screen, expected, talonCountRect), 0);
}

TEST_F(PaintTest, StatusTextIsDrawnTopLeftInTheStatusRectangle) {
    setUpPosition({});
    SetStatus(u"Ваш ход!");
    const platform::Surface screen = paintAll();
    const platform::Surface expected = referenceText(u"Ваш ход!", statusRect, DT_LEFT, green);
    ASSERT_GT(pixelsOtherThan(expected, statusRect, green), 0);
    EXPECT_EQ(differences(screen, expected, statusRect), 0);
}

TEST_F(PaintTest, StatusTextBreaksOnlyAtLineBreaks) {
    setUpPosition({});
    const std::u16string text =
        u"Компьютер отбился, а теперь очень длинная строка без переноса до самого края\r\nВаш ход!";
    SetStatus(text.c_str());
    const platform::Surface screen = paintAll();
    const platform::Surface expected = referenceText(text, statusRect, DT_LEFT, green);
    EXPECT_EQ(differences(screen, expected, statusRect), 0);
    // The long first line runs into the right edge instead of wrapping.
    EXPECT_GT(pixelsOtherThan(screen, {200, 228, 240, 240}, green), 0);
}

TEST_F(PaintTest, StatusTextIsClippedToItsRectangle) {
    setUpPosition({});
    SetStatus(u"1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9");
    const platform::Surface screen = paintAll();
    EXPECT_GT(pixelsOtherThan(screen, statusRect, green), 0);
    EXPECT_EQ(pixelsOtherThan(screen, {0, 260, 240, 320}, green), 0) << "below the status line";
    EXPECT_EQ(pixelsOtherThan(screen, {0, 227, 2, 260}, green), 0) << "left of it";
}

TEST_F(PaintTest, NoStatusTextLeavesTheLineEmpty) {
    setUpPosition({});
    SetStatus(nullptr);
    const platform::Surface screen = paintAll();
    EXPECT_EQ(pixelsOtherThan(screen, {0, 227, 240, 320}, green), 0);
}

} // namespace
