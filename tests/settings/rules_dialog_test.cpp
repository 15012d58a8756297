// The Rules dialog: the text in the language asked for, readable to its last
// line by scrolling. Which language each command asks for, the start-up runs
// show.
#include "platform/dialogs/control_messages.h"
#include "resources/resource_ids.h"
#include "resources/resource_table.h"
#include "settings_dialog_support.h"

namespace {

using namespace settings_dialog_testing;

class RulesDialog : public SettingsDialogTest {};

TEST_F(RulesDialog, ScrollsToTheLastLineOfEitherText) {
    for (int language : {0, 1}) {
        int lastShown = -1;
        int lineCount = 0;
        std::u16string lastLine;
        then([&] {
            HWND text = GetDlgItem(platform::activeWindow(), IDC_RULES_TEXT);
            SendMessageW(text, EM_LINESCROLL, 0, 100000);
            lineCount = static_cast<int>(SendMessageW(text, EM_GETLINECOUNT, 0, 0));
            lastShown = static_cast<int>(SendMessageW(text, EM_GETFIRSTVISIBLELINE, 0, 0) +
                                         SendMessageW(text, EM_GETVISIBLELINECOUNT, 0, 0) - 1);
            WCHAR buffer[256] = {};
            buffer[0] = 255;
            auto length = SendMessageW(text, EM_GETLINE, static_cast<WPARAM>(lineCount - 1),
                                       reinterpret_cast<LPARAM>(buffer));
            lastLine.assign(buffer, static_cast<size_t>(length));
        });
        press(IDOK);
        ShowRules(language);
        EXPECT_EQ(rulesLanguage, language);
        EXPECT_EQ(closed.back(), (std::pair<int, INT_PTR>{IDD_RULES, IDOK}));

        std::u16string whole =
            language == 1 ? resources::russianRulesText() : resources::englishRulesText();
        EXPECT_GT(lineCount, 40) << "language " << language;
        EXPECT_EQ(lastShown, lineCount - 1) << "language " << language;
        ASSERT_FALSE(lastLine.empty());
        EXPECT_EQ(whole.substr(whole.size() - lastLine.size()), lastLine)
            << "the last line shown ends the text";
    }
}

TEST_F(RulesDialog, EnterPressesTheHiddenDefaultButtonAndLeavesItOpen) {
    bool stillOpen = false;
    then([] { SendMessageW(platform::activeWindow(), WM_KEYDOWN, VK_RETURN, 0); });
    then([&] { stillOpen = platform::modalDialogOpen(); });
    then([] { SendMessageW(platform::activeWindow(), WM_KEYDOWN, VK_ESCAPE, 0); });
    ShowRules(0);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(closed, (std::vector<std::pair<int, INT_PTR>>{{IDD_RULES, IDCANCEL}}));
}

} // namespace
