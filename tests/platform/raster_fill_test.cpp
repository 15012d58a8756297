// FillRect: the right and bottom edges are left out, everything is clipped,
// and the brush decides the colour.
#include "platform/region.h"
#include "raster_support.h"

namespace {

using namespace raster_testing;
using platform::Region;
using platform::Surface;

class FillTest : public RasterTest {};

TEST_F(FillTest, RightAndBottomEdgesAreNotFilled) {
    Canvas screen = makeCanvas(4, 4, 0);
    RECT rect{1, 1, 3, 3};
    EXPECT_NE(FillRect(screen.dc, &rect, GetStockObject(WHITE_BRUSH)), 0);
    EXPECT_EQ(picture(*screen.pixels, {{0, '.'}, {0xFFFFFF, '#'}}), "....|.##.|.##.|....");
}

TEST_F(FillTest, EmptyAndInsideOutRectanglesFillNothing) {
    Canvas screen = makeCanvas(3, 3, 0);
    RECT line{1, 1, 1, 3};
    RECT insideOut{2, 2, 0, 0};
    FillRect(screen.dc, &line, GetStockObject(WHITE_BRUSH));
    FillRect(screen.dc, &insideOut, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(picture(*screen.pixels, {{0, '.'}}), "...|...|...");
}

TEST_F(FillTest, ASolidBrushFillsWithItsColourInPixelOrder) {
    Canvas screen = makeCanvas(2, 1, 0);
    HBRUSH table = CreateSolidBrush(RGB(0, 150, 0));
    HBRUSH darkRed = CreateSolidBrush(RGB(128, 0, 0));
    RECT left{0, 0, 1, 1};
    RECT right{1, 0, 2, 1};
    FillRect(screen.dc, &left, table);
    FillRect(screen.dc, &right, darkRed);
    EXPECT_EQ(screen.pixels->at(0, 0), 0x009600u);
    EXPECT_EQ(screen.pixels->at(1, 0), 0x800000u);
    EXPECT_EQ(platform::colorrefFromPixel(screen.pixels->at(1, 0)), RGB(128, 0, 0));
}

TEST_F(FillTest, StockBrushesHaveTheirGreys) {
    Canvas screen = makeCanvas(5, 1, 0x123456);
    const int brushes[] = {WHITE_BRUSH, LTGRAY_BRUSH, GRAY_BRUSH, DKGRAY_BRUSH, BLACK_BRUSH};
    for (LONG i = 0; i < 5; ++i) {
        RECT pixel{i, 0, i + 1, 1};
        FillRect(screen.dc, &pixel, GetStockObject(brushes[i]));
    }
    EXPECT_EQ(
        picture(*screen.pixels,
                {{0xFFFFFF, 'W'}, {0xC0C0C0, 'L'}, {0x808080, 'G'}, {0x404040, 'D'}, {0, 'B'}}),
        "WLGDB");
}

TEST_F(FillTest, TheNullBrushFillsNothing) {
    Canvas screen = makeCanvas(2, 2, 0x123456);
    RECT all{0, 0, 2, 2};
    EXPECT_NE(FillRect(screen.dc, &all, GetStockObject(NULL_BRUSH)), 0);
    EXPECT_EQ(picture(*screen.pixels, {{0x123456, '.'}}), "..|..");
}

TEST_F(FillTest, FillsAreClippedToTheSurfaceAndTheRegion) {
    Surface window(4, 3, 0);
    Region region;
    region.add(RECT{0, 0, 2, 3}, RECT{0, 0, 4, 3});
    region.add(RECT{1, 1, 4, 2}, RECT{0, 0, 4, 3});
    HDC dc = platform::createSurfaceDC(&window, region);
    RECT hugeRect{-100, -100, 100, 100};
    EXPECT_NE(FillRect(dc, &hugeRect, GetStockObject(WHITE_BRUSH)), 0);
    EXPECT_EQ(picture(window, {{0, '.'}, {0xFFFFFF, '#'}}), "##..|####|##..");
    DeleteDC(dc);
}

TEST_F(FillTest, UnknownBrushesAndMissingRectanglesAreRefused) {
    Canvas screen = makeCanvas(2, 2, 0);
    RECT all{0, 0, 2, 2};
    EXPECT_EQ(FillRect(screen.dc, &all, nullptr), 0);
    EXPECT_EQ(FillRect(screen.dc, &all, screen.bitmap), 0); // a bitmap is no brush
    EXPECT_EQ(FillRect(screen.dc, nullptr, GetStockObject(WHITE_BRUSH)), 0);
    EXPECT_EQ(FillRect(nullptr, &all, GetStockObject(WHITE_BRUSH)), 0);
    EXPECT_EQ(picture(*screen.pixels, {{0, '.'}}), "..|..");
}

} // namespace
