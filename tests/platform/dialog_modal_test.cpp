// The modal loop of DialogBoxIndirectParamW: how a dialog starts, what runs
// while it is open, and the ways it ends.
#include "dialog_test_support.h"
#include "resources/resource_table.h"

namespace {

using namespace dialog_testing;

class DialogModalLoop : public DialogTest {};

TEST_F(DialogModalLoop, EndsWithTheValueGivenToEndDialogAndReportsIt) {
    record.endOnOkOrCancel = false;
    then([this] { EndDialog(record.dialog, 42); });
    EXPECT_EQ(run(), 42);
    ASSERT_EQ(closed.size(), 1u);
    EXPECT_EQ(closed[0], (std::pair<int, INT_PTR>{-1, 42})) << "a template of ours has no id";
}

TEST_F(DialogModalLoop, InitDialogGetsTheFirstTabStopAndTheParameter) {
    int offered = 0;
    record.onInit = [&](HWND) { offered = controlId(record.dialog, record.initFocus); };
    int focused = 0;
    then([&] { focused = controlId(record.dialog, GetFocus()); });
    thenClose();
    run(allKinds, 1234);
    EXPECT_EQ(record.initParam, 1234);
    EXPECT_EQ(offered, PUSH) << "the label before it takes no focus";
    EXPECT_EQ(focused, PUSH);
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

TEST_F(DialogModalLoop, OtherWindowsGoOnPaintingWhileItIsOpen) {
    int paintsBefore = -1;
    then([&] {
        paintsBefore = ownerPaints;
        InvalidateRect(owner, nullptr, FALSE);
    });
    then([&] { EXPECT_EQ(ownerPaints, paintsBefore + 1); });
    thenClose();
    run();
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

} // namespace
