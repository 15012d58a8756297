// The Statistics dialog: the counts, computer first; clearing them while the
// dialog stays open; and where it is placed over the main window.
#include "resources/resource_ids.h"
#include "settings_dialog_support.h"

namespace {

using namespace settings_dialog_testing;

class StatisticsDialog : public SettingsDialogTest {};

// Other commands leave the counts alone; clearing shows and stores zeros and
// leaves the dialog open.
TEST_F(StatisticsDialog, ShowsTheCountsComputerFirstAndClearsThem) {
    computerWins = 5;
    humanWins = 12;
    then([] {
        HWND dialog = platform::activeWindow();
        PostMessageW(dialog, WM_COMMAND, 0, 0);
        PostMessageW(dialog, WM_COMMAND, IDC_STATISTICS_COUNTS, 0);
    });
    nlohmann::ordered_json shown, cleared, reopened;
    std::string before;
    bool stillOpen = false;
    snapshot(shown);
    then([&] { before = mirrors(); });
    press(IDC_STATISTICS_CLEAR);
    snapshot(cleared);
    then([&] { stillOpen = platform::modalDialogOpen(); });
    press(IDOK);
    ShowStatistics();
    snapshot(reopened);
    press(IDCANCEL);
    ShowStatistics();

    EXPECT_EQ(shown["template"], IDD_STATISTICS);
    EXPECT_EQ(control(shown, IDC_STATISTICS_COUNTS)["text"], "5\n12");
    EXPECT_EQ(before, "type 0/0 back 0 colour 0 dbl 0 count 0 style 4 wins 5/12");
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(control(cleared, IDC_STATISTICS_COUNTS)["text"], "0\n0");
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
