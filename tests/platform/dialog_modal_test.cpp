// The modal loop of DialogBoxIndirectParamW: how a dialog starts, what runs
// while it is open, and every way it ends.
#include "dialog_test_support.h"
#include "resources/resource_table.h"

namespace {

using namespace dialog_testing;

// The owner records the paints it gets while the dialog is open.
int ownerPaints = 0;
LRESULT countingOwner(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        ++ownerPaints;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

class DialogModalLoop : public DialogTest {};

TEST_F(DialogModalLoop, EndsWithTheValueGivenToEndDialogAndReportsIt) {
    record.endOnOkOrCancel = false;
    then([this] { EndDialog(record.dialog, 42); });
    EXPECT_EQ(run(), 42);
    ASSERT_EQ(closed.size(), 1u);
    EXPECT_EQ(closed[0], (std::pair<int, INT_PTR>{-1, 42})) << "a template of ours has no id";
}

TEST_F(DialogModalLoop, ReportsTheProgramsTemplatesByTheirIds) {
    record.endOnOkOrCancel = true;
    then([this] { PostMessageW(record.dialog, WM_COMMAND, IDCANCEL, 0); });
    const DialogTemplate* statistics = resources::findDialog(131);
    ASSERT_NE(statistics, nullptr);
    EXPECT_EQ(DialogBoxIndirectParamW(nullptr, statistics, owner, probeProcedure, 0), IDCANCEL);
    ASSERT_EQ(closed.size(), 1u);
    EXPECT_EQ(closed[0], (std::pair<int, INT_PTR>{131, IDCANCEL}));
}

TEST_F(DialogModalLoop, InitDialogGetsTheFirstTabStopAndTheParameter) {
    int offered = 0;
    record.onInit = [&](HWND) { offered = GetDlgCtrlID(record.initFocus); };
    int focused = 0;
    then([&] { focused = GetDlgCtrlID(GetFocus()); });
    thenClose();
    run(allKinds, 1234);
    EXPECT_EQ(record.initParam, 1234);
    EXPECT_EQ(offered, PUSH) << "the label before it takes no focus";
    EXPECT_EQ(focused, PUSH);
}

TEST_F(DialogModalLoop, AProcedureThatReturnsZeroKeepsItsOwnFocus) {
    record.initResult = 0;
    record.onInit = [](HWND dialog) { SetFocus(GetDlgItem(dialog, LIST)); };
    int focused = 0;
    then([&] { focused = GetDlgCtrlID(GetFocus()); });
    thenClose();
    run();
    EXPECT_EQ(focused, LIST);
}

TEST_F(DialogModalLoop, DisablesTheOwnerWhileOpenAndRestoresItAfter) {
    BOOL enabledDuring = TRUE;
    bool openDuring = false;
    then([&] {
        enabledDuring = IsWindowEnabled(owner);
        openDuring = platform::modalDialogOpen();
    });
    thenClose();
    run();
    EXPECT_FALSE(enabledDuring);
    EXPECT_TRUE(openDuring);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_FALSE(platform::modalDialogOpen());
    EXPECT_TRUE(platform::describeOpenDialog().is_null());
    EXPECT_FALSE(IsWindow(record.dialog)) << "the dialog's window is destroyed";
}

TEST_F(DialogModalLoop, LeavesADisabledOwnerDisabled) {
    EnableWindow(owner, FALSE);
    thenClose();
    run();
    EXPECT_FALSE(IsWindowEnabled(owner));
}

TEST_F(DialogModalLoop, OtherWindowsGoOnPaintingWhileItIsOpen) {
    WNDCLASSW counting{};
    counting.lpfnWndProc = countingOwner;
    counting.lpszClassName = u"counting";
    RegisterClassW(&counting);
    HWND table = CreateWindowExW(0, u"counting", u"", WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr,
                                 nullptr, nullptr);
    ownerPaints = 0;
    int paintsBefore = -1;
    then([&] {
        paintsBefore = ownerPaints;
        InvalidateRect(table, nullptr, FALSE);
    });
    int paintsAfter = -1;
    then([&] { paintsAfter = ownerPaints; });
    thenClose();
    DialogBoxIndirectParamW(nullptr, &allKinds, table, probeProcedure, 0);
    EXPECT_EQ(paintsAfter, paintsBefore + 1);
}

TEST_F(DialogModalLoop, QuitEndsTheLoopAndIsPostedAgainForTheProgram) {
    then([] { PostQuitMessage(7); });
    EXPECT_EQ(run(), IDCANCEL) << "a dialog ended from outside counts as cancelled";
    EXPECT_FALSE(IsWindow(record.dialog));
    EXPECT_TRUE(IsWindowEnabled(owner));
    MSG message{};
    EXPECT_FALSE(GetMessageW(&message, nullptr, 0, 0));
    EXPECT_EQ(message.message, WM_QUIT);
    EXPECT_EQ(message.wParam, 7u);
    ASSERT_EQ(closed.size(), 1u);
    EXPECT_EQ(closed[0].second, IDCANCEL);
}

TEST_F(DialogModalLoop, DestroyingTheOwnerEndsTheDialog) {
    then([this] { DestroyWindow(owner); });
    EXPECT_EQ(run(), IDCANCEL);
    EXPECT_FALSE(platform::modalDialogOpen());
}

TEST_F(DialogModalLoop, EndDialogDuringInitDialogSkipsTheLoop) {
    record.onInit = [](HWND dialog) { EndDialog(dialog, 5); };
    bool stepRan = false;
    then([&] { stepRan = true; });
    EXPECT_EQ(run(), 5);
    EXPECT_FALSE(stepRan);
}

TEST_F(DialogModalLoop, RefusesAMissingTemplateOrProcedure) {
    EXPECT_EQ(DialogBoxIndirectParamW(nullptr, nullptr, owner, probeProcedure, 0), -1);
    EXPECT_EQ(DialogBoxIndirectParamW(nullptr, &allKinds, owner, nullptr, 0), -1);
    DialogTemplate broken = allKinds;
    broken.controls = nullptr;
    EXPECT_EQ(DialogBoxIndirectParamW(nullptr, &broken, owner, probeProcedure, 0), -1);
    EXPECT_TRUE(closed.empty());
    EXPECT_TRUE(IsWindowEnabled(owner));
}

TEST_F(DialogModalLoop, EndDialogRefusesWindowsThatAreNoOpenDialog) {
    EXPECT_FALSE(EndDialog(owner, 1));
    EXPECT_FALSE(EndDialog(nullptr, 1));
    EXPECT_EQ(GetDlgItem(owner, 1), nullptr);
}

TEST_F(DialogModalLoop, TheCloseBoxCancels) {
    then([this] {
        RECT window{};
        GetWindowRect(record.dialog, &window);
        // The close box sits at the right end of the title bar.
        tap(POINT{window.right - 6, window.top + 8});
    });
    EXPECT_EQ(run(), IDCANCEL);
    EXPECT_EQ(record.commands, (std::vector<Command>{{IDCANCEL, BN_CLICKED}}));
}

TEST_F(DialogModalLoop, TheDesktopCloseCancelsTheDialogThenClosesTheOwner) {
    then([this] { event(Type::Close, 0, 0); });
    EXPECT_EQ(run(), IDCANCEL);
    EXPECT_EQ(record.commands, (std::vector<Command>{{IDCANCEL, 0}}));
    EXPECT_TRUE(IsWindow(owner)); // the dialog's answer comes first
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    EXPECT_FALSE(IsWindow(owner));
}

TEST_F(DialogModalLoop, ThePenLeavingTheCloseBoxBeforeItRisesDoesNotCancel) {
    then([this] {
        RECT window{};
        GetWindowRect(record.dialog, &window);
        event(Type::PenDown, window.right - 6, window.top + 8);
        event(Type::PenMove, window.right - 60, window.top + 8);
        event(Type::PenUp, window.right - 60, window.top + 8);
    });
    thenClose();
    EXPECT_EQ(run(), IDOK);
    EXPECT_EQ(record.commands, (std::vector<Command>{{IDOK, 0}}));
}

TEST_F(DialogModalLoop, ANestedDialogIsTheOneDescribedAndReported) {
    int innerTemplate = 0;
    then([&] {
        Probe inner;
        Probe* outer = probe;
        probe = &inner;
        steps.emplace_front([&] {
            innerTemplate = platform::describeOpenDialog()["template"].get<int>();
            PostMessageW(inner.dialog, WM_COMMAND, IDCANCEL, 0);
        });
        DialogBoxIndirectParamW(nullptr, resources::findDialog(132), record.dialog, probeProcedure,
                                0);
        probe = outer;
        EXPECT_TRUE(platform::modalDialogOpen()) << "the outer dialog is still open";
    });
    thenClose();
    EXPECT_EQ(run(), IDOK);
    EXPECT_EQ(innerTemplate, 132);
    ASSERT_EQ(closed.size(), 2u);
    EXPECT_EQ(closed[0], (std::pair<int, INT_PTR>{132, IDCANCEL}));
    EXPECT_EQ(closed[1], (std::pair<int, INT_PTR>{-1, IDOK}));
}

} // namespace
