// SPDX-License-Identifier: MIT
// Each kind of control through its messages, the pen and the keys: check
// boxes, push buttons, labels, list boxes and drop-down lists.
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

// A pen that slides off a pressed button and back shows it pressed again
// on every edge pixel of the button and raised just outside it; lifted on
// the button's edge it presses it.
TEST_F(DialogControls, APushButtonLooksPressedExactlyWhileThePenIsOnIt) {
    struct Place {
        POINT at;
        bool on;
    };
    std::vector<Place> places;
    std::vector<platform::Surface> seen;
    then([&] {
        RECT r{};
        GetWindowRect(item(PUSH), &r);
        const LONG midX = (r.left + r.right) / 2;
        const LONG midY = (r.top + r.bottom) / 2;
        places = {{{r.left - 1, midY}, false},      {{r.left, midY}, true},
                  {{r.right, midY}, false},         {{r.right - 1, midY}, true},
                  {{midX, r.top - 1}, false},       {{midX, r.top}, true},
                  {{midX, r.bottom}, false},        {{midX, r.bottom - 1}, true},
                  {{r.left - 1, r.top - 1}, false}, {{r.left, r.top}, true}};
        const POINT centre = centreOf(item(PUSH));
        event(Type::PenDown, centre.x, centre.y);
    });
    const size_t count = 10;
    for (size_t i = 0; i <= count; ++i) {
        then([&, i] {
            seen.push_back(platform::composeScreen());
            if (i < count) {
                event(Type::PenMove, places[i].at.x, places[i].at.y);
            } else {
                event(Type::PenUp, places[i - 1].at.x, places[i - 1].at.y);
            }
        });
    }
    thenClose();
    run();
    ASSERT_EQ(places.size(), count);
    ASSERT_EQ(seen.size(), count + 1);
    const platform::Surface& pressed = seen[0];
    const platform::Surface& raised = seen[1];
    EXPECT_NE(pressed.pixels, raised.pixels);
    for (size_t i = 0; i < count; ++i) {
        EXPECT_EQ(seen[i + 1].pixels, (places[i].on ? pressed : raised).pixels)
            << places[i].at.x << "," << places[i].at.y;
    }
    EXPECT_EQ(record.commands, (std::vector<Command>{{PUSH, BN_CLICKED}, {IDOK, 0}}));
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
    then([&] {
        EXPECT_EQ(ask(LIST, LB_GETCURSEL), 1);
        // Setting a line answers with its index; -1 clears and answers LB_ERR.
        EXPECT_EQ(ask(LIST, LB_SETCURSEL, 0), 0);
        EXPECT_EQ(ask(LIST, LB_SETCURSEL, static_cast<WPARAM>(-1)), LB_ERR);
        EXPECT_EQ(ask(LIST, LB_GETCURSEL), LB_ERR);
        EXPECT_EQ(ask(LIST, LB_SETCURSEL, 1), 1);
    });
    thenClose();
    run();
    EXPECT_EQ(record.commands, (std::vector<Command>{{LIST, LBN_SELCHANGE}, {IDOK, 0}}));
}

