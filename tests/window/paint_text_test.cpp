// SPDX-License-Identifier: MIT
// The status line and the talon count: white text on the table colour,
// placed as the platform's text drawing places it.
#include "paint_fixture.h"
#include "platform/utf.h"

using namespace paint_test;
using namespace table_test;
using table_test::Position;

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

constexpr UINT centred = DT_SINGLELINE | DT_CENTER | DT_VCENTER;

// The count shows the talon with the turned-up trump as its last card, in
// the table colour, and goes once the trump card is dealt; the Japanese
// variants have no trump card and count down to zero. The goldens show the
// first variant and the Japanese one; these are the others.
struct CountCase {
    const char* name;
    Position position;
    int32_t option;
    int32_t colourIndex;
    uint32_t tablePixel;
    const char16_t* shown; // nullptr: no count
};

class TalonCountTest : public PaintTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(TalonCountTest, ShowsTheCardsLeft) {
    const CountCase& c = GetParam();
    setUpPosition(c.position);
    showTalonCount = c.option;
    tableColourIndex = c.colourIndex;
    const platform::Surface screen = paintAll();
    if (c.shown == nullptr) {
        EXPECT_EQ(pixelsOtherThan(screen, talonCountRect, c.tablePixel), 0);
        return;
    }
    const platform::Surface expected =
        referenceText(c.shown, talonCountRect, centred, c.tablePixel);
    ASSERT_GT(pixelsOtherThan(expected, talonCountRect, c.tablePixel), 0);
    EXPECT_EQ(differences(screen, expected, talonCountRect), 0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, TalonCountTest, ::testing::Values(
    CountCase{"InTheTableColour", {.talon = 5}, 1, 3, 0x000099, u"6"},
    CountCase{"GoneInTransfer", {.type = 1, .trumpDealt = true, .talon = 0}, 1, 0, green, nullptr},
    CountCase{"GoneInBulkTransfer", {.type = 3, .trumpDealt = true, .talon = 0}, 1, 0, green, nullptr},
    CountCase{"JapaneseTransfer", {.type = 5, .talon = 17}, 1, 0, green, u"17"},
    CountCase{"JapaneseTransferEmpty", {.type = 5, .talon = 0}, 1, 0, green, u"0"}),
    [](const auto& item) { return std::string(item.param.name); });
// clang-format on

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

} // namespace
