// SPDX-License-Identifier: MIT
// The pen held still: it fires after half a second at the press point,
// not after a move away, and the ring grows one dot an eighth at a time.
// The press waits meanwhile: a lift or a move away lets it go first, a
// hold drops it, so a held pen never acts as a tap.
#include <gtest/gtest.h>

#include "platform/sdl/hold_gesture.h"

namespace {

using platform::InputEvent;
using platform::sdl::HoldGesture;

InputEvent downAt(int32_t x, int32_t y) {
    InputEvent down;
    down.type = InputEvent::Type::PenDown;
    down.x = x;
    down.y = y;
    return down;
}

int darkPixels(const platform::Surface& surface) {
    int count = 0;
    for (uint32_t pixel : surface.pixels) {
        count += pixel == 0x000000 ? 1 : 0;
    }
    return count;
}

TEST(HoldGesture, FiresOnceAtThePressPointAfterHalfASecond) {
    HoldGesture hold;
    hold.press(downAt(100, 150), 1000);
    EXPECT_FALSE(hold.move(102, 148)); // a trembling pen is still
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
    hold.press(downAt(100, 150), 0);
    EXPECT_TRUE(hold.move(104, 150));
    EXPECT_FALSE(hold.held(600));
    hold.press(downAt(100, 150), 0);
    EXPECT_TRUE(hold.release());
    EXPECT_FALSE(hold.held(600));
}

// What becomes of the press: given once, before the lift or the move that
// ends the gesture, and never after a hold.
TEST(HoldGesture, ThePressWaitsForTheLiftTheMoveOrTheHold) {
    struct Case {
        const char* what;
        uint32_t heldAt; // 0: not asked
        int32_t moveX;   // where the pen then moves, or 0
        bool pressGiven;
    };
    const Case cases[] = {
        {"a quick tap", 0, 0, true},
        {"a move away", 0, 110, true},
        {"a tremble, then a lift", 0, 101, true},
        {"held, then lifted", 500, 0, false},
        {"held, then moved away", 500, 110, false},
    };
    for (const Case& c : cases) {
        HoldGesture hold;
        hold.press(downAt(100, 150), 0);
        std::optional<InputEvent> given;
        if (c.heldAt != 0) {
            EXPECT_TRUE(hold.held(c.heldAt)) << c.what;
        }
        if (c.moveX != 0) {
            given = hold.move(c.moveX, 150);
        }
        if (!given) {
            given = hold.release();
        }
        EXPECT_EQ(given.has_value(), c.pressGiven) << c.what;
        if (given) {
            EXPECT_EQ(given->type, InputEvent::Type::PenDown) << c.what;
            EXPECT_EQ(given->x, 100) << c.what;
        }
        EXPECT_FALSE(hold.release()) << c.what << ": given twice";
    }
}

TEST(HoldGesture, TheRingGrowsADotAnEighth) {
    platform::Surface screen(240, 320, 0x00FF00);
    HoldGesture hold;
    hold.press(downAt(120, 160), 0);
    const int dotPixels = 3; // two by two, one of them light
    for (uint32_t ms : {0u, 62u, 250u, 499u, 500u}) {
        EXPECT_EQ(darkPixels(hold.withRing(screen, ms)),
                  dotPixels * static_cast<int>(std::min<uint32_t>(ms / 62, 8)))
            << ms;
    }
}

} // namespace