// A list longer than it is tall scrolls to show the line chosen for it,
// down to the last and back up to the first.
TEST_F(DialogControls, AListScrollsToItsSelectedLine) {
    then([&] {
        for (int i = 0; i < 20; ++i) {
            ask(LIST, LB_ADDSTRING, 0, textParam(u"line"));
        }
        EXPECT_EQ(ask(LIST, LB_GETTOPINDEX), 0);
        ask(LIST, LB_SETCURSEL, 19);
        const LRESULT top = ask(LIST, LB_GETTOPINDEX);
        EXPECT_GT(top, 0);
        ask(LIST, LB_SETCURSEL, static_cast<WPARAM>(top));
        EXPECT_EQ(ask(LIST, LB_GETTOPINDEX), top) << "a line in sight does not scroll";
        ask(LIST, LB_SETCURSEL, 0);
        EXPECT_EQ(ask(LIST, LB_GETTOPINDEX), 0);
    });
    thenClose();
    run();
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

// The keyboard: Tab walks the controls, space works the focused button,
// arrows move through lists, Enter presses the default button and Escape
// cancels. Keys go where the platform sends them: to the focus.
class DialogKeyboard : public DialogTest {
  protected:
    int focusedId() { return controlId(record.dialog, GetFocus()); }
    void type(WORD virtualKey) {
        HWND target = GetFocus() != nullptr ? GetFocus() : record.dialog;
        SendMessageW(target, WM_KEYDOWN, virtualKey, 0);
    }
};

TEST_F(DialogKeyboard, TabWalksTheControlsThatTakeTheFocusAndComesRound) {
    std::vector<int> visited;
    then([&] {
        for (int i = 0; i < 9; ++i) {
            visited.push_back(focusedId());
            type(VK_TAB);
        }
    });
    thenClose();
    run();
    // The label takes no focus.
    EXPECT_EQ(visited, (std::vector<int>{PUSH, CHECK, TWO_LINE_CHECK, LIST, DROP_DOWN, UNDER_LIST,
                                         TEXT, IDOK, PUSH}));
}

// Keys typed one by one into the focused control; after each, what one
// control answers to one question.
struct KeyCase {
    const char* name;
    int focus;
    std::vector<WORD> keys;
    int watched;
    UINT question;
    std::vector<LRESULT> answers;
    std::vector<Command> commands; // OK closes the dialog after the keys
};

// One notice per change of the selection, none when it stays.
const Command listChange{LIST, LBN_SELCHANGE};
const std::vector<WORD> dropDownKeys{VK_DOWN, VK_SPACE, VK_DOWN, VK_DOWN, VK_RETURN};

const KeyCase KEY_CASES[] = {
    {"space works the focused button and check box",
     PUSH,
     {VK_SPACE, VK_TAB, VK_SPACE},
     CHECK,
     BM_GETCHECK,
     {BST_UNCHECKED, BST_UNCHECKED, BST_CHECKED},
     {{PUSH, BN_CLICKED}, {CHECK, BN_CLICKED}, {IDOK, 0}}},
    {"arrows, Home and End move a list's selection and stop at its ends",
     LIST,
     {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_UP, VK_HOME, VK_END},
     LIST,
     LB_GETCURSEL,
     {0, 1, 2, 2, 1, 0, 2},
     {listChange, listChange, listChange, listChange, listChange, listChange, {IDOK, 0}}},
    {"arrows change a closed drop-down; the open one only moves its highlight",
     DROP_DOWN,
     dropDownKeys,
     DROP_DOWN,
     CB_GETCURSEL,
     {0, 0, 0, 0, 2},
     {{DROP_DOWN, CBN_SELCHANGE}, {DROP_DOWN, CBN_SELCHANGE}, {IDOK, 0}}},
    {"Home and End choose a closed drop-down's first and last lines",
     DROP_DOWN,
     {VK_END, VK_HOME, VK_END},
     DROP_DOWN,
     CB_GETCURSEL,
     {2, 0, 2},
     {{DROP_DOWN, CBN_SELCHANGE},
      {DROP_DOWN, CBN_SELCHANGE},
      {DROP_DOWN, CBN_SELCHANGE},
      {IDOK, 0}}},
    {"space opens a drop-down and Enter picks and closes it without pressing OK",
     DROP_DOWN,
     dropDownKeys,
     DROP_DOWN,
     CB_GETDROPPEDSTATE,
     {FALSE, TRUE, TRUE, TRUE, FALSE},
     {{DROP_DOWN, CBN_SELCHANGE}, {DROP_DOWN, CBN_SELCHANGE}, {IDOK, 0}}},
};

TEST_F(DialogKeyboard, EachKeyWorksTheFocusedControl) {
    for (const KeyCase& c : KEY_CASES) {
        SCOPED_TRACE(c.name);
        record = Probe{};
        steps.clear();
        std::vector<LRESULT> answers;
        then([&] {
            fillLists();
            SetFocus(item(c.focus));
            for (WORD virtualKey : c.keys) {
                type(virtualKey);
                answers.push_back(ask(c.watched, c.question));
            }
        });
        thenClose();
        EXPECT_EQ(run(), IDOK);
        EXPECT_EQ(answers, c.answers);
        EXPECT_EQ(record.commands, c.commands);
    }
}

TEST_F(DialogKeyboard, EscapeClosesAnOpenListBeforeItCancels) {
    LRESULT open = TRUE;
    bool stillRunning = false;
    then([&] {
        ask(DROP_DOWN, CB_ADDSTRING, 0, textParam(u"zero"));
        ask(DROP_DOWN, CB_SHOWDROPDOWN, TRUE);
        SetFocus(item(DROP_DOWN));
        type(VK_ESCAPE);
        open = ask(DROP_DOWN, CB_GETDROPPEDSTATE);
        stillRunning = record.commands.empty();
        type(VK_ESCAPE);
    });
    EXPECT_EQ(run(), IDCANCEL);
    EXPECT_FALSE(open);
    EXPECT_TRUE(stillRunning);
    EXPECT_EQ(record.commands, (std::vector<Command>{{IDCANCEL, BN_CLICKED}}));
}

TEST_F(DialogKeyboard, EnterPressesTheDefaultButtonFromAnyControl) {
    then([&] {
        SetFocus(item(CHECK));
        type(VK_RETURN);
    });
    EXPECT_EQ(run(), IDOK);
    EXPECT_EQ(record.commands, (std::vector<Command>{{IDOK, BN_CLICKED}}));
}

} // namespace
