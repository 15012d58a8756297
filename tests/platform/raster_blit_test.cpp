// BitBlt and PatBlt: each raster operation pixel by pixel, and clipping to
// the paint region, the destination's edge and the source's edge.
#include "platform/region.h"
#include "raster_support.h"

namespace {

using namespace raster_testing;
using platform::Region;
using platform::Surface;

constexpr uint32_t TABLE = 0x009600; // the green table, as a pixel
constexpr uint32_t INVERTED_TABLE = 0xFF69FF;

class BlitTest : public RasterTest {};

// A 2 x 2 image with four distinct pixels.
Canvas quadImage() {
    Canvas image = makeCanvas(2, 2, 0);
    image.pixels->at(0, 0) = 0x110000;
    image.pixels->at(1, 0) = 0x002200;
    image.pixels->at(0, 1) = 0x000033;
    image.pixels->at(1, 1) = 0x444444;
    return image;
}

const std::map<uint32_t, char> QUAD_NAMES{
    {0x110000, 'a'}, {0x002200, 'b'}, {0x000033, 'c'}, {0x444444, 'd'}, {0x000000, '.'}};

Region regionOf(std::initializer_list<RECT> rects) {
    Region region;
    for (const RECT& rect : rects) {
        region.add(rect, RECT{0, 0, 1000, 1000});
    }
    return region;
}

TEST_F(BlitTest, SrccopyReplacesTheRectangleAndNothingElse) {
    Canvas image = quadImage();
    Canvas screen = makeCanvas(4, 4, 0);
    EXPECT_TRUE(BitBlt(screen.dc, 1, 2, 2, 2, image.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(picture(*screen.pixels, QUAD_NAMES), "....|....|.ab.|.cd.");
}

TEST_F(BlitTest, SrccopyFromAnOffsetInTheSource) {
    Canvas image = quadImage();
    Canvas screen = makeCanvas(4, 4, 0);
    EXPECT_TRUE(BitBlt(screen.dc, 0, 0, 1, 2, image.dc, 1, 0, SRCCOPY));
    EXPECT_EQ(picture(*screen.pixels, QUAD_NAMES), "b...|d...|....|....");
}

TEST_F(BlitTest, SrcpaintOrsTheImageIn) {
    // A button face: black background lets the table through, white
    // drawing shows white, a grey pixel mixes bitwise.
    Canvas face = makeCanvas(3, 1, 0);
    face.pixels->at(1, 0) = 0xFFFFFF;
    face.pixels->at(2, 0) = 0x808080;
    Canvas screen = makeCanvas(3, 1, TABLE);
    EXPECT_TRUE(BitBlt(screen.dc, 0, 0, 3, 1, face.dc, 0, 0, SRCPAINT));
    EXPECT_EQ(screen.pixels->at(0, 0), TABLE);
    EXPECT_EQ(screen.pixels->at(1, 0), 0xFFFFFFu);
    EXPECT_EQ(screen.pixels->at(2, 0), 0x809680u);
}

TEST_F(BlitTest, SrcinvertXorsTheImageAndTwiceRestores) {
    Canvas face = makeCanvas(2, 1, 0);
    face.pixels->at(1, 0) = 0xFFFFFF;
    Canvas screen = makeCanvas(2, 1, TABLE);
    EXPECT_TRUE(BitBlt(screen.dc, 0, 0, 2, 1, face.dc, 0, 0, SRCINVERT));
    EXPECT_EQ(screen.pixels->at(0, 0), TABLE);
    EXPECT_EQ(screen.pixels->at(1, 0), INVERTED_TABLE);
    EXPECT_TRUE(BitBlt(screen.dc, 0, 0, 2, 1, face.dc, 0, 0, SRCINVERT));
    EXPECT_EQ(screen.pixels->at(1, 0), TABLE);
}

TEST_F(BlitTest, PatinvertOnAPaintSurfaceInvertsWithTheDefaultWhiteBrush) {
    Surface window(4, 4, TABLE);
    HDC dc = platform::createSurfaceDC(&window, regionOf({{0, 0, 4, 4}}));
    EXPECT_TRUE(BitBlt(dc, 1, 1, 2, 2, nullptr, 0, 0, PATINVERT));
    EXPECT_EQ(picture(window, {{TABLE, '.'}, {INVERTED_TABLE, '#'}}), "....|.##.|.##.|....");
    DeleteDC(dc);
}

TEST_F(BlitTest, PatinvertIgnoresTheSourceEvenWhenGiven) {
    Canvas image = quadImage();
    Surface window(2, 2, 0x000000);
    HDC dc = platform::createSurfaceDC(&window, regionOf({{0, 0, 2, 2}}));
    EXPECT_TRUE(BitBlt(dc, 0, 0, 2, 2, image.dc, 0, 0, PATINVERT));
    EXPECT_EQ(picture(window, {{0xFFFFFF, '#'}}), "##|##");
    DeleteDC(dc);
}

TEST_F(BlitTest, PatinvertXorsWithTheSelectedBrushColour) {
    Canvas screen = makeCanvas(2, 1, 0x123456);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    SelectObject(screen.dc, red);
    EXPECT_TRUE(BitBlt(screen.dc, 0, 0, 1, 1, nullptr, 0, 0, PATINVERT));
    EXPECT_EQ(screen.pixels->at(0, 0), 0xED3456u); // red is the high byte of a pixel
    EXPECT_EQ(screen.pixels->at(1, 0), 0x123456u);
}

TEST_F(BlitTest, PatinvertWithTheNullBrushChangesNothing) {
    Canvas screen = makeCanvas(2, 2, TABLE);
    SelectObject(screen.dc, GetStockObject(NULL_BRUSH));
    EXPECT_TRUE(PatBlt(screen.dc, 0, 0, 2, 2, PATINVERT));
    EXPECT_EQ(picture(*screen.pixels, {{TABLE, '.'}}), "..|..");
}

TEST_F(BlitTest, PatBltInvertsLikeBitBlt) {
    Surface window(3, 1, 0x000000);
    HDC dc = platform::createSurfaceDC(&window, regionOf({{0, 0, 3, 1}}));
    EXPECT_TRUE(PatBlt(dc, 1, 0, 5, 1, PATINVERT));
    EXPECT_EQ(picture(window, {{0, '.'}, {0xFFFFFF, '#'}}), ".##");
    EXPECT_FALSE(PatBlt(dc, 0, 0, 1, 1, SRCCOPY));
    DeleteDC(dc);
}

TEST_F(BlitTest, OverlappingClipRectanglesInvertEachPixelOnce) {
    // Two overlapping invalidated rectangles; the overlap must not be
    // inverted twice (which would bring it back).
    Surface window(4, 4, 0x000000);
    HDC dc = platform::createSurfaceDC(&window, regionOf({{0, 0, 3, 2}, {1, 1, 4, 3}}));
    EXPECT_TRUE(PatBlt(dc, 0, 0, 4, 4, PATINVERT));
    EXPECT_EQ(picture(window, {{0, '.'}, {0xFFFFFF, '#'}}), "###.|####|.###|....");
    DeleteDC(dc);
}

TEST_F(BlitTest, CopiesAreClippedToThePaintRegion) {
    Canvas image = makeCanvas(4, 4, 0xFFFFFF);
    Surface window(4, 4, 0x000000);
    HDC dc = platform::createSurfaceDC(&window, regionOf({{1, 0, 2, 4}, {0, 3, 4, 4}}));
    EXPECT_TRUE(BitBlt(dc, 0, 0, 4, 4, image.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(picture(window, {{0, '.'}, {0xFFFFFF, '#'}}), ".#..|.#..|.#..|####");
    DeleteDC(dc);
}

TEST_F(BlitTest, AnEmptyRegionDrawsNothing) {
    Surface window(2, 2, TABLE);
    HDC dc = platform::createSurfaceDC(&window, Region{});
    EXPECT_TRUE(PatBlt(dc, 0, 0, 2, 2, PATINVERT));
    EXPECT_EQ(picture(window, {{TABLE, '.'}}), "..|..");
    DeleteDC(dc);
}

TEST_F(BlitTest, APaintSurfaceOriginShiftsDrawingAndTheClipStaysOnTheTarget) {
    // The DC's 0,0 lies at 2,1 of the target; the clip is in target
    // coordinates and cuts the image's right column.
    Canvas image = quadImage();
    Surface target(4, 4, 0x000000);
    HDC dc = platform::createSurfaceDC(&target, regionOf({{0, 0, 3, 4}}), POINT{2, 1});
    EXPECT_TRUE(BitBlt(dc, 0, 0, 2, 2, image.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(picture(target, QUAD_NAMES), "....|..a.|..c.|....");
    DeleteDC(dc);
}

TEST_F(BlitTest, DestinationEdgesClipCopiesThatHangOver) {
    Canvas image = quadImage();
    Canvas screen = makeCanvas(3, 3, 0);
    EXPECT_TRUE(BitBlt(screen.dc, -1, -1, 2, 2, image.dc, 0, 0, SRCCOPY));
    EXPECT_TRUE(BitBlt(screen.dc, 2, 2, 2, 2, image.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(picture(*screen.pixels, QUAD_NAMES), "d..|...|..a");
}

TEST_F(BlitTest, SourcePixelsOutsideTheSourceAreNotDrawn) {
    Canvas image = quadImage();
    Canvas screen = makeCanvas(4, 4, 0x555555);
    const std::map<uint32_t, char> names{
        {0x110000, 'a'}, {0x002200, 'b'}, {0x000033, 'c'}, {0x444444, 'd'}, {0x555555, '.'}};
    // A 4 x 4 request from 1,1 of a 2 x 2 image finds one pixel.
    EXPECT_TRUE(BitBlt(screen.dc, 0, 0, 4, 4, image.dc, 1, 1, SRCCOPY));
    EXPECT_EQ(picture(*screen.pixels, names), "d...|....|....|....");
    // Starting left of and above the image: its pixels land shifted.
    EXPECT_TRUE(BitBlt(screen.dc, 0, 0, 4, 4, image.dc, -2, -1, SRCCOPY));
    EXPECT_EQ(picture(*screen.pixels, names), "d...|..ab|..cd|....");
}

TEST_F(BlitTest, FarOffCoordinatesDrawNothingAndDoNotOverflow) {
    Canvas image = quadImage();
    Canvas screen = makeCanvas(2, 2, 0);
    EXPECT_TRUE(BitBlt(screen.dc, INT32_MAX - 1, INT32_MIN + 1, INT32_MAX, INT32_MAX, image.dc,
                       INT32_MIN, INT32_MAX, SRCCOPY));
    EXPECT_TRUE(BitBlt(screen.dc, 0, 0, -5, 2, image.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(picture(*screen.pixels, QUAD_NAMES), "..|..");
}

TEST_F(BlitTest, CopyingWithinOneSurfaceReadsTheOriginalPixels) {
    Canvas screen = makeCanvas(4, 1, 0);
    screen.pixels->at(0, 0) = 0x110000;
    screen.pixels->at(1, 0) = 0x002200;
    screen.pixels->at(2, 0) = 0x000033;
    EXPECT_TRUE(BitBlt(screen.dc, 1, 0, 3, 1, screen.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(picture(*screen.pixels, QUAD_NAMES), "aabc");
}

TEST_F(BlitTest, UnknownOperationsAndHandlesAreRefused) {
    Canvas image = quadImage();
    Canvas screen = makeCanvas(2, 2, 0);
    EXPECT_FALSE(BitBlt(screen.dc, 0, 0, 2, 2, image.dc, 0, 0, 0x00F00021)); // PATCOPY
    EXPECT_FALSE(BitBlt(screen.dc, 0, 0, 2, 2, nullptr, 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(nullptr, 0, 0, 2, 2, image.dc, 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(reinterpret_cast<HDC>(image.bitmap), 0, 0, 2, 2, image.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(picture(*screen.pixels, QUAD_NAMES), "..|..");
}

} // namespace
