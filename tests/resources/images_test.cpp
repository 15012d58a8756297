// The compiled-in pixel art: every image decodes at the size the table is
// laid out for. What the images show, the golden screenshots hold.
#include <gtest/gtest.h>

#include <set>

#include "platform/raster/surface.h"
#include "resources/resource_ids.h"
#include "resources/resource_table.h"

namespace {

TEST(Bitmaps, EveryImageDecodesAtItsSizeAndOtherNumbersFindNothing) {
    const struct {
        int id, width, height;
    } all[] = {{IDB_DIAMOND, 9, 9},         {IDB_HEART, 9, 9},
               {IDB_SPADE, 9, 9},           {IDB_CLUB, 9, 9},
               {IDB_RANKS_RED, 170, 10},    {IDB_RANKS_BLACK, 170, 10},
               {IDB_BACK_MAT, 28, 40},      {IDB_BACK_FISH, 28, 40},
               {IDB_BACK_PORTRAIT, 28, 40}, {IDB_BACK_GRADIENT, 28, 40},
               {IDB_BACK_ORNAMENT, 28, 40}, {IDB_BUTTON_SORT, 32, 32},
               {IDB_BUTTON_OK, 32, 32},     {IDB_BUTTON_TAKE, 32, 32},
               {IDB_COMMAND_BAR, 114, 16},  {-IDI_APP, 32, 32}};
    for (const auto& e : all) {
        const resources::XpmImage* image =
            e.id < 0 ? resources::findIcon(-e.id) : resources::findBitmap(e.id);
        ASSERT_NE(image, nullptr) << e.id;
        const platform::Surface surface = platform::surfaceFromXpm(image->lines, image->lineCount);
        EXPECT_EQ(surface.width, e.width) << e.id;
        EXPECT_EQ(surface.height, e.height) << e.id;
        if (e.id < 0) { // the icon has colours of its own
            EXPECT_GT(std::set<uint32_t>(surface.pixels.begin(), surface.pixels.end()).size(), 2u);
        }
    }
    for (int id : {0, -1, 1, 3, 104, 109, 114, 130, 136, 142, 40012, IDI_APP}) {
        EXPECT_EQ(resources::findBitmap(id), nullptr) << id;
    }
    for (int id : {0, -1, 100, 102, IDB_DIAMOND}) {
        EXPECT_EQ(resources::findIcon(id), nullptr) << id;
    }
}

} // namespace
