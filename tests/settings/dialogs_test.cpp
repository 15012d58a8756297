// SPDX-License-Identifier: MIT
// The Statistics dialog: the counts, computer first; clearing them while the
// dialog stays open; and where it is placed over the main window. The Rules
// dialog: the text in the language asked for; Enter presses its hidden
// default button and leaves it open. Which language each command asks for,
// the start-up runs show.
#include "resources/resource_table.h"
#include "settings_dialog_support.h"

namespace {

using namespace settings_dialog_testing;

using StatisticsDialog = SettingsDialogTest;

// Other commands leave the counts alone; clearing shows and stores zeros and
// leaves the dialog open.
TEST_F(StatisticsDialog, ShowsTheCountsComputerFirstAndClearsThem) {
    computerWins = 5;
    humanWins = 12;
    then([] {
        PostMessageW(platform::activeWindow(), WM_COMMAND, 0, 0);
        PostMessageW(platform::activeWindow(), WM_COMMAND, IDC_STATISTICS_COUNTS, 0);
    });
    std::string shown, cleared, reopened, before;
    textOf(IDC_STATISTICS_COUNTS, shown);
    then([&] { before = mirrors(); });
    dialogLines("press clear");
    textOf(IDC_STATISTICS_COUNTS, cleared);
    dialogLines("press ok");
    ShowStatistics();
    textOf(IDC_STATISTICS_COUNTS, reopened);
    dialogLines("press cancel");
    ShowStatistics();

    EXPECT_EQ(shown + " " + cleared + " " + reopened, "5\n12 0\n0 0\n0");
    EXPECT_EQ(before, "type 0/0 back 0 colour 0 dbl 0 count 0 style 4 wins 5/12");
    EXPECT_EQ(mirrors(), "type 0/0 back 0 colour 0 dbl 0 count 0 style 4 wins 0/0");
    EXPECT_EQ(valuesIn(readFile()), "statc=0 statu=0");
    EXPECT_EQ(closed, (Closed{{IDD_STATISTICS, IDOK}, {IDD_STATISTICS, IDCANCEL}}));
}

// Centred over the main window, or in its corner when the dialog is larger.
TEST_F(StatisticsDialog, IsPlacedOverTheMainWindow) {
    for (const auto& [width, height] : {std::pair{240, 320}, std::pair{60, 20}}) {
        DestroyWindow(mainWindow);
        makeMainWindow(width, height);
        RECT placed{};
        then([&] { GetWindowRect(platform::activeWindow(), &placed); });
        dialogLines("press cancel");
        ShowStatistics();
        const int dialogWidth = placed.right - placed.left;
        const int dialogHeight = placed.bottom - placed.top;
        ASSERT_GT(dialogWidth, 60);
        ASSERT_LT(dialogWidth, 240);
        EXPECT_EQ(placed.left, std::max(0, (width - dialogWidth) / 2)) << width;
        EXPECT_EQ(placed.top, std::max(0, (height - dialogHeight) / 2)) << width;
    }
}

using RulesDialog = SettingsDialogTest;

TEST_F(RulesDialog, ShowsTheTextOfTheLanguageAskedFor) {
    using resources::Language;
    for (Language language : {Language::Russian, Language::English}) {
        std::string shown;
        textOf(IDC_RULES_TEXT, shown);
        dialogLines("press ok");
        ShowRules(language);
        EXPECT_EQ(rulesLanguage, language == Language::Russian ? 1 : 0) << "the handheld's number";
        EXPECT_EQ(shown,
                  utf8FromUtf16(language == Language::Russian ? resources::russianRulesText()
                                                              : resources::englishRulesText()));
    }
    EXPECT_EQ(closed, Closed(2, {IDD_RULES, IDOK}));
}

TEST_F(RulesDialog, EnterPressesTheHiddenDefaultButtonAndLeavesItOpen) {
    bool stillOpen = false;
    then([] { SendMessageW(platform::activeWindow(), WM_KEYDOWN, VK_RETURN, 0); });
    then([&] { stillOpen = platform::modalDialogOpen(); });
    then([] { SendMessageW(platform::activeWindow(), WM_KEYDOWN, VK_ESCAPE, 0); });
    ShowRules(resources::Language::English);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(closed, (Closed{{IDD_RULES, IDCANCEL}}));
}

} // namespace
