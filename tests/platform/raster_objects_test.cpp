// Drawing objects and device contexts: selection, sizes, stock objects and
// what happens to handles that are stale or of the wrong kind.
#include "platform/region.h"
#include "raster_support.h"

namespace {

using namespace raster_testing;
using platform::Region;
using platform::Surface;

class ObjectsTest : public RasterTest {};

HBITMAP bitmap(int width, int height) {
    return platform::createBitmapFromSurface(Surface(width, height));
}

SIZE bitmapSize(HGDIOBJ object) {
    BITMAP info{};
    if (GetObjectW(object, sizeof info, &info) != static_cast<int>(sizeof info)) {
        return SIZE{-1, -1};
    }
    return SIZE{info.bmWidth, info.bmHeight};
}

TEST_F(ObjectsTest, SelectObjectReturnsWhatWasSelectedBefore) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP first = bitmap(5, 7);
    HBITMAP second = bitmap(2, 3);

    HGDIOBJ original = SelectObject(dc, first);
    EXPECT_EQ(bitmapSize(original).cx, 1); // a memory DC starts with a 1 x 1 bitmap
    EXPECT_EQ(bitmapSize(original).cy, 1);
    EXPECT_EQ(platform::surfaceOfDC(dc), platform::surfaceOfBitmap(first));
    EXPECT_EQ(SelectObject(dc, second), first);
    EXPECT_EQ(SelectObject(dc, original), second);

    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(SelectObject(dc, brush), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_BRUSH)), brush);

    HFONT font = CreateFontW(13, FW_BOLD);
    EXPECT_EQ(SelectObject(dc, font), GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(SelectObject(dc, GetStockObject(SYSTEM_FONT)), font);
    DeleteDC(dc);
}

TEST_F(ObjectsTest, GetObjectGivesBitmapSizesOnly) {
    HBITMAP made = bitmap(170, 10);
    EXPECT_EQ(bitmapSize(made).cx, 170);
    EXPECT_EQ(bitmapSize(made).cy, 10);
    BITMAP info{};
    EXPECT_EQ(GetObjectW(made, sizeof info - 1, &info), 0); // too small a buffer
    EXPECT_EQ(GetObjectW(GetStockObject(WHITE_BRUSH), sizeof info, &info), 0);
    EXPECT_EQ(GetObjectW(made, 0, nullptr), static_cast<int>(sizeof info));
    EXPECT_EQ(platform::createBitmapFromSurface(Surface()), nullptr);
}

TEST_F(ObjectsTest, DeletedObjectsAreRefusedAndTheirHandlesNotReused) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP deleted = bitmap(3, 3);
    HBRUSH brush = CreateSolidBrush(RGB(9, 9, 9));
    EXPECT_TRUE(DeleteObject(deleted));
    EXPECT_TRUE(DeleteObject(brush));

    EXPECT_FALSE(DeleteObject(deleted));
    EXPECT_EQ(SelectObject(dc, deleted), nullptr);
    EXPECT_EQ(GetObjectW(deleted, sizeof(BITMAP), nullptr), 0);
    EXPECT_EQ(platform::surfaceOfBitmap(deleted), nullptr);
    RECT all{0, 0, 1, 1};
    EXPECT_EQ(FillRect(dc, &all, brush), 0);
    EXPECT_NE(bitmap(3, 3), deleted);
    DeleteDC(dc);
}

