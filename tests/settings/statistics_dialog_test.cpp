// The Statistics dialog: the counts, computer first; clearing them while the
// dialog stays open; and where it is placed over the main window.
#include "resources/resource_ids.h"
#include "settings_dialog_support.h"

namespace {

using namespace settings_dialog_testing;

class StatisticsDialog : public SettingsDialogTest {};

TEST_F(StatisticsDialog, ShowsTheCountsComputerFirstAndLeavesThemOnOtherCommands) {
    computerWins = 5;
    humanWins = 12;
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
    EXPECT_EQ(shown["template"], IDD_STATISTICS);
    EXPECT_EQ(control(shown, IDC_STATISTICS_COUNTS)["text"], "5\n12");
    EXPECT_EQ(mirrors(), "type 0/0 back 0 colour 0 dbl 0 count 0 style 4 wins 5/12");
    EXPECT_EQ(closed, (std::vector<std::pair<int, INT_PTR>>{{IDD_STATISTICS, IDCANCEL}}));
}

TEST_F(StatisticsDialog, ClearingShowsAndStoresZerosComputerFirstAndStaysOpen) {
    computerWins = 3;
    humanWins = 4;
    press(IDC_STATISTICS_CLEAR);
    nlohmann::ordered_json shown;
    snapshot(shown);
    bool stillOpen = false;
    then([&] { stillOpen = platform::modalDialogOpen(); });
    press(IDOK);
    ShowStatistics();
    nlohmann::ordered_json reopened;
    snapshot(reopened);
    press(IDCANCEL);
    ShowStatistics();

    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(control(shown, IDC_STATISTICS_COUNTS)["text"], "0\n0");
    EXPECT_EQ(control(reopened, IDC_STATISTICS_COUNTS)["text"], "0\n0");
    EXPECT_EQ(mirrors(), "type 0/0 back 0 colour 0 dbl 0 count 0 style 4 wins 0/0");
    EXPECT_EQ(valuesIn(readFile()), "statc=0 statu=0");
    EXPECT_EQ(closed, (std::vector<std::pair<int, INT_PTR>>{{IDD_STATISTICS, IDOK},
                                                            {IDD_STATISTICS, IDCANCEL}}));
}

// Centred over the main window, or in its corner when the dialog is larger.
TEST_F(StatisticsDialog, IsPlacedOverTheMainWindow) {
    for (const auto& [width, height] : {std::pair{240, 320}, std::pair{60, 20}}) {
        DestroyWindow(mainWindow);
        makeMainWindow(width, height);
        RECT placed{};
        then([&] { GetWindowRect(platform::activeWindow(), &placed); });
        press(IDCANCEL);
        ShowStatistics();
        const int dialogWidth = placed.right - placed.left;
        const int dialogHeight = placed.bottom - placed.top;
        ASSERT_GT(dialogWidth, 60);
        ASSERT_LT(dialogWidth, 240);
        EXPECT_EQ(placed.left, std::max(0, (width - dialogWidth) / 2)) << width;
        EXPECT_EQ(placed.top, std::max(0, (height - dialogHeight) / 2)) << width;
    }
}

} // namespace
