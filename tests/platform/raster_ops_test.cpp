// SPDX-License-Identifier: MIT
// FillRect and BitBlt pixel by pixel on tiny surfaces: each raster operation,
// the brushes, and clipping to the paint region, the destination's edge and
// the source's edge.
#include <functional>
#include <optional>
#include <vector>

#include "platform/region.h"
#include "platform_support.h"

namespace {

using namespace platform_testing;
using platform::Region;
using platform::Surface;

constexpr uint32_t TABLE = 0x009600; // the green table, as a pixel

const std::map<uint32_t, char> NAMES{
    {0x000000, '.'}, {0xFFFFFF, '#'}, {TABLE, 't'},    {0xFF69FF, 'T'}, // the table inverted
    {0x110000, 'a'}, {0x002200, 'b'}, {0x000033, 'c'}, {0x444444, 'd'},
    {0x555555, 's'}, {0xC0C0C0, 'L'}, {0x808080, 'G'}, {0x404040, 'D'},
    {0x800000, 'R'}, {0x123456, 'x'}, {0x809680, 'm'}, {0xED3456, 'r'}};

// A 2 x 2 image "ab|cd".
HDC quad() {
    Canvas image = makeCanvas(2, 2, 0);
    image.pixels->pixels = {0x110000, 0x002200, 0x000033, 0x444444};
    return image.dc;
}

HDC row(std::vector<uint32_t> pixels) {
    Canvas image = makeCanvas(static_cast<int>(pixels.size()), 1, 0);
    image.pixels->pixels.assign(pixels.begin(), pixels.end());
    return image.dc;
}

HBRUSH stock(int which) {
    return static_cast<HBRUSH>(GetStockObject(which));
}

void fill(HDC dc, LONG left, LONG top, LONG right, LONG bottom, HBRUSH brush) {
    RECT rect{left, top, right, bottom};
    EXPECT_NE(FillRect(dc, &rect, brush), 0);
}

void blit(HDC dc, int x, int y, int width, int height, HDC source, int sx, int sy, DWORD op) {
    EXPECT_TRUE(BitBlt(dc, x, y, width, height, source, sx, sy, op));
}

struct RasterCase {
    const char* name;
    int width;
    int height;
    uint32_t fill;
    // A paint DC clipped to these rectangles, or else a memory DC.
    std::optional<std::vector<RECT>> region;
    std::function<void(HDC)> draw;
    const char* expected;
    POINT origin{0, 0};
};

const std::vector<RasterCase> RASTER_CASES{
    {"fill leaves out the right and bottom edges", 4, 4, 0, std::nullopt,
     [](HDC dc) { fill(dc, 1, 1, 3, 3, stock(WHITE_BRUSH)); }, "....|.##.|.##.|...."},
    {"solid brushes fill with their colours", 2, 1, 0, std::nullopt,
     [](HDC dc) {
         fill(dc, 0, 0, 1, 1, CreateSolidBrush(RGB(0, 150, 0)));
         fill(dc, 1, 0, 2, 1, CreateSolidBrush(RGB(128, 0, 0)));
     },
     "tR"},
    {"fills are clipped to the surface and the region", 4, 3, 0,
     std::vector<RECT>{{0, 0, 2, 3}, {1, 1, 4, 2}},
     [](HDC dc) { fill(dc, -100, -100, 100, 100, stock(WHITE_BRUSH)); }, "##..|####|##.."},
    {"a frame is the border just inside the rectangle, clipped like a fill", 5, 5, 0,
     std::vector<RECT>{{0, 0, 5, 5}, {0, 0, 0, 0}},
     [](HDC dc) {
         RECT frame{0, 1, 4, 5};
         EXPECT_NE(FrameRect(dc, &frame, stock(WHITE_BRUSH)), 0);
         ExcludeClipRect(dc, 3, 0, 5, 2);
         frame = RECT{2, -1, 5, 3};
         FrameRect(dc, &frame, stock(GRAY_BRUSH));
     },
     "..G..|##G#.|#.GGG|#..#.|####."},
    {"a frame one pixel high or wide is a line; an empty one is nothing", 4, 3, 0, std::nullopt,
     [](HDC dc) {
         const RECT frames[] = {
             {0, 0, 3, 1}, {3, 0, 4, 3}, {0, 2, 2, 3}, {1, 1, 1, 3}, {2, 2, 1, 3}};
         for (const RECT& frame : frames) {
             FrameRect(dc, &frame, stock(WHITE_BRUSH));
         }
         const RECT all{0, 0, 4, 3};
         FrameRect(dc, &all, stock(NULL_BRUSH));
     },
     "####|...#|##.#"},
    {"SRCCOPY replaces the rectangle and nothing else", 4, 4, 0, std::nullopt,
     [](HDC dc) { blit(dc, 1, 2, 2, 2, quad(), 0, 0, SRCCOPY); }, "....|....|.ab.|.cd."},
    {"SRCPAINT ors the image in", 3, 1, TABLE, std::nullopt,
     [](HDC dc) {
         blit(dc, 0, 0, 3, 1, row({0, 0xFFFFFF, 0x808080}), 0, 0, SRCPAINT);
     },
     "t#m"},
    {"SRCINVERT xors the image", 2, 1, TABLE, std::nullopt,
     [](HDC dc) {
         blit(dc, 0, 0, 2, 1, row({0, 0xFFFFFF}), 0, 0, SRCINVERT);
     },
     "tT"},
    {"PATINVERT on a paint DC inverts with the default white brush", 4, 4, TABLE,
     std::vector<RECT>{{0, 0, 4, 4}},
     [](HDC dc) { blit(dc, 1, 1, 2, 2, nullptr, 0, 0, PATINVERT); }, "tttt|tTTt|tTTt|tttt"},
    {"PATINVERT xors with the selected brush", 2, 1, 0x123456, std::nullopt,
     [](HDC dc) {
         SelectObject(dc, CreateSolidBrush(RGB(255, 0, 0)));
         blit(dc, 0, 0, 1, 1, nullptr, 0, 0, PATINVERT);
     },
     "rx"},
    {"PATINVERT with the null brush changes nothing", 2, 2, TABLE, std::nullopt,
     [](HDC dc) {
         SelectObject(dc, stock(NULL_BRUSH));
         blit(dc, 0, 0, 2, 2, nullptr, 0, 0, PATINVERT);
     },
     "tt|tt"},
    {"PATINVERT stops at the destination's edge", 3, 1, 0, std::vector<RECT>{{0, 0, 3, 1}},
     [](HDC dc) { blit(dc, 1, 0, 5, 1, nullptr, 0, 0, PATINVERT); }, ".##"},
    {"overlapping clip rectangles invert each pixel once", 4, 4, 0,
     std::vector<RECT>{{0, 0, 3, 2}, {1, 1, 4, 3}},
     [](HDC dc) { blit(dc, 0, 0, 4, 4, nullptr, 0, 0, PATINVERT); }, "###.|####|.###|...."},
    {"copies are clipped to the paint region", 4, 4, 0,
     std::vector<RECT>{{1, 0, 2, 4}, {0, 3, 4, 4}},
     [](HDC dc) { blit(dc, 0, 0, 4, 4, makeCanvas(4, 4, 0xFFFFFF).dc, 0, 0, SRCCOPY); },
     ".#..|.#..|.#..|####"},
    {"an empty region draws nothing", 2, 2, TABLE, std::vector<RECT>{},
     [](HDC dc) { blit(dc, 0, 0, 2, 2, nullptr, 0, 0, PATINVERT); }, "tt|tt"},
    {"a paint DC's origin shifts drawing; the clip stays on the target", 4, 4, 0,
     std::vector<RECT>{{0, 0, 3, 4}}, [](HDC dc) { blit(dc, 0, 0, 2, 2, quad(), 0, 0, SRCCOPY); },
     "....|..a.|..c.|....", POINT{2, 1}},
    {"the destination's edges clip copies that hang over", 3, 3, 0, std::nullopt,
     [](HDC dc) {
         blit(dc, -1, -1, 2, 2, quad(), 0, 0, SRCCOPY);
         blit(dc, 2, 2, 2, 2, quad(), 0, 0, SRCCOPY);
     },
     "d..|...|..a"},
    {"only pixels inside the source are drawn", 4, 4, 0x555555, std::nullopt,
     [](HDC dc) { blit(dc, 0, 0, 4, 4, quad(), 1, 1, SRCCOPY); }, "dsss|ssss|ssss|ssss"},
    {"a source left of and above the image lands shifted", 4, 4, 0x555555, std::nullopt,
     [](HDC dc) { blit(dc, 0, 0, 4, 4, quad(), -2, -1, SRCCOPY); }, "ssss|ssab|sscd|ssss"},
    {"a cut rectangle is left out of later drawing", 4, 3, 0, std::vector<RECT>{{0, 0, 4, 3}},
     [](HDC dc) {
         EXPECT_EQ(ExcludeClipRect(dc, 1, 1, 3, 2), COMPLEXREGION);
         fill(dc, 0, 0, 4, 3, stock(WHITE_BRUSH));
     },
     "####|#..#|####"},
    {"a cut splits every run it crosses and keeps the rows beside it", 5, 3, 0,
     std::vector<RECT>{{0, 0, 2, 3}, {3, 0, 5, 3}},
     [](HDC dc) {
         EXPECT_EQ(ExcludeClipRect(dc, 1, 1, 4, 2), COMPLEXREGION);
         blit(dc, 0, 0, 5, 3, nullptr, 0, 0, PATINVERT);
     },
     "##.##|#...#|##.##"},
    {"cuts over a band's whole height trim, take or split its runs", 9, 2, 0,
     std::vector<RECT>{{0, 0, 3, 2}, {4, 0, 9, 2}},
     [](HDC dc) {
         EXPECT_EQ(ExcludeClipRect(dc, 8, 0, 9, 2), COMPLEXREGION);
         ExcludeClipRect(dc, 2, -1, 5, 3);
         ExcludeClipRect(dc, 6, 0, 7, 2);
         ExcludeClipRect(dc, 0, 0, 1, 2);
         EXPECT_EQ(ExcludeClipRect(dc, 5, 0, 8, 2), SIMPLEREGION);
         fill(dc, 0, 0, 9, 2, stock(WHITE_BRUSH));
     },
     ".#.......|.#......."},
    {"cutting a side leaves one rectangle, cutting all leaves none", 3, 2, 0,
     std::vector<RECT>{{0, 0, 3, 2}},
     [](HDC dc) {
         EXPECT_EQ(ExcludeClipRect(dc, 2, -5, 9, 9), SIMPLEREGION);
         fill(dc, 0, 0, 3, 2, stock(WHITE_BRUSH));
         EXPECT_EQ(ExcludeClipRect(dc, 0, 0, 2, 2), NULLREGION);
         fill(dc, 0, 0, 3, 2, stock(GRAY_BRUSH));
     },
     "##.|##."},
    {"a cut is in the DC's coordinates", 3, 1, 0, std::vector<RECT>{{0, 0, 3, 1}},
     [](HDC dc) {
         ExcludeClipRect(dc, 0, 0, 1, 1);
         fill(dc, -1, 0, 2, 1, stock(WHITE_BRUSH));
     },
     "#.#", POINT{1, 0}},
    {"RestoreDC brings back the clip, the brush and the colours", 3, 1, 0,
     std::vector<RECT>{{0, 0, 3, 1}},
     [](HDC dc) {
         EXPECT_EQ(SaveDC(dc), 1);
         ExcludeClipRect(dc, 0, 0, 2, 1);
         SelectObject(dc, CreateSolidBrush(RGB(255, 0, 0)));
         SetBkColor(dc, 0x123456);
         EXPECT_TRUE(RestoreDC(dc, -1));
         EXPECT_FALSE(RestoreDC(dc, -1)) << "nothing is left to restore";
         EXPECT_EQ(SetBkColor(dc, 0), 0xFFFFFFu);
         blit(dc, 0, 0, 3, 1, nullptr, 0, 0, PATINVERT);
     },
     "###"},
    {"RestoreDC to a level forgets the saves after it", 4, 1, 0, std::vector<RECT>{{0, 0, 4, 1}},
     [](HDC dc) {
         EXPECT_EQ(SaveDC(dc), 1);
         ExcludeClipRect(dc, 0, 0, 1, 1);
         EXPECT_EQ(SaveDC(dc), 2);
         ExcludeClipRect(dc, 1, 0, 2, 1);
         EXPECT_EQ(SaveDC(dc), 3);
         EXPECT_FALSE(RestoreDC(dc, 4));
         EXPECT_FALSE(RestoreDC(dc, 0));
         EXPECT_TRUE(RestoreDC(dc, 2));
         EXPECT_FALSE(RestoreDC(dc, 2));
         fill(dc, 0, 0, 4, 1, stock(WHITE_BRUSH));
     },
     ".###"},
    {"a memory DC has no clip to cut", 2, 1, 0, std::nullopt,
     [](HDC dc) {
         EXPECT_EQ(ExcludeClipRect(dc, 0, 0, 1, 1), ERROR);
         fill(dc, 0, 0, 2, 1, stock(WHITE_BRUSH));
     },
     "##"},
    {"marks that make one rectangle clip as their union", 4, 3, 0,
     std::vector<RECT>{{0, 0, 2, 2}, {1, 0, 3, 2}, {2, 0, 4, 2}, {0, 2, 1, 3}, {0, 0, 1, 3}},
     [](HDC dc) { blit(dc, 0, 0, 4, 3, nullptr, 0, 0, PATINVERT); }, "####|####|#..."},
    {"marks apart on the same rows or columns stay apart", 3, 3, 0,
     std::vector<RECT>{{0, 0, 1, 1}, {2, 0, 3, 1}, {0, 2, 1, 3}},
     [](HDC dc) { blit(dc, 0, 0, 3, 3, nullptr, 0, 0, PATINVERT); }, "#.#|...|#.."},
    {"a bitmap made for drawing starts black, only in sizes that can be", 3, 1, 0x555555,
     std::nullopt,
     [](HDC dc) {
         const HDC image = CreateCompatibleDC(dc);
         SelectObject(image, CreateCompatibleBitmap(dc, 2, 1));
         fill(image, 1, 0, 2, 1, stock(WHITE_BRUSH));
         blit(dc, 0, 0, 3, 1, image, 0, 0, SRCCOPY);
         for (const SIZE size : {SIZE{0, 1}, SIZE{1, 0}, SIZE{4097, 1}, SIZE{1, 4097}}) {
             EXPECT_EQ(CreateCompatibleBitmap(dc, size.cx, size.cy), nullptr);
         }
         EXPECT_NE(CreateCompatibleBitmap(dc, 4096, 1), nullptr);
     },
     ".#s"},
    {"copying within one surface reads the original pixels", 4, 1, 0, std::nullopt,
     [](HDC dc) {
         platform::surfaceOfDC(dc)->pixels = {0x110000, 0x002200, 0x000033, 0};
         blit(dc, 1, 0, 3, 1, dc, 0, 0, SRCCOPY);
     },
     "aabc"},
};

TEST(RasterOpsTest, EachCaseDrawsItsPicture) {
    for (const RasterCase& c : RASTER_CASES) {
        SCOPED_TRACE(c.name);
        platform::resetRaster();
        Surface window(c.width, c.height, c.fill);
        Canvas canvas;
        HDC dc = nullptr;
        if (c.region) {
            Region region;
            for (const RECT& rect : *c.region) {
                region.add(rect, RECT{0, 0, 1000, 1000});
            }
            dc = platform::createSurfaceDC(&window, region, c.origin);
        } else {
            canvas = makeCanvas(c.width, c.height, c.fill);
            dc = canvas.dc;
        }
        c.draw(dc);
        EXPECT_EQ(picture(c.region ? window : *canvas.pixels, NAMES), c.expected);
    }
    platform::resetRaster();
}

} // namespace
