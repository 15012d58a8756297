// SPDX-License-Identifier: MIT
// The desktop mouse as the handheld's pen: scaling, double taps, moves.
#include <gtest/gtest.h>

#include <utility>

#include "platform/sdl/pen_tracker.h"

namespace {

using platform::InputEvent;
using platform::sdl::PenTracker;
using Type = InputEvent::Type;

TEST(SdlPenTracker, WindowPointsBecomeScreenPixelsClampedToTheScreen) {
    PenTracker pen(2, 240, 320);
    InputEvent down = *pen.press(21, 41, 1000);
    EXPECT_EQ(down.type, Type::PenDown);
    EXPECT_EQ(down.x, 10);
    EXPECT_EQ(down.y, 20);
    InputEvent up = pen.release(479, 639);
    EXPECT_EQ(up.type, Type::PenUp);
    EXPECT_EQ(up.x, 239);
    EXPECT_EQ(up.y, 319);
    InputEvent outside = pen.release(-7, 900);
    EXPECT_EQ(outside.x, 0);
    EXPECT_EQ(outside.y, 319);
}

TEST(SdlPenTracker, AQuickSecondPressNearTheFirstIsADoubleTap) {
    PenTracker pen(3, 240, 320);
    EXPECT_EQ(pen.press(300, 300, 5000)->type, Type::PenDown); // pixel 100,100
    pen.release(300, 300);
    InputEvent second = *pen.press(306, 294, 5000 + PenTracker::DOUBLE_TAP_MS); // 102,98
    EXPECT_EQ(second.type, Type::PenDoubleTap);
    EXPECT_EQ(second.x, 102);
    EXPECT_EQ(second.y, 98);
    pen.release(306, 294);
    // A third press starts a new pair rather than making another double tap.
    EXPECT_EQ(pen.press(306, 294, 5600)->type, Type::PenDown);
}

TEST(SdlPenTracker, ASlowOrDistantSecondPressIsAPlainPress) {
    PenTracker pen(1, 240, 320);
    pen.press(50, 50, 1000);
    pen.release(50, 50);
    EXPECT_EQ(pen.press(50, 50, 1000 + PenTracker::DOUBLE_TAP_MS + 1)->type, Type::PenDown);
    pen.release(50, 50);
    EXPECT_EQ(pen.press(53, 50, 1700)->type, Type::PenDown); // 3 pixels away
    pen.release(53, 50);
    // The distant press is the new first one: a quick press near it pairs.
    EXPECT_EQ(pen.press(54, 51, 1800)->type, Type::PenDoubleTap);
}

TEST(SdlPenTracker, MovesWithinOneScreenPixelAreDropped) {
    PenTracker pen(2, 240, 320);
    auto first = pen.move(20, 20);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->type, Type::PenMove);
    EXPECT_EQ(first->x, 10);
    EXPECT_FALSE(pen.move(21, 21).has_value());
    auto next = pen.move(22, 21);
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(next->x, 11);
    EXPECT_EQ(next->y, 10);
}

// The picture centred in a larger window: a window point maps through the
// picture's offset and scale, and a press on the bars around it is no press.
TEST(SdlPenTracker, PressesGoThroughThePicturesPlacement) {
    const struct {
        int32_t scale, left, top; // the view
        int32_t x, y;             // the window point pressed
        bool lands;
        int32_t pixelX, pixelY;
    } cases[] = {{2, 80, 30, 80, 30, true, 0, 0},     {2, 80, 30, 79, 100, false, 0, 0},
                 {2, 80, 30, 100, 29, false, 0, 0},   {2, 80, 30, 559, 669, true, 239, 319},
                 {2, 80, 30, 560, 100, false, 0, 0},  {2, 80, 30, 100, 670, false, 0, 0},
                 {3, 0, 0, 719, 959, true, 239, 319}, {3, 0, 0, 5, 8, true, 1, 2},
                 {1, -10, 0, 0, 0, true, 10, 0}};
    for (const auto& c : cases) {
        PenTracker pen(2, 240, 320);
        pen.setView(c.scale, c.left, c.top);
        auto down = pen.press(c.x, c.y, 0);
        ASSERT_EQ(down.has_value(), c.lands) << c.x << "," << c.y;
        if (c.lands) {
            EXPECT_EQ(std::pair(down->x, down->y), std::pair(c.pixelX, c.pixelY)) << c.x;
        }
    }
}

TEST(SdlPenTracker, OffThePictureAMoveLeavesOnceAndADragIsClamped) {
    PenTracker pen(2, 240, 320);
    pen.setView(2, 80, 30);
    auto off = pen.move(10, 10);
    ASSERT_TRUE(off.has_value());
    EXPECT_LT(off->x, 0);
    EXPECT_FALSE(pen.move(12, 10).has_value());
    ASSERT_TRUE(pen.press(100, 50, 0).has_value());
    auto drag = pen.move(10, 10);
    ASSERT_TRUE(drag.has_value());
    EXPECT_EQ(drag->x, 0);
    EXPECT_EQ(drag->y, 0);
    EXPECT_EQ(pen.release(900, 900).x, 239);
}

} // namespace
