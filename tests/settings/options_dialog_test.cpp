// The Options dialog as the player works it: what it shows when it opens,
// what confirming stores (and in which order), and what cancelling keeps.
#include <map>

#include "resources/resource_ids.h"
#include "settings_dialog_support.h"

namespace {

using namespace settings_dialog_testing;

class OptionsDialog : public SettingsDialogTest {
  protected:
    // "select game 3;check hide 1;press ok": the player's lines.
    void dialogLines(const std::string& text) {
        static const std::map<std::string, int> ids = {{"game", IDC_GAME_TYPE},
                                                       {"back", IDC_CARD_BACK},
                                                       {"colour", IDC_TABLE_COLOUR},
                                                       {"count", IDC_SHOW_TALON_COUNT},
                                                       {"dbl", IDC_DOUBLE_TAP},
                                                       {"hide", IDC_HIDE_HAND_SIZE},
                                                       {"ok", IDOK},
                                                       {"cancel", IDCANCEL}};
        std::istringstream parts(text);
        std::string step;
        while (std::getline(parts, step, ';')) {
            std::istringstream words(step);
            std::string verb;
            std::string name;
            int value = 0;
            words >> verb >> name >> value;
            line(verb == "select"  ? Type::DialogSelect
                 : verb == "check" ? Type::DialogCheck
                                   : Type::DialogPress,
                 ids.at(name), value);
        }
    }
    std::string title() const {
        WCHAR text[64] = {};
        GetWindowTextW(mainWindow, text, 64);
        return utf8FromUtf16(text);
    }
};

struct OptionsCase {
    const char* name;
    const char* before; // "type 2 transfer 0 count 1 dbl 1 style 5 back 1"
    const char* lines;
    const char* file;    // the settings file afterwards
    std::string options; // the mirrors afterwards
    int requests;        // new games asked for, all dealt with the hand style 4
    const char* title;
};

void PrintTo(const OptionsCase& c, std::ostream* out) {
    *out << c.name;
}

class OptionsCases : public OptionsDialog, public ::testing::WithParamInterface<OptionsCase> {};

TEST_P(OptionsCases, StoreWhatTheyShould) {
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
            WriteSetting(u"back", static_cast<uint32_t>(value));
        }
    }
    dialogLines(c.lines);
    ShowOptions();

    const bool cancelled = std::string(c.lines).ends_with("cancel");
    EXPECT_EQ(closed,
              (std::vector<std::pair<int, INT_PTR>>{{IDD_OPTIONS, cancelled ? IDCANCEL : IDOK}}));
    EXPECT_EQ(valuesIn(readFile()), c.file);
    EXPECT_EQ(mirrors(), c.options);
    EXPECT_EQ(requests, std::vector<WPARAM>(c.requests, REQUEST_NEW_GAME));
    EXPECT_EQ(handStyleAtRequest, std::vector<int32_t>(c.requests, 4))
        << "dealt with the old style";
    EXPECT_EQ(title(), c.title);
}

// clang-format off
const char* const defaults = "back 0 colour 0 dbl 0 count 0 style 4 wins 0/0";
INSTANTIATE_TEST_SUITE_P(Cases, OptionsCases, ::testing::Values(
    OptionsCase{"UntouchedRewritesTheFourAlwaysWritten", "type 2 transfer 0 count 1", "press ok", "type=2 hidev=4 cidc=1 wc=0", "type 2/0 back 0 colour 0 dbl 0 count 1 style 4 wins 0/0", 0, "Подкидной"},
    OptionsCase{"EveryChoiceInTheOrderGiven", "", "select game 3;check hide 1;check count 1;check dbl 1;select colour 4;select back 2;press ok", "type=3 hidev=5 cidc=1 wc=1 blackbg=4 back=2", "type 3/1 back 2 colour 4 dbl 1 count 1 style 5 wins 0/0", 1, "Наваленный переводной"},
    OptionsCase{"ANewVariantRetitlesAndDeals", "", "select game 5;press ok", "type=5 hidev=4 cidc=0 wc=0", std::string("type 5/1 ") + defaults, 1, "Японский переводной"},
    OptionsCase{"TheVariantPlayedStartsNoGame", "type 1 transfer 1", "select game 1;press ok", "type=1 hidev=4 cidc=0 wc=0", std::string("type 1/1 ") + defaults, 0, "Подкидной"},
    OptionsCase{"ATypeOutsideTheListIsKept", "type 7", "press ok", "type=7 hidev=4 cidc=0 wc=0", std::string("type 7/0 ") + defaults, 0, "Подкидной"},
    OptionsCase{"UncheckingTurnsOptionsOff", "count 1 dbl 1 style 5", "check count 0;check dbl 0;check hide 0;press ok", "type=0 hidev=4 cidc=0 wc=0", std::string("type 0/0 ") + defaults, 0, "Подкидной"},
    OptionsCase{"CancellingKeepsEverything", "back 1", "select game 4;select back 4;select colour 2;check dbl 1;check hide 1;press cancel", "back=1", "type 0/0 back 1 colour 0 dbl 0 count 0 style 4 wins 0/0", 0, "Подкидной"}),
    [](const auto& item) { return std::string(item.param.name); });
