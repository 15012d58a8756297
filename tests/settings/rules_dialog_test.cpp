// The Rules dialog: the text in the language asked for; Enter presses its
// hidden default button and leaves it open. Which language each command asks
// for, the start-up runs show.
#include "resources/resource_table.h"
#include "settings_dialog_support.h"

namespace {

using namespace settings_dialog_testing;

using RulesDialog = SettingsDialogTest;

TEST_F(RulesDialog, ShowsTheTextOfTheLanguageAskedFor) {
    for (int language : {0, 1, 2}) {
        std::string shown;
        textOf(IDC_RULES_TEXT, shown);
        dialogLines("press ok");
        ShowRules(language);
        EXPECT_EQ(rulesLanguage, language);
        EXPECT_EQ(shown, utf8FromUtf16(language == 1 ? resources::russianRulesText()
                                                     : resources::englishRulesText()));
    }
    EXPECT_EQ(closed, Closed(3, {IDD_RULES, IDOK}));
}

TEST_F(RulesDialog, EnterPressesTheHiddenDefaultButtonAndLeavesItOpen) {
    bool stillOpen = false;
    then([] { SendMessageW(platform::activeWindow(), WM_KEYDOWN, VK_RETURN, 0); });
    then([&] { stillOpen = platform::modalDialogOpen(); });
    then([] { SendMessageW(platform::activeWindow(), WM_KEYDOWN, VK_ESCAPE, 0); });
    ShowRules(0);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(closed, (Closed{{IDD_RULES, IDCANCEL}}));
}

} // namespace
