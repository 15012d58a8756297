// The compiled-in pixel art: every image decodes at the size the table is
// laid out for. What the images show, the golden screenshots hold.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>

#include "platform/raster/surface.h"
#include "resources/resource_ids.h"
#include "resources/resource_table.h"

namespace {

platform::Surface bitmap(int id) {
    const resources::XpmImage* image = resources::findBitmap(id);
    if (image == nullptr) {
        ADD_FAILURE() << "no bitmap " << id;
        return {};
    }
    return platform::surfaceFromXpm(image->lines, image->lineCount);
}

std::set<uint32_t> coloursOf(const platform::Surface& surface) {
    return {surface.pixels.begin(), surface.pixels.end()};
}

struct Expected {
    int id;
    int32_t width;
    int32_t height;
};

TEST(Bitmaps, EveryImageDecodesAtItsSize) {
    const Expected all[] = {
        {IDB_DIAMOND, 9, 9},         {IDB_HEART, 9, 9},
        {IDB_SPADE, 9, 9},           {IDB_CLUB, 9, 9},
        {IDB_RANKS_RED, 170, 10},    {IDB_RANKS_BLACK, 170, 10},
        {IDB_BACK_MAT, 28, 40},      {IDB_BACK_FISH, 28, 40},
        {IDB_BACK_PORTRAIT, 28, 40}, {IDB_BACK_GRADIENT, 28, 40},
        {IDB_BACK_ORNAMENT, 28, 40}, {IDB_BUTTON_SORT, 32, 32},
        {IDB_BUTTON_OK, 32, 32},     {IDB_BUTTON_TAKE, 32, 32},
        {IDB_COMMAND_BAR, 114, 16},
    };
    for (const Expected& e : all) {
        platform::Surface surface = bitmap(e.id);
        EXPECT_EQ(surface.width, e.width) << "bitmap " << e.id;
        EXPECT_EQ(surface.height, e.height) << "bitmap " << e.id;
    }
}

TEST(Bitmaps, IconIsThirtyTwoSquare) {
    const resources::XpmImage* icon = resources::findIcon(IDI_APP);
    ASSERT_NE(icon, nullptr);
    platform::Surface surface = platform::surfaceFromXpm(icon->lines, icon->lineCount);
    EXPECT_EQ(surface.width, 32);
    EXPECT_EQ(surface.height, 32);
    EXPECT_GT(coloursOf(surface).size(), 2u);
}

TEST(Bitmaps, UnknownNumbersFindNothing) {
    for (int id : {0, -1, 1, 3, 104, 109, 114, 130, 136, 142, 40012, IDI_APP}) {
        EXPECT_EQ(resources::findBitmap(id), nullptr) << id;
    }
    for (int id : {0, -1, 100, 102, IDB_DIAMOND}) {
        EXPECT_EQ(resources::findIcon(id), nullptr) << id;
    }
}

} // namespace
