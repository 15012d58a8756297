// SPDX-License-Identifier: MIT
// The compiled-in pixel art: the window icon, which no screenshot shows, as
// a golden picture, and the numbers that find nothing. What the bitmaps show,
// the golden screenshots hold.
#include <gtest/gtest.h>

#include "platform/raster/surface.h"
#include "resources/resource_ids.h"
#include "resources/resource_table.h"
#include "support/golden_pictures.h"

namespace {

TEST(Bitmaps, TheIconDecodesAtItsSizeAndOtherNumbersFindNothing) {
    const resources::XpmImage* icon = resources::findIcon(IDI_APP);
    ASSERT_NE(icon, nullptr);
    const platform::Surface surface = platform::surfaceFromXpm(icon->lines, icon->lineCount);
    golden_pictures::expectGolden(surface, "app_icon", "app_icon");
    for (int id : {0, -1, 1, 3, 104, 109, 114, 130, 136, 142, 40012, IDI_APP}) {
        EXPECT_EQ(resources::findBitmap(id), nullptr) << id;
    }
    for (int id : {0, -1, 100, 102, IDB_DIAMOND}) {
        EXPECT_EQ(resources::findIcon(id), nullptr) << id;
    }
}

} // namespace
