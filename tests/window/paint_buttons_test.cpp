// The two on-screen buttons: or-ed onto the table colour at rest, exclusive-
// or-ed while pressed, and the action button's face following who attacks.
#include "paint_fixture.h"

using namespace paint_test;
using namespace table_test;

namespace {

// Counts the button's pixels that are not the face combined with the table
// colour as expected.
int32_t buttonMismatches(const platform::Surface& screen, int32_t x, int32_t y, int faceBitmap,
                         uint32_t table, bool pressed) {
    const platform::Surface face = resourceImage(faceBitmap);
    EXPECT_EQ(face.width, 32);
    EXPECT_EQ(face.height, 32);
    int32_t count = 0;
    for (int32_t dy = 0; dy < face.height; ++dy) {
        for (int32_t dx = 0; dx < face.width; ++dx) {
            const uint32_t image = face.at(dx, dy) & 0xFFFFFF;
            const uint32_t expected = pressed ? (table ^ image) : (table | image);
            const uint32_t actual = screen.at(x + dx, y + dy);
            if (actual != expected && count++ == 0) {
                ADD_FAILURE() << "button pixel " << dx << "," << dy << " is " << hex(actual)
                              << ", expected " << hex(expected);
            }
        }
    }
    return count;
}

class ButtonPaintTest : public PaintTest {
  protected:
    platform::Surface paintWith(int32_t colourIndex, int32_t attacking, int32_t pressed) {
        setUpPosition({});
        tableColourIndex = colourIndex;
        computerAttacks = attacking;
        buttonPressed = pressed;
        return paintAll();
    }
};

TEST_F(ButtonPaintTest, AtRestTheFacesAreOredOntoTheTable) {
    const uint32_t colours[] = {0x009600, 0x000000, 0x800000, 0x000099, 0x808080};
    for (int32_t index = 0; index < 5; ++index) {
        SCOPED_TRACE("table colour " + std::to_string(index));
        const platform::Surface screen = paintWith(index, 0, 0);
        EXPECT_EQ(buttonMismatches(screen, 204, 170, IDB_BUTTON_OK, colours[index], false), 0);
        EXPECT_EQ(buttonMismatches(screen, 204, 120, IDB_BUTTON_SORT, colours[index], false), 0);
    }
}

TEST_F(ButtonPaintTest, PressedBothFacesAreExclusiveOredOntoTheTable) {
    const platform::Surface screen = paintWith(2, 0, 1);
    EXPECT_EQ(buttonMismatches(screen, 204, 170, IDB_BUTTON_OK, 0x800000, true), 0);
    EXPECT_EQ(buttonMismatches(screen, 204, 120, IDB_BUTTON_SORT, 0x800000, true), 0);
    // The drawing shows in the inverse of the table colour.
    const platform::Surface ok = resourceImage(IDB_BUTTON_OK);
    int32_t inverse = 0;
    for (int32_t dy = 0; dy < 32; ++dy) {
        for (int32_t dx = 0; dx < 32; ++dx) {
            if ((ok.at(dx, dy) & 0xFFFFFF) == white) {
                inverse += screen.at(204 + dx, 170 + dy) == 0x7FFFFF ? 1 : 0;
            }
        }
    }
    EXPECT_GT(inverse, 20);
}

TEST_F(ButtonPaintTest, TheActionButtonSaysTakeWhileTheComputerAttacks) {
    platform::Surface screen = paintWith(0, 1, 0);
    EXPECT_EQ(buttonMismatches(screen, 204, 170, IDB_BUTTON_TAKE, green, false), 0);
    screen = paintWith(0, 1, 1);
    EXPECT_EQ(buttonMismatches(screen, 204, 170, IDB_BUTTON_TAKE, green, true), 0);
}

TEST_F(ButtonPaintTest, PenDownOnTheSortButtonPressesItUntilThePenLifts) {
    setUpPosition({.humanHand = "6C 7H"});
    paintAll();
    send(WM_LBUTTONDOWN, 0, point(210, 130));
    platform::Surface screen = paintPending();
    EXPECT_EQ(buttonMismatches(screen, 204, 120, IDB_BUTTON_SORT, green, true), 0);
    send(WM_LBUTTONUP, 0, point(210, 130));
    screen = paintPending();
    EXPECT_EQ(buttonMismatches(screen, 204, 120, IDB_BUTTON_SORT, green, false), 0);
}

} // namespace
