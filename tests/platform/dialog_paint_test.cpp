// How dialogs look on the screen: the frame and title bar, and what changes
// in a control's picture when its state does.
#include "dialog_test_support.h"
#include "platform/dialogs/paint_tools.h"
#include "platform/raster/surface.h"
#include "resources/resource_table.h"

namespace {

using namespace dialog_testing;
namespace colours = platform::dialogs::colours;

uint32_t pixel(COLORREF colour) {
    return platform::pixelFromColorref(colour);
}

int countPixels(const platform::Surface& screen, const RECT& area, uint32_t wanted,
                bool equal = true) {
    int count = 0;
    for (LONG y = std::max<LONG>(area.top, 0); y < std::min<LONG>(area.bottom, screen.height);
         ++y) {
        for (LONG x = std::max<LONG>(area.left, 0); x < std::min<LONG>(area.right, screen.width);
             ++x) {
            count += (screen.at(x, y) == wanted) == equal ? 1 : 0;
        }
    }
    return count;
}

int ink(const platform::Surface& screen, const RECT& area) {
    return countPixels(screen, area, pixel(colours::white), false);
}

class DialogPicture : public DialogTest {
  protected:
    HWND item(int id) { return GetDlgItem(record.dialog, id); }
    RECT rectOf(HWND window) {
        RECT rect{};
        GetWindowRect(window, &rect);
        return rect;
    }
    void snap(platform::Surface& into) {
        then([&into] { into = platform::composeScreen(); });
    }
};

TEST_F(DialogPicture, ABlackFrameADarkBlueTitleBarWithItsTitleAndAWhiteFace) {
    platform::Surface screen;
    RECT dialog{};
    then([&] { dialog = rectOf(record.dialog); });
    snap(screen);
    thenClose();
    run();

    ASSERT_EQ(screen.width, 240);
    EXPECT_EQ(screen.at(dialog.left, dialog.top + 30), pixel(colours::black));
    EXPECT_EQ(screen.at(dialog.right - 1, dialog.bottom - 1), pixel(colours::black));
    RECT titleText{dialog.left + 2, dialog.top + 2, dialog.left + 60, dialog.top + 16};
    EXPECT_GT(countPixels(screen, titleText, pixel(colours::title)), 0);
    EXPECT_GT(countPixels(screen, titleText, pixel(colours::white)), 0) << "the title in white";
    // Below the last control, the face of the dialog.
    EXPECT_EQ(screen.at(dialog.right - 10, dialog.bottom - 4), pixel(colours::white));
}

TEST_F(DialogPicture, ATickAppearsInTheBoxWhenChecked) {
    platform::Surface before;
    platform::Surface after;
    snap(before);
    then([&] { send(record.dialog, CHECK, BM_SETCHECK, BST_CHECKED); });
    snap(after);
    RECT box{};
    then([&] {
        RECT control = rectOf(item(CHECK));
        // The box is at the left end of the control.
        box = RECT{control.left, control.top, control.left + 12, control.bottom};
    });
    thenClose();
    run();
    EXPECT_GT(ink(after, box), ink(before, box));
}

TEST_F(DialogPicture, AButtonLooksPressedWhileThePenIsOnIt) {
    platform::Surface up;
    platform::Surface down;
    RECT button{};
    snap(up);
    then([&] {
        button = rectOf(item(PUSH));
        POINT centre = centreOf(item(PUSH));
        event(Type::PenDown, centre.x, centre.y);
    });
    snap(down);
    then([&] {
        POINT centre = centreOf(item(PUSH));
        event(Type::PenUp, centre.x, centre.y);
    });
    thenClose();
    run();
    RECT topEdge{button.left + 2, button.top + 1, button.right - 2, button.top + 2};
    EXPECT_EQ(countPixels(up, topEdge, pixel(colours::white)), topEdge.right - topEdge.left)
        << "lit from above";
    EXPECT_EQ(countPixels(down, topEdge, pixel(colours::shadow)), topEdge.right - topEdge.left)
        << "in shadow while pressed";
}

TEST_F(DialogPicture, TheSelectedLineOfAListIsInverted) {
    platform::Surface screen;
    RECT list{};
    then([&] {
        for (LPCWSTR text : {u"6S", u"TD", u"AH"}) {
            send(record.dialog, LIST, LB_ADDSTRING, 0, textParam(text));
        }
        send(record.dialog, LIST, LB_SETCURSEL, 1);
        list = rectOf(item(LIST));
    });
    snap(screen);
    thenClose();
    run();
    RECT firstLine{list.left + 1, list.top + 1, list.right - 1, list.top + 14};
    RECT secondLine{list.left + 1, list.top + 14, list.right - 1, list.top + 27};
    EXPECT_EQ(countPixels(screen, firstLine, pixel(colours::selection)), 0);
    EXPECT_GT(countPixels(screen, secondLine, pixel(colours::selection)),
              (secondLine.right - secondLine.left) * 10);
}

} // namespace