// clang-format on

TEST_F(OptionsDialog, OpensWithTheCurrentOptionsAndNoBackOrColourSelected) {
    for (const auto& [type, text] : {std::pair{4, "Японский"}, {7, ""}, {-3, ""}}) {
        gameType = type;
        showTalonCount = 1;
        computerHandStyle = 5;
        nlohmann::ordered_json shown;
        snapshot(shown);
        dialogLines("press cancel");
        ShowOptions();
        ASSERT_TRUE(shown.is_object());
        EXPECT_EQ(shown["template"], IDD_OPTIONS);
        std::string seen;
        for (int id : {IDC_GAME_TYPE, IDC_CARD_BACK, IDC_TABLE_COLOUR}) {
            const auto list = control(shown, id);
            seen += list["selected"].dump() + " " + list["items"].dump() + "\n";
        }
        for (int id : {IDC_SHOW_TALON_COUNT, IDC_DOUBLE_TAP, IDC_HIDE_HAND_SIZE}) {
            seen += control(shown, id)["checked"].dump();
        }
        EXPECT_EQ(control(shown, IDC_GAME_TYPE)["text"], text);
        EXPECT_EQ(seen, std::to_string(*text ? type : -1) +
                            R"( ["Подкидной","Подкидной переводной","Наваленный",)"
                            R"("Наваленный переводной","Японский","Японский переводной"])"
                            "\n-1 "
                            R"(["Циновка","Рыбки","Джоконда","Градиент","Стандартная"])"
                            "\n-1 "
                            R"(["Зеленый","Черный","Темно-красный","Голубой","Серый"])"
                            "\n101");
    }
}

TEST_F(OptionsDialog, ANewBackShowsOnTheHandsAndTheTalonAtOnce) {
    addCard(humanHand, SUIT_HEARTS, 9);
    addCard(humanHand, SUIT_SPADES, 14);
    addCard(computerHand, SUIT_CLUBS, 6);
    talonCard.backStyle = 0;
    platform_testing::takeInvalidations();
    dialogLines("select back 3;press ok");
    ShowOptions();

    for (const int32_t style :
         {humanHand.backStyle, computerHand.backStyle, humanHand.cards[0].backStyle,
          humanHand.cards[1].backStyle, computerHand.cards[0].backStyle, talonCard.backStyle}) {
        EXPECT_EQ(style, 3);
    }
    int wholeTableRepaints = 0;
    for (const auto& mark : platform_testing::takeInvalidations()) {
        if (mark.window == mainWindow && mark.wholeWindow) {
            ++wholeTableRepaints;
            EXPECT_FALSE(mark.erase);
        }
    }
    EXPECT_GT(wholeTableRepaints, 0);
}

TEST_F(OptionsDialog, OtherCommandsLeaveItOpen) {
    bool stillOpen = false;
    then([] { PostMessageW(platform::activeWindow(), WM_COMMAND, IDC_CARD_BACK, 0); });
    then([&] { stillOpen = platform::modalDialogOpen(); });
    dialogLines("press cancel");
    ShowOptions();
    EXPECT_TRUE(stillOpen);
}

} // namespace
