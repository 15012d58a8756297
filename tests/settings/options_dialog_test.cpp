// SPDX-License-Identifier: MIT
// The Options dialog as the player works it: what it shows when it opens,
// what confirming stores (and in which order), and what cancelling keeps.
#include "settings_dialog_support.h"

namespace {

using namespace settings_dialog_testing;

struct OptionsCase {
    const char* name;
    const char* before; // "type 2 transfer 0 count 1 dbl 1 style 5 back 1"
    const char* lines;
    const char* file;    // the settings file afterwards
    const char* options; // the mirrors afterwards, but for the win counts
    int requests;        // new games asked for, all dealt with the hand style 4
};

void PrintTo(const OptionsCase& c, std::ostream* out) {
    *out << c.name;
}

class OptionsDialog : public SettingsDialogTest,
                      public ::testing::WithParamInterface<OptionsCase> {};

TEST_P(OptionsDialog, StoresWhatItShould) {
    const OptionsCase& c = GetParam();
    std::istringstream before(c.before);
    std::string name;
    int value = 0;
    while (before >> name >> value) {
        const std::map<std::string, int32_t*> preset = {
            {"type", &gameType},      {"transfer", &transferVariant}, {"count", &showTalonCount},
            {"dbl", &doubleTapPlays}, {"style", &computerHandStyle},  {"back", &cardBackIndex}};
        *preset.at(name) = value;
        if (name == "back") {
            platform::writeStoredValue(StoredValue::CardBack, static_cast<uint32_t>(value));
        }
    }
    dialogLines(c.lines);
    ShowOptions();

    EXPECT_EQ(closed,
              (Closed{{IDD_OPTIONS, std::string(c.lines).ends_with("cancel") ? IDCANCEL : IDOK}}));
    EXPECT_EQ(valuesIn(readFile()), c.file);
    EXPECT_EQ(mirrors(), std::string(c.options) + " wins 0/0");
    EXPECT_EQ(requests, std::vector<WPARAM>(c.requests, REQUEST_NEW_GAME));
    EXPECT_EQ(handStyleAtRequest, std::vector<int32_t>(c.requests, 4))
        << "dealt with the old style";
    WCHAR title[64] = {};
    GetWindowTextW(mainWindow, title, 64);
    EXPECT_EQ(std::u16string(title), c.requests > 0 ? gameTypeName(gameType) : u"Подкидной");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OptionsDialog,
    ::testing::Values(
        OptionsCase{"UntouchedRewritesTheFourAlwaysWritten", "type 2 transfer 0 count 1",
                    "press ok", "type=2 hidev=4 cidc=1 wc=0",
                    "type 2/0 back 0 colour 0 dbl 0 count 1 style 4", 0},
        OptionsCase{"EveryChoiceInTheOrderGiven", "",
                    "select game 3;check hide 1;check count 1;check dbl 1;select colour 4;"
                    "select back 2;press ok",
                    "type=3 hidev=5 cidc=1 wc=1 blackbg=4 back=2",
                    "type 3/1 back 2 colour 4 dbl 1 count 1 style 5", 1},
        OptionsCase{"TheVariantPlayedStartsNoGame", "type 1 transfer 1", "select game 1;press ok",
                    "type=1 hidev=4 cidc=0 wc=0", "type 1/1 back 0 colour 0 dbl 0 count 0 style 4",
                    0},
        OptionsCase{"ATypeOutsideTheListIsKept", "type 7", "press ok", "type=7 hidev=4 cidc=0 wc=0",
                    "type 7/0 back 0 colour 0 dbl 0 count 0 style 4", 0},
        OptionsCase{"UncheckingTurnsOptionsOff", "type 5 count 1 dbl 1 style 5",
                    "check count 0;check dbl 0;check hide 0;press ok", "type=5 hidev=4 cidc=0 wc=0",
                    "type 5/0 back 0 colour 0 dbl 0 count 0 style 4", 0},
        OptionsCase{"CancellingKeepsEverything", "back 1",
                    "select game 4;select back 4;select colour 2;check dbl 1;check hide 1;"
                    "press cancel",
                    "back=1", "type 0/0 back 1 colour 0 dbl 0 count 0 style 4", 0}),
    [](const auto& item) { return std::string(item.param.name); });

using OptionsDialogOpen = SettingsDialogTest;

TEST_F(OptionsDialogOpen, ShowsTheCurrentOptionsAndNoBackOrColour) {
    for (const auto& [type, text] : {std::pair{4, "Японский"}, {7, ""}, {-3, ""}}) {
        gameType = type;
        showTalonCount = 1;
        computerHandStyle = 5;
        nlohmann::ordered_json shown;
        then([&shown] { shown = platform::describeOpenDialog(); });
        dialogLines("press cancel");
        ShowOptions();
        std::string seen;
        for (const auto& control : shown["controls"]) {
            const auto& items = control.contains("items") ? control["items"] : control["text"];
            seen += control.contains("checked") ? control["checked"].dump() + " "
                    : control.contains("selected")
                        ? control["selected"].dump() + "/" + std::to_string(items.size()) +
                              control["text"].dump() + " "
                        : "";
        }
        // In template order: the talon count, double tap, the variants, the
        // hidden hand size, the backs and the colours.
        EXPECT_EQ(seen, "1 0 " + std::to_string(*text ? type : -1) + "/6\"" + text +
                            "\" 1 -1/5\"\" -1/5\"\" ");
    }
}

TEST_F(OptionsDialogOpen, ANewBackShowsOnTheHandsAndTheTalonAtOnce) {
    addCard(humanHand, SUIT_HEARTS, 9);
    addCard(computerHand, SUIT_CLUBS, 6);
    platform_testing::takeInvalidations();
    then([] { PostMessageW(platform::activeWindow(), WM_COMMAND, IDC_CARD_BACK, 0); });
    dialogLines("select back 3;press ok");
    ShowOptions();
    EXPECT_EQ(closed, (Closed{{IDD_OPTIONS, IDOK}})) << "other commands leave it open";
    EXPECT_EQ((std::vector<int32_t>{humanHand.backStyle, computerHand.backStyle,
                                    humanHand.cards[0].backStyle, computerHand.cards[0].backStyle,
                                    talonCard.backStyle}),
              std::vector<int32_t>(5, 3));
    const auto marks = platform_testing::takeInvalidations();
    ASSERT_FALSE(marks.empty());
    EXPECT_TRUE(marks.back().window == mainWindow && marks.back().wholeWindow &&
                marks.back().erase == FALSE);
}

} // namespace
