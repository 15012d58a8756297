// The scroll bar's geometry: arrows, track and a thumb whose size and place
// follow the part of the text in view.
#include <gtest/gtest.h>

#include "platform/dialogs/scroll_bar.h"

namespace {

using namespace platform::dialogs;

const RECT bar{100, 0, 113, 200}; // 13 wide: square arrows of 13

TEST(DialogScrollBar, EverythingInViewLeavesNoThumb) {
    ScrollBarParts parts = layoutScrollBar(bar, 10, 12, 0);
    EXPECT_EQ(parts.maxFirst, 0);
    EXPECT_EQ(parts.thumb.bottom - parts.thumb.top, 0);
    EXPECT_EQ(hitScrollBar(parts, POINT{105, 100}), ScrollBarHit::None);
    EXPECT_EQ(hitScrollBar(parts, POINT{105, 5}), ScrollBarHit::UpArrow);
    EXPECT_EQ(hitScrollBar(parts, POINT{105, 195}), ScrollBarHit::DownArrow);
}

TEST(DialogScrollBar, TheThumbShowsTheShareInViewAndWhereItIs) {
    ScrollBarParts top = layoutScrollBar(bar, 100, 10, 0);
    EXPECT_EQ(top.upArrow.bottom, 13);
    EXPECT_EQ(top.downArrow.top, 187);
    EXPECT_EQ(top.maxFirst, 90);
    EXPECT_EQ(top.thumb.top, 13);
    EXPECT_EQ(top.thumb.bottom - top.thumb.top, 17) << "a tenth of the 174-pixel track";

    ScrollBarParts bottom = layoutScrollBar(bar, 100, 10, 90);
    EXPECT_EQ(bottom.thumb.bottom, 187);
    ScrollBarParts middle = layoutScrollBar(bar, 100, 10, 45);
    EXPECT_EQ(middle.thumb.top, 13 + 79) << "half of the 157 pixels of room, rounded";
    ScrollBarParts beyond = layoutScrollBar(bar, 100, 10, 500);
    EXPECT_EQ(beyond.thumb.top, bottom.thumb.top) << "a first line past the end is the end";
}

TEST(DialogScrollBar, AVeryLongTextKeepsAThumbThatCanBeHeld) {
    ScrollBarParts parts = layoutScrollBar(bar, 100000, 10, 0);
    EXPECT_EQ(parts.thumb.bottom - parts.thumb.top, scrollBarMinimumThumb);
}

TEST(DialogScrollBar, HitsTellArrowsPagesAndTheThumbApart) {
    ScrollBarParts parts = layoutScrollBar(bar, 100, 10, 45);
    EXPECT_EQ(hitScrollBar(parts, POINT{105, parts.thumb.top - 1}), ScrollBarHit::PageUp);
    EXPECT_EQ(hitScrollBar(parts, POINT{105, parts.thumb.top}), ScrollBarHit::Thumb);
    EXPECT_EQ(hitScrollBar(parts, POINT{105, parts.thumb.bottom - 1}), ScrollBarHit::Thumb);
    EXPECT_EQ(hitScrollBar(parts, POINT{105, parts.thumb.bottom}), ScrollBarHit::PageDown);
    EXPECT_EQ(hitScrollBar(parts, POINT{99, 100}), ScrollBarHit::None) << "left of the bar";
}

TEST(DialogScrollBar, DraggingTheThumbGivesBackTheLineItShows) {
    for (int first = 0; first <= 90; ++first) {
        ScrollBarParts parts = layoutScrollBar(bar, 100, 10, first);
        EXPECT_EQ(firstLineForThumb(parts, parts.thumb.top), first) << "line " << first;
    }
    ScrollBarParts parts = layoutScrollBar(bar, 100, 10, 0);
    EXPECT_EQ(firstLineForThumb(parts, -50), 0);
    EXPECT_EQ(firstLineForThumb(parts, 500), 90);
}

TEST(DialogScrollBar, ABarTooShortForTwoArrowsSharesItBetweenThem) {
    ScrollBarParts parts = layoutScrollBar(RECT{0, 0, 13, 20}, 100, 1, 0);
    EXPECT_EQ(parts.upArrow.bottom, 10);
    EXPECT_EQ(parts.downArrow.top, 10);
    EXPECT_EQ(parts.thumb.bottom - parts.thumb.top, 0);
    EXPECT_EQ(firstLineForThumb(parts, 5), 0);
}

} // namespace
