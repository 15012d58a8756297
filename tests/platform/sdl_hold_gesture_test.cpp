// SPDX-License-Identifier: MIT
// The pen held still: it fires after half a second at the press point,
// not after a move away, and the ring grows one dot an eighth at a time.
#include <gtest/gtest.h>

#include "platform/sdl/hold_gesture.h"

namespace {

using platform::sdl::HoldGesture;

int darkPixels(const platform::Surface& surface) {
    int count = 0;
    for (uint32_t pixel : surface.pixels) {
        count += pixel == 0x000000 ? 1 : 0;
    }
    return count;
}

TEST(HoldGesture, FiresOnceAtThePressPointAfterHalfASecond) {
    HoldGesture hold;
    hold.press(100, 150, 1000);
    hold.move(102, 148); // a trembling pen is still
    EXPECT_EQ(hold.waitMs(1000), 62u);
    EXPECT_FALSE(hold.held(1499));
    auto held = hold.held(1500);
    ASSERT_TRUE(held);
    EXPECT_EQ(held->type, platform::InputEvent::Type::PenHold);
    EXPECT_EQ(held->x, 100);
    EXPECT_EQ(held->y, 150);
    EXPECT_FALSE(hold.armed());
    EXPECT_FALSE(hold.held(2000));
}

TEST(HoldGesture, AMoveAwayOrALiftCancelsIt) {
    HoldGesture hold;
    hold.press(100, 150, 0);
    hold.move(104, 150);
    EXPECT_FALSE(hold.held(600));
    hold.press(100, 150, 0);
    hold.release();
    EXPECT_FALSE(hold.held(600));
}

TEST(HoldGesture, TheRingGrowsADotAnEighth) {
    platform::Surface screen(240, 320, 0x00FF00);
    HoldGesture hold;
    hold.press(120, 160, 0);
    const int dotPixels = 3; // two by two, one of them light
    for (uint32_t ms : {0u, 62u, 250u, 499u, 500u}) {
        EXPECT_EQ(darkPixels(hold.withRing(screen, ms)),
                  dotPixels * static_cast<int>(std::min<uint32_t>(ms / 62, 8)))
            << ms;
    }
}

} // namespace