TEST_F(ObjectsTest, DeletedDcsAreRefusedAndTheirBitmapsLiveOn) {
    Canvas screen = makeCanvas(2, 2, 0);
    Canvas image = makeCanvas(2, 2, 0xFFFFFF);
    EXPECT_TRUE(DeleteDC(image.dc));
    EXPECT_FALSE(DeleteDC(image.dc));
    EXPECT_FALSE(BitBlt(screen.dc, 0, 0, 2, 2, image.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(SelectObject(image.dc, GetStockObject(BLACK_BRUSH)), nullptr);
    EXPECT_EQ(SetBkMode(image.dc, TRANSPARENT), 0);
    EXPECT_EQ(platform::surfaceOfDC(image.dc), nullptr);
    ASSERT_NE(platform::surfaceOfBitmap(image.bitmap), nullptr);
    EXPECT_EQ(platform::surfaceOfBitmap(image.bitmap)->at(0, 0), 0xFFFFFFu);
}

TEST_F(ObjectsTest, HandlesOfOneKindAreNotTakenForAnother) {
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SelectObject(reinterpret_cast<HDC>(bitmap(2, 2)), GetStockObject(BLACK_BRUSH)),
              nullptr);
    EXPECT_EQ(SelectObject(dc, reinterpret_cast<HGDIOBJ>(dc)), nullptr);
    EXPECT_FALSE(DeleteObject(reinterpret_cast<HGDIOBJ>(dc)));
    EXPECT_TRUE(DeleteDC(dc));
}

TEST_F(ObjectsTest, StockAndSelectedObjectsAreNotDeleted) {
    HGDIOBJ white = GetStockObject(WHITE_BRUSH);
    EXPECT_FALSE(DeleteObject(white));
    EXPECT_FALSE(DeleteObject(GetStockObject(SYSTEM_FONT)));
    EXPECT_EQ(GetStockObject(-1), nullptr);
    EXPECT_EQ(GetStockObject(6), nullptr);

    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP selected = bitmap(2, 2);
    HBRUSH brush = CreateSolidBrush(RGB(1, 1, 1));
    HGDIOBJ original = SelectObject(dc, selected);
    SelectObject(dc, brush);
    EXPECT_FALSE(DeleteObject(selected));
    EXPECT_FALSE(DeleteObject(brush));
    SelectObject(dc, original);
    EXPECT_TRUE(DeleteObject(selected));
    DeleteDC(dc);
    EXPECT_TRUE(DeleteObject(brush));
}

TEST_F(ObjectsTest, ResetDropsEveryObjectAndDcButKeepsTheStock) {
    HGDIOBJ white = GetStockObject(WHITE_BRUSH);
    Canvas screen = makeCanvas(2, 2, 0);
    HBRUSH brush = CreateSolidBrush(RGB(1, 1, 1));
    platform::resetRaster();
    EXPECT_EQ(platform::surfaceOfBitmap(screen.bitmap), nullptr);
    EXPECT_FALSE(DeleteDC(screen.dc));
    EXPECT_FALSE(DeleteObject(brush));
    EXPECT_EQ(GetStockObject(WHITE_BRUSH), white);
    Canvas after = makeCanvas(1, 1, 0);
    RECT all{0, 0, 1, 1};
    EXPECT_NE(FillRect(after.dc, &all, white), 0);
    EXPECT_EQ(after.pixels->at(0, 0), 0xFFFFFFu);
}

TEST_F(ObjectsTest, APaintDcStartsWithTheDocumentedStateAndTakesNoBitmap) {
    Surface window(4, 4, 0);
    Region region;
    region.add(RECT{0, 0, 4, 4}, RECT{0, 0, 4, 4});
    HDC dc = platform::createSurfaceDC(&window, region);
    EXPECT_EQ(platform::surfaceOfDC(dc), &window);
    EXPECT_EQ(SetTextColor(dc, RGB(255, 255, 255)), RGB(0, 0, 0));
    EXPECT_EQ(SetBkColor(dc, RGB(0, 150, 0)), RGB(255, 255, 255));
    EXPECT_EQ(SetBkMode(dc, TRANSPARENT), OPAQUE);
    EXPECT_EQ(SetBkMode(dc, 7), 0); // not a mode
    EXPECT_EQ(SetBkMode(dc, OPAQUE), TRANSPARENT);
    EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_BRUSH)), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(SelectObject(dc, GetStockObject(SYSTEM_FONT)), GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(SelectObject(dc, bitmap(2, 2)), nullptr);
    EXPECT_EQ(platform::surfaceOfDC(dc), &window);
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_EQ(platform::createSurfaceDC(nullptr, region), nullptr);
}

TEST_F(ObjectsTest, ColourReferencesAndPixelsSwapRedAndBlue) {
    EXPECT_EQ(platform::pixelFromColorref(RGB(0x12, 0x34, 0x56)), 0x123456u);
    EXPECT_EQ(platform::colorrefFromPixel(0x123456), RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(platform::pixelFromColorref(0xFF000000u | RGB(1, 2, 3)), 0x010203u);
}

} // namespace
