// The Statistics dialog: the counts, computer first; clearing them while the
// dialog stays open; and where it is placed over the main window.
#include "resources/resource_ids.h"
#include "settings_dialog_support.h"

namespace {

using namespace settings_dialog_testing;

class StatisticsDialog : public SettingsDialogTest {};

TEST_F(StatisticsDialog, ShowsTheComputersCountFirst) {
    computerWins = 5;
    humanWins = 12;
    nlohmann::ordered_json shown;
    snapshot(shown);
    press(IDCANCEL);
    ShowStatistics();

    EXPECT_EQ(shown["template"], IDD_STATISTICS);
    EXPECT_EQ(control(shown, IDC_STATISTICS_COUNTS)["text"], "5\n12");
    EXPECT_EQ(closed, (std::vector<std::pair<int, INT_PTR>>{{IDD_STATISTICS, IDCANCEL}}));
}

TEST_F(StatisticsDialog, ClearingShowsAndStoresZerosAndStaysOpen) {
    computerWins = 3;
    humanWins = 4;
    WriteSetting(u"statc", 3);
    WriteSetting(u"statu", 4);
    press(IDC_STATISTICS_CLEAR);
    nlohmann::ordered_json shown;
    snapshot(shown);
    bool stillOpen = false;
    then([&] { stillOpen = platform::modalDialogOpen(); });
    press(IDOK);
    ShowStatistics();

    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(control(shown, IDC_STATISTICS_COUNTS)["text"], "0\n0");
    EXPECT_EQ(computerWins, 0u);
    EXPECT_EQ(humanWins, 0u);
    EXPECT_EQ(stored(u"statc"), 0u);
    EXPECT_EQ(stored(u"statu"), 0u);
    EXPECT_EQ(closed, (std::vector<std::pair<int, INT_PTR>>{{IDD_STATISTICS, IDOK}}));
}

TEST_F(StatisticsDialog, ClearingWritesTheComputersCountFirst) {
    computerWins = 1;
    humanWins = 1;
    press(IDC_STATISTICS_CLEAR);
    press(IDCANCEL);
    ShowStatistics();
    std::string text = readFile();
    ASSERT_NE(text.find("\"statc\""), std::string::npos);
    EXPECT_LT(text.find("\"statc\""), text.find("\"statu\""));
}

TEST_F(StatisticsDialog, ReopenedAfterClearingItShowsTheZeros) {
    computerWins = 8;
    humanWins = 9;
    press(IDC_STATISTICS_CLEAR);
    press(IDCANCEL);
    ShowStatistics();
    nlohmann::ordered_json shown;
    snapshot(shown);
    press(IDCANCEL);
    ShowStatistics();
    EXPECT_EQ(control(shown, IDC_STATISTICS_COUNTS)["text"], "0\n0");
}

TEST_F(StatisticsDialog, IsCentredOverTheMainWindow) {
    RECT placed{};
    then([&] { GetWindowRect(platform::activeWindow(), &placed); });
    press(IDCANCEL);
    ShowStatistics();

    int width = placed.right - placed.left;
    int height = placed.bottom - placed.top;
    ASSERT_GT(width, 0);
    EXPECT_EQ(placed.left, (240 - width) / 2);
    EXPECT_EQ(placed.top, (320 - height) / 2);
}

TEST_F(StatisticsDialog, ADialogLargerThanTheMainWindowGoesToTheCorner) {
    DestroyWindow(mainWindow);
    makeMainWindow(60, 20);
    RECT placed{};
    then([&] { GetWindowRect(platform::activeWindow(), &placed); });
    press(IDCANCEL);
    ShowStatistics();

    EXPECT_GT(placed.right - placed.left, 60);
    EXPECT_EQ(placed.left, 0);
    EXPECT_EQ(placed.top, 0);
}

TEST_F(StatisticsDialog, CommandsOtherThanOkCancelOrClearLeaveItAsItIs) {
    computerWins = 2;
    nlohmann::ordered_json shown;
    then([] {
        HWND dialog = platform::activeWindow();
        PostMessageW(dialog, WM_COMMAND, 0, 0);
        PostMessageW(dialog, WM_COMMAND, IDC_STATISTICS_COUNTS, 0);
    });
    snapshot(shown);
    press(IDCANCEL);
    ShowStatistics();

    ASSERT_TRUE(shown.is_object()) << "still open";
    EXPECT_EQ(control(shown, IDC_STATISTICS_COUNTS)["text"], "2\n0");
    EXPECT_EQ(computerWins, 2u);
}

} // namespace
