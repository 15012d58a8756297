// Each kind of control through its messages and the pen: check boxes, push
// buttons, labels, list boxes and drop-down lists.
#include "dialog_test_support.h"
#include "platform/dialogs/dialog_units.h"

namespace {

using namespace dialog_testing;

const int lineHeight = platform::dialogs::dialogFontLineHeight(8);

class DialogControls : public DialogTest {
  protected:
    // The middle of a line of a list box, counted from the first line shown.
    POINT listLine(int row) { return screenPoint(item(LIST), 8, 1 + row * lineHeight + 6); }
    // The middle of a line of the open list under the drop-down's box.
    POINT dropLine(int row) {
        POINT underBox = screenPoint(item(DROP_DOWN), 8, -1);
        return POINT{underBox.x, underBox.y + 2 + row * lineHeight + 6};
    }
};

TEST_F(DialogControls, ATapTogglesACheckBoxAndTellsTheProcedure) {
    then([&] { tap(centreOf(item(CHECK))); });
    then([&] {
        EXPECT_EQ(ask(CHECK, BM_GETCHECK), BST_CHECKED);
        tap(centreOf(item(CHECK)));
    });
    then([&] { EXPECT_EQ(ask(CHECK, BM_GETCHECK), BST_UNCHECKED); });
    thenClose();
    run();
    EXPECT_EQ(record.commands,
              (std::vector<Command>{{CHECK, BN_CLICKED}, {CHECK, BN_CLICKED}, {IDOK, 0}}));
}

TEST_F(DialogControls, APushButtonLeftBeforeThePenRisesSendsNothing) {
    then([&] {
        POINT on = centreOf(item(PUSH));
        POINT off = centreOf(item(LIST));
        event(Type::PenDown, on.x, on.y);
        event(Type::PenMove, off.x, off.y);
        event(Type::PenUp, off.x, off.y);
    });
    thenClose();
    run();
    EXPECT_EQ(record.commands, (std::vector<Command>{{IDOK, 0}}));
}

TEST_F(DialogControls, ATapSelectsTheLineUnderThePenOnce) {
    then([&] {
        fillLists();
        tap(listLine(1));
        tap(listLine(1));
    });
    then([&] {
        EXPECT_EQ(ask(LIST, LB_GETCURSEL), 1);
        tap(listLine(4)); // below the last line
    });
    then([&] { EXPECT_EQ(ask(LIST, LB_GETCURSEL), 1); });
    thenClose();
    run();
    EXPECT_EQ(record.commands, (std::vector<Command>{{LIST, LBN_SELCHANGE}, {IDOK, 0}}));
}

TEST_F(DialogControls, ADropDownListShowsItsSelectedLine) {
    then([&] {
        EXPECT_EQ(ask(DROP_DOWN, CB_ADDSTRING, 0, textParam(u"Подкидной")), 0);
        EXPECT_EQ(ask(DROP_DOWN, CB_ADDSTRING, 0, textParam(u"Наваленный")), 1);
        EXPECT_EQ(ask(DROP_DOWN, CB_GETCOUNT), 2);
        EXPECT_EQ(ask(DROP_DOWN, CB_GETCURSEL), CB_ERR);
        EXPECT_EQ(ask(DROP_DOWN, CB_SETCURSEL, 1), 1);
        EXPECT_EQ(ask(DROP_DOWN, CB_GETCURSEL), 1);
        WCHAR text[32] = {};
        GetWindowTextW(item(DROP_DOWN), text, 32);
        EXPECT_EQ(std::u16string(text), u"Наваленный");
        // Any line it has not, as the stored variant 7 would be, clears it.
        EXPECT_EQ(ask(DROP_DOWN, CB_SETCURSEL, 7), CB_ERR);
        EXPECT_EQ(ask(DROP_DOWN, CB_GETCURSEL), CB_ERR);
        EXPECT_EQ(GetWindowTextW(item(DROP_DOWN), text, 32), 0);
    });
    thenClose();
    run();
}

TEST_F(DialogControls, ATapOpensTheListAndATapOnALinePicksIt) {
    then([&] {
        fillLists();
        tap(centreOf(item(DROP_DOWN)));
    });
    then([&] {
        EXPECT_TRUE(ask(DROP_DOWN, CB_GETDROPPEDSTATE));
        // The second line lies over the check box under the drop-down.
        POINT second = dropLine(1);
        RECT under{};
        GetWindowRect(item(UNDER_LIST), &under);
        EXPECT_TRUE(second.y >= under.top && second.y < under.bottom);
        tap(second);
    });
    then([&] {
        EXPECT_FALSE(ask(DROP_DOWN, CB_GETDROPPEDSTATE));
        EXPECT_EQ(ask(DROP_DOWN, CB_GETCURSEL), 1);
        EXPECT_EQ(ask(UNDER_LIST, BM_GETCHECK), BST_UNCHECKED) << "the tap went to the list";
    });
    thenClose();
    run();
    EXPECT_EQ(record.commands, (std::vector<Command>{{DROP_DOWN, CBN_SELCHANGE}, {IDOK, 0}}));
}

} // namespace
