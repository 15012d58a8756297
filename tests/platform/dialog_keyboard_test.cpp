// The keyboard in a dialog: Tab walks the controls, space works the focused
// button, arrows move through lists, Enter presses the default button and
// Escape cancels. Keys go where the platform sends them: to the focus.
#include "dialog_test_support.h"

namespace {

using namespace dialog_testing;

class DialogKeyboard : public DialogTest {
  protected:
    HWND item(int id) { return GetDlgItem(record.dialog, id); }
    LRESULT ask(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return send(record.dialog, id, message, wParam, lParam);
    }
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

TEST_F(DialogKeyboard, SpaceTogglesTheFocusedCheckBoxAndPressesTheFocusedButton) {
    LRESULT checked = -1;
    then([&] {
        type(VK_SPACE); // the push button has the focus first
        type(VK_TAB);
        type(VK_SPACE);
        checked = ask(CHECK, BM_GETCHECK);
    });
    thenClose();
    run();
    EXPECT_EQ(checked, BST_CHECKED);
    EXPECT_EQ(record.commands,
              (std::vector<Command>{{PUSH, BN_CLICKED}, {CHECK, BN_CLICKED}, {IDOK, 0}}));
}

TEST_F(DialogKeyboard, ArrowsMoveTheSelectionOfTheFocusedList) {
    std::vector<LRESULT> selections;
    then([&] {
        for (LPCWSTR line : {u"6S", u"TD", u"AH"}) {
            ask(LIST, LB_ADDSTRING, 0, textParam(line));
        }
        SetFocus(item(LIST));
        type(VK_DOWN); // from no selection to the first line
        selections.push_back(ask(LIST, LB_GETCURSEL));
        type(VK_DOWN);
        type(VK_DOWN);
        type(VK_DOWN); // stays on the last line
        selections.push_back(ask(LIST, LB_GETCURSEL));
        type(VK_UP);
        selections.push_back(ask(LIST, LB_GETCURSEL));
        type(VK_HOME);
        selections.push_back(ask(LIST, LB_GETCURSEL));
        type(VK_END);
        selections.push_back(ask(LIST, LB_GETCURSEL));
    });
    thenClose();
    run();
    EXPECT_EQ(selections, (std::vector<LRESULT>{0, 2, 1, 0, 2}));
    int changes = 0;
    for (const Command& command : record.commands) {
        changes += command == Command{LIST, LBN_SELCHANGE} ? 1 : 0;
    }
    EXPECT_EQ(changes, 6) << "one notice per change, none when the line stays";
}

TEST_F(DialogKeyboard, ArrowsChangeAClosedDropDownAndMoveThroughAnOpenOne) {
    LRESULT afterDown = -1;
    LRESULT openAfterSpace = FALSE;
    LRESULT whileOpen = -1;
    LRESULT afterEnter = -1;
    LRESULT openAfterEnter = TRUE;
    then([&] {
        for (LPCWSTR line : {u"zero", u"one", u"two"}) {
            ask(DROP_DOWN, CB_ADDSTRING, 0, textParam(line));
        }
        SetFocus(item(DROP_DOWN));
        type(VK_DOWN);
        afterDown = ask(DROP_DOWN, CB_GETCURSEL);
        type(VK_SPACE);
        openAfterSpace = ask(DROP_DOWN, CB_GETDROPPEDSTATE);
        type(VK_DOWN);
        type(VK_DOWN);
        whileOpen = ask(DROP_DOWN, CB_GETCURSEL);
        type(VK_RETURN);
        afterEnter = ask(DROP_DOWN, CB_GETCURSEL);
        openAfterEnter = ask(DROP_DOWN, CB_GETDROPPEDSTATE);
    });
    thenClose();
    run();
    EXPECT_EQ(afterDown, 0);
    EXPECT_TRUE(openAfterSpace);
    EXPECT_EQ(whileOpen, 0) << "the open list only moves its highlight";
    EXPECT_EQ(afterEnter, 2);
    EXPECT_FALSE(openAfterEnter);
    EXPECT_EQ(
        record.commands,
        (std::vector<Command>{{DROP_DOWN, CBN_SELCHANGE}, {DROP_DOWN, CBN_SELCHANGE}, {IDOK, 0}}))
        << "Enter picked the line and did not press OK";
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

const DialogControlTemplate labelOnly[] = {
    {DialogControlKind::Static, -1, u"Nothing to focus", 2, 2, 80, 10, 0},
};
const DialogTemplate labelDialog = {u"Label", u"System", 8, 90, 20, labelOnly, 1};

TEST_F(DialogKeyboard, EscapeCancelsFromTheDialogItself) {
    then([&] { key(VK_ESCAPE); });
    EXPECT_EQ(run(labelDialog), IDCANCEL);
}

} // namespace
