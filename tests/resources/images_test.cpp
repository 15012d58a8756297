// SPDX-License-Identifier: MIT
// The compiled-in pixel art: the window icon, which no screenshot shows, and
// the numbers that find nothing. What the bitmaps show, the golden
// screenshots hold.
#include <gtest/gtest.h>

#include <set>

#include "platform/raster/surface.h"
#include "resources/resource_ids.h"
#include "resources/resource_table.h"

namespace {

TEST(Bitmaps, TheIconDecodesAtItsSizeAndOtherNumbersFindNothing) {
    const resources::XpmImage* icon = resources::findIcon(IDI_APP);
    ASSERT_NE(icon, nullptr);
    const platform::Surface surface = platform::surfaceFromXpm(icon->lines, icon->lineCount);
    EXPECT_EQ(surface.width * 100 + surface.height, 3232);
    EXPECT_GT(std::set<uint32_t>(surface.pixels.begin(), surface.pixels.end()).size(), 2u)
        << "the icon has colours of its own";
    for (int id : {0, -1, 1, 3, 104, 109, 114, 130, 136, 142, 40012, IDI_APP}) {
        EXPECT_EQ(resources::findBitmap(id), nullptr) << id;
    }
    for (int id : {0, -1, 100, 102, IDB_DIAMOND}) {
        EXPECT_EQ(resources::findIcon(id), nullptr) << id;
    }
}

} // namespace
