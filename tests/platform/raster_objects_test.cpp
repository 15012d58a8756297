// SPDX-License-Identifier: MIT
// Drawing objects and device contexts: selection, the state a paint DC
// starts with, and colour references.
#include "platform/region.h"
#include "platform_support.h"

namespace {

using namespace platform_testing;
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

// GetObject describes a bitmap as 32-bit pixels in one plane, asks for a
// buffer large enough, and knows nothing of a handle after a reset.
TEST_F(ObjectsTest, GetObjectDescribesABitmapUntilTheRasterIsReset) {
    HBITMAP picture = bitmap(5, 7);
    EXPECT_EQ(GetObjectW(picture, 0, nullptr), static_cast<int>(sizeof(BITMAP)));
    BITMAP info{};
    EXPECT_EQ(GetObjectW(picture, sizeof info - 1, &info), 0);
    ASSERT_EQ(GetObjectW(picture, sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(std::vector<LONG>({info.bmType, info.bmWidth, info.bmHeight, info.bmWidthBytes,
                                 info.bmPlanes, info.bmBitsPixel}),
              std::vector<LONG>({0, 5, 7, 20, 1, 32}));
    HDC dc = CreateCompatibleDC(nullptr);
    platform::resetRaster();
    EXPECT_EQ(GetObjectW(picture, sizeof info, &info), 0);
    EXPECT_EQ(DeleteDC(dc), FALSE);
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
