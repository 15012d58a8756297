// DrawTextW and text extents with the system font: where lines break, how
// text is clipped and centred, and the opaque background box.
#include <algorithm>

#include "platform/raster/fonts.h"
#include "platform/raster/text_layout.h"
#include "raster_support.h"

namespace {

using namespace raster_testing;
using platform::Surface;

constexpr uint32_t PAPER = 0x009600; // the table colour, as a pixel
constexpr uint32_t INK = 0xFFFFFF;
constexpr uint32_t BOX = 0x800000;
constexpr int SYSTEM_LINE = 11;

class TextTest : public RasterTest {
  protected:
    // A canvas painted like the status line: white text on a dark-red
    // background box over the green table.
    Canvas statusCanvas(int width, int height, int mode) {
        Canvas canvas = makeCanvas(width, height, PAPER);
        SetTextColor(canvas.dc, RGB(255, 255, 255));
        SetBkColor(canvas.dc, RGB(128, 0, 0));
        SetBkMode(canvas.dc, mode);
        return canvas;
    }
};

struct Box {
    int32_t left = INT32_MAX;
    int32_t top = INT32_MAX;
    int32_t right = INT32_MIN; // excluded
    int32_t bottom = INT32_MIN;
    bool empty() const { return right == INT32_MIN; }
};

// The bounds of every pixel that is not paper.
Box changedBox(const Surface& surface, uint32_t paper = PAPER) {
    Box box;
    for (int32_t y = 0; y < surface.height; ++y) {
        for (int32_t x = 0; x < surface.width; ++x) {
            if (surface.at(x, y) != paper) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
        }
    }
    return box;
}

int inkInRows(const Surface& surface, int32_t top, int32_t bottom) {
    int count = 0;
    for (int32_t y = top; y < bottom; ++y) {
        for (int32_t x = 0; x < surface.width; ++x) {
            count += surface.at(x, y) == INK ? 1 : 0;
        }
    }
    return count;
}

TEST_F(TextTest, LinesBreakOnlyAtLineBreaks) {
    Canvas canvas = statusCanvas(200, 40, TRANSPARENT);
    RECT rect{0, 0, 200, 40};
    EXPECT_EQ(DrawTextW(canvas.dc, u"Ваш ход! Ок.", -1, &rect, DT_LEFT), SYSTEM_LINE);
    EXPECT_GT(inkInRows(*canvas.pixels, 0, SYSTEM_LINE), 0);
    EXPECT_EQ(inkInRows(*canvas.pixels, SYSTEM_LINE, 40), 0);

    Canvas broken = statusCanvas(200, 40, TRANSPARENT);
    EXPECT_EQ(DrawTextW(broken.dc, u"Ок.\r\nВаш ход!", -1, &rect, DT_LEFT), 2 * SYSTEM_LINE);
    EXPECT_GT(inkInRows(*broken.pixels, 0, SYSTEM_LINE), 0);
    EXPECT_GT(inkInRows(*broken.pixels, SYSTEM_LINE, 2 * SYSTEM_LINE), 0);
    EXPECT_EQ(inkInRows(*broken.pixels, 2 * SYSTEM_LINE, 40), 0);
}

TEST_F(TextTest, ALoneNewlineBreaksAndALoneReturnDoesNot) {
    RECT rect{0, 0, 200, 60};
    Canvas canvas = statusCanvas(200, 60, TRANSPARENT);
    EXPECT_EQ(DrawTextW(canvas.dc, u"a\nb\rc", -1, &rect, DT_LEFT), 2 * SYSTEM_LINE);
}

TEST_F(TextTest, TheCountLimitsTheText) {
    Canvas whole = statusCanvas(100, 20, OPAQUE);
    Canvas part = statusCanvas(100, 20, OPAQUE);
    RECT rect{0, 0, 100, 20};
    EXPECT_EQ(DrawTextW(whole.dc, u"Ок", -1, &rect, DT_LEFT), SYSTEM_LINE);
    EXPECT_EQ(DrawTextW(part.dc, u"Ок.\r\nВаш ход!", 2, &rect, DT_LEFT), SYSTEM_LINE);
    EXPECT_EQ(whole.pixels->pixels, part.pixels->pixels);
}

TEST_F(TextTest, TextIsClippedToItsRectangle) {
    Canvas canvas = statusCanvas(60, 30, OPAQUE);
    RECT rect{5, 3, 25, 9};
    DrawTextW(canvas.dc, u"Ваш ход!\r\nВаш ход!", -1, &rect, DT_LEFT);
    Box changed = changedBox(*canvas.pixels);
    ASSERT_FALSE(changed.empty());
    EXPECT_GE(changed.left, 5);
    EXPECT_GE(changed.top, 3);
    EXPECT_LE(changed.right, 25);
    EXPECT_LE(changed.bottom, 9);
}

TEST_F(TextTest, NoClipLetsTextLeaveItsRectangle) {
    Canvas canvas = statusCanvas(100, 30, OPAQUE);
    RECT rect{0, 0, 10, 5};
    DrawTextW(canvas.dc, u"Ваш ход!", -1, &rect, DT_LEFT | DT_NOCLIP);
    Box changed = changedBox(*canvas.pixels);
    EXPECT_GT(changed.right, 10);
    EXPECT_EQ(changed.bottom, SYSTEM_LINE);
}

TEST_F(TextTest, TheOpaqueBoxCoversTheTextExtentAndTransparentLeavesTheBackground) {
    SIZE extent{};
    Canvas opaque = statusCanvas(100, 20, OPAQUE);
    ASSERT_TRUE(GetTextExtentPoint32W(opaque.dc, u"23", 2, &extent));
    RECT rect{4, 2, 100, 20};
    DrawTextW(opaque.dc, u"23", -1, &rect, DT_LEFT);
    Box changed = changedBox(*opaque.pixels);
    EXPECT_EQ(changed.left, 4);
    EXPECT_EQ(changed.top, 2);
    EXPECT_EQ(changed.right, 4 + extent.cx);
    EXPECT_EQ(changed.bottom, 2 + SYSTEM_LINE);
    // Crisp glyphs: inside the box every pixel is text or background.
    int ink = 0;
    for (int32_t y = changed.top; y < changed.bottom; ++y) {
        for (int32_t x = changed.left; x < changed.right; ++x) {
            uint32_t pixel = opaque.pixels->at(x, y);
            EXPECT_TRUE(pixel == INK || pixel == BOX) << x << "," << y;
            ink += pixel == INK ? 1 : 0;
        }
    }
    EXPECT_GT(ink, 0);

    Canvas transparent = statusCanvas(100, 20, TRANSPARENT);
    DrawTextW(transparent.dc, u"23", -1, &rect, DT_LEFT);
    for (uint32_t pixel : transparent.pixels->pixels) {
        EXPECT_TRUE(pixel == INK || pixel == PAPER);
    }
    // The same glyph pixels either way.
    for (size_t i = 0; i < opaque.pixels->pixels.size(); ++i) {
        EXPECT_EQ(opaque.pixels->pixels[i] == INK, transparent.pixels->pixels[i] == INK);
    }
}

TEST_F(TextTest, CentredTextSitsInTheMiddleOfItsRectangle) {
    // The talon count in its 34 x 28 box.
    Canvas canvas = statusCanvas(240, 130, OPAQUE);
    RECT talonCount{202, 90, 236, 118};
    SIZE extent{};
    GetTextExtentPoint32W(canvas.dc, u"23", 2, &extent);
    EXPECT_EQ(DrawTextW(canvas.dc, u"23", -1, &talonCount, DT_SINGLELINE | DT_CENTER | DT_VCENTER),
              SYSTEM_LINE);
    Box changed = changedBox(*canvas.pixels);
    EXPECT_EQ(changed.left, 202 + (34 - extent.cx) / 2);
    EXPECT_EQ(changed.right, changed.left + extent.cx);
    EXPECT_EQ(changed.top, 90 + (28 - SYSTEM_LINE) / 2);
    EXPECT_EQ(changed.bottom, changed.top + SYSTEM_LINE);
}

TEST_F(TextTest, SingleLineIgnoresLineBreaks) {
    Canvas canvas = statusCanvas(200, 40, TRANSPARENT);
    RECT rect{0, 0, 200, 40};
    EXPECT_EQ(DrawTextW(canvas.dc, u"Ок.\r\nВаш ход!", -1, &rect, DT_SINGLELINE), SYSTEM_LINE);
    EXPECT_EQ(inkInRows(*canvas.pixels, SYSTEM_LINE, 40), 0);
}

TEST_F(TextTest, EmptyTextDrawsNothing) {
    Canvas canvas = statusCanvas(20, 20, OPAQUE);
    RECT rect{0, 0, 20, 20};
    EXPECT_EQ(DrawTextW(canvas.dc, u"", -1, &rect, DT_LEFT), 0);
    EXPECT_EQ(DrawTextW(canvas.dc, u"Ок", 0, &rect, DT_LEFT), 0);
    EXPECT_EQ(DrawTextW(canvas.dc, nullptr, -1, &rect, DT_LEFT), 0);
    EXPECT_TRUE(changedBox(*canvas.pixels).empty());
}

TEST_F(TextTest, CyrillicTextStaysInsideItsLine) {
    Canvas canvas = statusCanvas(160, 40, TRANSPARENT);
    RECT rect{0, 10, 160, 40};
    DrawTextW(canvas.dc, u"ДЩЦБ уфру gjy ВАШ ХОД", -1, &rect, DT_LEFT | DT_NOCLIP);
    Box changed = changedBox(*canvas.pixels);
    ASSERT_FALSE(changed.empty());
    EXPECT_GE(changed.top, 10);
    EXPECT_LE(changed.bottom, 10 + SYSTEM_LINE);
    // Big enough to read: capitals and descenders take 9 of the 11 rows.
    EXPECT_GE(changed.bottom - changed.top, 9);

    // The marks of Й and Ё may rise one pixel over the line; the letters
    // keep their baseline.
    Canvas marked = statusCanvas(160, 40, TRANSPARENT);
    DrawTextW(marked.dc, u"ДЩЦБ уфру gjy ЙЁ", -1, &rect, DT_LEFT | DT_NOCLIP);
    Box withMarks = changedBox(*marked.pixels);
    EXPECT_GE(withMarks.top, 9);
    EXPECT_EQ(withMarks.bottom, changed.bottom);
}

TEST_F(TextTest, WordBreakWrapsLongLinesAtBlanks) {
    Canvas canvas = statusCanvas(240, 100, TRANSPARENT);
    RECT rect{0, 0, 70, 100};
    LPCWSTR text = u"Вы можете подкинуть карту того же достоинства";
    EXPECT_EQ(DrawTextW(canvas.dc, text, -1, &rect, DT_LEFT), SYSTEM_LINE);
    RECT measured = rect;
    int height = DrawTextW(canvas.dc, text, -1, &measured, DT_LEFT | DT_WORDBREAK | DT_CALCRECT);
    EXPECT_GE(height, 4 * SYSTEM_LINE);
    EXPECT_EQ(measured.bottom, height);
    EXPECT_LE(measured.right, 70);

    Canvas wrapped = statusCanvas(240, 100, TRANSPARENT);
    EXPECT_EQ(DrawTextW(wrapped.dc, text, -1, &rect, DT_LEFT | DT_WORDBREAK), height);
    Box changed = changedBox(*wrapped.pixels);
    EXPECT_LE(changed.right, 70);
    EXPECT_GT(changed.bottom, 3 * SYSTEM_LINE);
}

TEST_F(TextTest, CalcRectMeasuresWithoutDrawing) {
    Canvas canvas = statusCanvas(100, 40, OPAQUE);
    RECT rect{3, 4, 3, 4};
    EXPECT_EQ(DrawTextW(canvas.dc, u"Ок.\r\nВаш ход!", -1, &rect, DT_CALCRECT), 2 * SYSTEM_LINE);
    SIZE second{};
    GetTextExtentPoint32W(canvas.dc, u"Ваш ход!", 8, &second);
    EXPECT_EQ(rect.left, 3);
    EXPECT_EQ(rect.right, 3 + second.cx);
    EXPECT_EQ(rect.bottom, 4 + 2 * SYSTEM_LINE);
    EXPECT_TRUE(changedBox(*canvas.pixels).empty());
}

TEST_F(TextTest, FontsSetTheLineHeightAndBoldIsWider) {
    Canvas canvas = statusCanvas(10, 10, OPAQUE);
    SIZE normal{};
    ASSERT_TRUE(GetTextExtentPoint32W(canvas.dc, u"Дурак", 5, &normal));
    EXPECT_EQ(normal.cy, SYSTEM_LINE);
    EXPECT_GT(normal.cx, 0);
    SIZE longer{};
    GetTextExtentPoint32W(canvas.dc, u"Дурак!", 6, &longer);
    EXPECT_GT(longer.cx, normal.cx);

    HFONT bold = CreateFontW(13, FW_BOLD);
    SelectObject(canvas.dc, bold);
    SIZE big{};
    GetTextExtentPoint32W(canvas.dc, u"Дурак", 5, &big);
    EXPECT_EQ(big.cy, 13);
    EXPECT_GT(big.cx, normal.cx);
    RECT rect{0, 0, 100, 100};
    EXPECT_EQ(DrawTextW(canvas.dc, u"a\r\nb", -1, &rect, DT_CALCRECT), 26);
    SIZE none{};
    EXPECT_TRUE(GetTextExtentPoint32W(canvas.dc, u"", 0, &none));
    EXPECT_EQ(none.cx, 0);
    EXPECT_EQ(none.cy, 13);
}

TEST_F(TextTest, TextRespectsThePaintRegion) {
    Surface window(100, 20, PAPER);
    platform::Region region;
    region.add(RECT{0, 0, 10, 20}, RECT{0, 0, 100, 20});
    HDC dc = platform::createSurfaceDC(&window, region);
    RECT rect{0, 0, 100, 20};
    DrawTextW(dc, u"Ваш ход!", -1, &rect, DT_LEFT);
    Box changed = changedBox(window);
    ASSERT_FALSE(changed.empty()); // the white box of the opaque default
    EXPECT_LE(changed.right, 10);
    DeleteDC(dc);
}

// Line breaking on its own, with one pixel per character.
int32_t characters(std::u16string_view text) {
    return static_cast<int32_t>(text.size());
}

TEST(TextLayoutTest, WordBreakFillsLinesGreedilyAtBlanks) {
    using platform::text::layoutLines;
    EXPECT_EQ(layoutLines(u"один два три", false, true, 7, characters),
              (std::vector<std::u16string>{u"один", u"два три"}));
    EXPECT_EQ(layoutLines(u"один два три", false, true, 12, characters),
              (std::vector<std::u16string>{u"один два три"}));
    EXPECT_EQ(layoutLines(u"один\r\nдва три", false, true, 20, characters),
              (std::vector<std::u16string>{u"один", u"два три"}));
}

TEST(TextLayoutTest, AWordWiderThanTheLineKeepsALineOfItsOwn) {
    using platform::text::layoutLines;
    EXPECT_EQ(layoutLines(u"a подкидной b", false, true, 3, characters),
              (std::vector<std::u16string>{u"a", u"подкидной", u"b"}));
}

TEST(TextLayoutTest, ControlCharactersAreDroppedAndBreaksKeptUnlessSingleLine) {
    using platform::text::layoutLines;
    EXPECT_EQ(layoutLines(u"a\tb\r\n\r\nc", false, false, 0, characters),
              (std::vector<std::u16string>{u"ab", u"", u"c"}));
    EXPECT_EQ(layoutLines(u"a\r\nb", true, true, 0, characters),
              (std::vector<std::u16string>{u"ab"}));
}

} // namespace
