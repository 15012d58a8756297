// The keyboard in a dialog: Tab walks the controls, space works the focused
// button, arrows move through lists, Enter presses the default button and
// Escape cancels. Keys go where the platform sends them: to the focus.
#include "dialog_test_support.h"

namespace {

using namespace dialog_testing;

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
