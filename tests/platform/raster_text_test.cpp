// SPDX-License-Identifier: MIT
// DrawTextW and text extents with the system font: where lines break, how
// text is clipped and measured, and the opaque background box.
#include <algorithm>

#include "platform/raster/fonts.h"
#include "platform/raster/text_layout.h"
#include "platform/utf.h"
#include "platform_support.h"

namespace {

using namespace platform_testing;
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

// Words of the interface in each baked face, both languages, measured and
// pinned: a changed advance, a kerning pair looked up wrongly or a face
// chosen for the wrong height draws a word wider or narrower.
TEST_F(TextTest, WordsMeasureAsPinned) {
    const struct {
        int height;
        int weight;
        LPCWSTR text;
        int width;
    } words[] = {
        {11, FW_NORMAL, u"Ваш ход!", 45},   {11, FW_NORMAL, u"Please select cards!", 98},
        {11, FW_NORMAL, u"Вы взяли 3", 54}, {11, FW_NORMAL, u"AVAWAY Ту Та", 63},
        {12, FW_NORMAL, u"Подкидной", 63},  {12, FW_NORMAL, u"Throw-in, transfers", 91},
        {12, FW_BOLD, u"Правила игры", 80}, {12, FW_BOLD, u"Rules", 31},
        {13, FW_NORMAL, u"Японский", 56},   {13, FW_NORMAL, u"Card back", 58},
        {13, FW_BOLD, u"Статистика", 73},   {13, FW_BOLD, u"Statistics", 60},
        {10, FW_NORMAL, u"Перевод?", 48},   {30, FW_BOLD, u"ok", 24},
    };
    Canvas canvas = statusCanvas(10, 10, TRANSPARENT);
    for (const auto& word : words) {
        const HFONT font = CreateFontW(word.height, word.weight);
        const HGDIOBJ old = SelectObject(canvas.dc, font);
        SIZE size{};
        GetTextExtentPoint32W(canvas.dc, word.text,
                              static_cast<int>(std::u16string_view(word.text).size()), &size);
        EXPECT_EQ(size.cx, word.width) << utf8FromUtf16(word.text) << " at " << word.height;
        SelectObject(canvas.dc, old);
        DeleteObject(font);
    }
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

struct LayoutCase {
    std::u16string text;
    bool singleLine;
    bool wordBreak;
    int32_t width;
    std::vector<std::u16string> expected;
};

TEST(TextLayoutTest, EachTextBreaksIntoItsLines) {
    const LayoutCase cases[] = {
        {u"один два три", false, true, 7, {u"один", u"два три"}},
        {u"один два три", false, true, 12, {u"один два три"}},
        {u"один\r\nдва три", false, true, 20, {u"один", u"два три"}},
        {u"a подкидной b", false, true, 3, {u"a", u"подкидной", u"b"}},
        {u"a\tb\r\n\r\nc", false, false, 0, {u"ab", u"", u"c"}},
        {u"a\r\nb", true, true, 0, {u"ab"}},
    };
    for (const LayoutCase& c : cases) {
        EXPECT_EQ(
            platform::text::layoutLines(c.text, c.singleLine, c.wordBreak, c.width, characters),
            c.expected)
            << utf8FromUtf16(c.text) << " in " << c.width;
    }
}

} // namespace
