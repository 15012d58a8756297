// SPDX-License-Identifier: MIT
// The script's dialog lines (check, select, press) and the dialog field of
// the state line.
#include "dialog_test_support.h"
#include "platform/dialogs/script_lines.h"

namespace {

using namespace dialog_testing;
using platform::WM_SCRIPT_CHECK;
using platform::WM_SCRIPT_PRESS;
using platform::WM_SCRIPT_SELECT;

class DialogScriptLines : public DialogTest {
  protected:
    LRESULT line(UINT message, int id, int value = 0) {
        return SendMessageW(record.dialog, message, static_cast<WPARAM>(id), value);
    }
};

TEST_F(DialogScriptLines, CheckSetsACheckBoxAndTellsTheProcedureOfAChange) {
    then([&] {
        EXPECT_EQ(line(WM_SCRIPT_CHECK, CHECK, 1), 1);
        EXPECT_EQ(ask(CHECK, BM_GETCHECK), BST_CHECKED);
        EXPECT_EQ(line(WM_SCRIPT_CHECK, CHECK, 1), 1) << "already so: done, nothing changes";
        EXPECT_EQ(line(WM_SCRIPT_CHECK, CHECK, 0), 1);
        EXPECT_EQ(ask(CHECK, BM_GETCHECK), BST_UNCHECKED);
    });
    thenClose();
    run();
    EXPECT_EQ(record.commands,
              (std::vector<Command>{{CHECK, BN_CLICKED}, {CHECK, BN_CLICKED}, {IDOK, 0}}));
}

TEST_F(DialogScriptLines, SelectPicksALineOfEitherKindOfList) {
    then([&] {
        fillLists();
        EXPECT_EQ(line(WM_SCRIPT_SELECT, LIST, 2), 1);
        EXPECT_EQ(ask(LIST, LB_GETCURSEL), 2);
        EXPECT_EQ(line(WM_SCRIPT_SELECT, DROP_DOWN, 1), 1);
        EXPECT_EQ(ask(DROP_DOWN, CB_GETCURSEL), 1);
    });
    thenClose();
    run();
    EXPECT_EQ(record.commands,
              (std::vector<Command>{{LIST, LBN_SELCHANGE}, {DROP_DOWN, CBN_SELCHANGE}, {IDOK, 0}}));
}

// Refused lines change nothing, and the runner can learn why beforehand.
TEST_F(DialogScriptLines, LinesAControlCannotTakeAreRefusedAndChangeNothing) {
    EXPECT_EQ(platform::scriptLineError(WM_SCRIPT_PRESS, IDOK, 0), "no dialog is open");
    const struct {
        UINT message;
        int id;
        int value;
        const char* why;
    } refused[] = {
        {WM_SCRIPT_CHECK, LIST, 1, "control 104 of dialog -1 is not a check box"},
        {WM_SCRIPT_CHECK, 999, 1, "dialog -1 has no control 999"},
        {WM_SCRIPT_CHECK, CHECK, 2, "a check box takes 0 or 1, not 2"},
        {WM_SCRIPT_SELECT, LIST, 3, "line 3 is not in list 104 (lines 0 to 2)"},
        {WM_SCRIPT_SELECT, LIST, -1, "line -1 is not in list 104 (lines 0 to 2)"},
        {WM_SCRIPT_SELECT, DROP_DOWN, 7, "line 7 is not in list 105 (lines 0 to 2)"},
        {WM_SCRIPT_SELECT, CHECK, 0, "control 102 of dialog -1 is not a list"},
        {WM_SCRIPT_PRESS, LABEL, 0, "control 100 of dialog -1 is not a button"},
        {WM_SCRIPT_PRESS, LIST, 0, "control 104 of dialog -1 is not a button"},
        {WM_SCRIPT_PRESS, TEXT, 0, "control 106 of dialog -1 is not a button"},
    };
    then([&] {
        fillLists();
        ask(LIST, LB_SETCURSEL, 1);
        for (const auto& r : refused) {
            EXPECT_EQ(platform::scriptLineError(r.message, r.id, r.value), r.why);
            EXPECT_EQ(line(r.message, r.id, r.value), 0)
                << r.message << " " << r.id << " " << r.value;
        }
        EXPECT_EQ(ask(CHECK, BM_GETCHECK), BST_UNCHECKED);
        EXPECT_EQ(ask(LIST, LB_GETCURSEL), 1);
        EXPECT_EQ(ask(DROP_DOWN, CB_GETCURSEL), CB_ERR);
        EXPECT_EQ(platform::scriptLineError(WM_SCRIPT_SELECT, LIST, 2), "");
        EXPECT_EQ(platform::scriptLineError(WM_SCRIPT_CHECK, CHECK, 0), "");
        EXPECT_EQ(platform::scriptLineError(WM_SCRIPT_PRESS, IDCANCEL, 0), "");
    });
    thenClose();
    run();
    EXPECT_EQ(record.commands, (std::vector<Command>{{IDOK, 0}}));
}

TEST_F(DialogScriptLines, PressTapsButtonsAndCheckBoxes) {
    then([&] {
        EXPECT_EQ(line(WM_SCRIPT_PRESS, PUSH), 1);
        EXPECT_EQ(line(WM_SCRIPT_PRESS, CHECK), 1);
        EXPECT_EQ(ask(CHECK, BM_GETCHECK), BST_CHECKED);
        EXPECT_EQ(line(WM_SCRIPT_PRESS, IDOK), 1);
    });
    EXPECT_EQ(run(), IDOK);
    EXPECT_EQ(record.commands,
              (std::vector<Command>{{PUSH, BN_CLICKED}, {CHECK, BN_CLICKED}, {IDOK, BN_CLICKED}}));
}

TEST_F(DialogScriptLines, TheStateLineDescribesEveryControlInTemplateOrder) {
    nlohmann::ordered_json described;
    then([&] {
        for (LPCWSTR text : {u"Рыбки", u"Серый"}) {
            ask(LIST, LB_ADDSTRING, 0, textParam(text));
            ask(DROP_DOWN, CB_ADDSTRING, 0, textParam(text));
        }
        ask(LIST, LB_SETCURSEL, 1);
        ask(TWO_LINE_CHECK, BM_SETCHECK, BST_CHECKED);
        SetDlgItemTextW(record.dialog, TEXT, u"Правила");
        described = platform::describeOpenDialog();
    });
    thenClose();
    run();
    nlohmann::ordered_json expected = nlohmann::ordered_json::parse(R"({
        "template": -1,
        "controls": [
            {"id": 100, "text": "Label\nSecond"},
            {"id": 101, "text": "Push"},
            {"id": 102, "text": "Check", "checked": 0},
            {"id": 103, "text": "Hide the size of the other hand", "checked": 1},
            {"id": 104, "text": "", "selected": 1, "items": ["Рыбки", "Серый"]},
            {"id": 105, "text": "", "selected": -1, "items": ["Рыбки", "Серый"]},
            {"id": 107, "text": "Under", "checked": 0},
            {"id": 106, "text": "Правила"},
            {"id": 1, "text": "OK"}
        ]})");
    EXPECT_EQ(described, expected) << described.dump();
}

} // namespace
