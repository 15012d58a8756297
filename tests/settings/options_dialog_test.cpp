// The Options dialog as the player works it: what it shows when it opens,
// what confirming stores (and in which order), and what cancelling keeps.
#include "resources/resource_ids.h"
#include "settings_dialog_support.h"

namespace {

using namespace settings_dialog_testing;

const std::vector<std::string> variantNames = {
    "Подкидной", "Подкидной переводной", "Наваленный", "Наваленный переводной",
    "Японский",  "Японский переводной",
};

class OptionsDialog : public SettingsDialogTest {
  protected:
    // The value names of the settings file in the order they appear.
    std::vector<std::string> namesInFile() const {
        std::vector<std::string> names;
        std::istringstream lines(readFile());
        std::string text;
        while (std::getline(lines, text)) {
            if (text.size() > 1 && text[0] == '"') {
                names.push_back(text.substr(1, text.find('"', 1) - 1));
            }
        }
        return names;
    }
};

TEST_F(OptionsDialog, OpensWithTheCurrentOptionsAndNoBackOrColourSelected) {
    gameType = 4;
    showTalonCount = 1;
    doubleTapPlays = 0;
    computerHandStyle = 5;
    nlohmann::ordered_json shown;
    snapshot(shown);
    press(IDCANCEL);
    ShowOptions();

    ASSERT_TRUE(shown.is_object());
    EXPECT_EQ(shown["template"], IDD_OPTIONS);
    EXPECT_EQ(control(shown, IDC_GAME_TYPE)["selected"], 4);
    EXPECT_EQ(control(shown, IDC_GAME_TYPE)["items"], variantNames);
    EXPECT_EQ(control(shown, IDC_GAME_TYPE)["text"], "Японский");
    EXPECT_EQ(control(shown, IDC_CARD_BACK)["selected"], -1);
    EXPECT_EQ(
        control(shown, IDC_CARD_BACK)["items"],
        (std::vector<std::string>{"Циновка", "Рыбки", "Джоконда", "Градиент", "Стандартная"}));
    EXPECT_EQ(control(shown, IDC_TABLE_COLOUR)["selected"], -1);
    EXPECT_EQ(control(shown, IDC_TABLE_COLOUR)["items"],
              (std::vector<std::string>{"Зеленый", "Черный", "Темно-красный", "Голубой", "Серый"}));
    EXPECT_EQ(control(shown, IDC_SHOW_TALON_COUNT)["checked"], 1);
    EXPECT_EQ(control(shown, IDC_DOUBLE_TAP)["checked"], 0);
    EXPECT_EQ(control(shown, IDC_HIDE_HAND_SIZE)["checked"], 1);
}

TEST_F(OptionsDialog, ConfirmingUntouchedRewritesTheFourAlwaysWrittenValuesOnly) {
    gameType = 2;
    transferVariant = 0;
    showTalonCount = 1;
    press(IDOK);
    ShowOptions();

    EXPECT_EQ(closed, (std::vector<std::pair<int, INT_PTR>>{{IDD_OPTIONS, IDOK}}));
    EXPECT_TRUE(requests.empty()) << "no new game";
    EXPECT_EQ(namesInFile(), (std::vector<std::string>{"type", "hidev", "cidc", "wc"}));
    EXPECT_EQ(stored(u"type"), 2u);
    EXPECT_EQ(stored(u"hidev"), 4u);
    EXPECT_EQ(stored(u"cidc"), 1u);
    EXPECT_EQ(stored(u"wc"), 0u);
    EXPECT_EQ(stored(u"back"), std::nullopt);
    EXPECT_EQ(stored(u"blackbg"), std::nullopt);
}

TEST_F(OptionsDialog, EveryChoiceIsStoredInTheOrderGiven) {
    select(IDC_GAME_TYPE, 3);
    check(IDC_HIDE_HAND_SIZE, 1);
    check(IDC_SHOW_TALON_COUNT, 1);
    check(IDC_DOUBLE_TAP, 1);
    select(IDC_TABLE_COLOUR, 4);
    select(IDC_CARD_BACK, 2);
    press(IDOK);
    ShowOptions();

    EXPECT_EQ(namesInFile(),
              (std::vector<std::string>{"type", "hidev", "cidc", "wc", "blackbg", "back"}));
    EXPECT_EQ(stored(u"type"), 3u);
    EXPECT_EQ(stored(u"hidev"), 5u);
    EXPECT_EQ(stored(u"cidc"), 1u);
    EXPECT_EQ(stored(u"wc"), 1u);
    EXPECT_EQ(stored(u"blackbg"), 4u);
    EXPECT_EQ(stored(u"back"), 2u);
    EXPECT_EQ(gameType, 3);
    EXPECT_EQ(computerHandStyle, 5);
    EXPECT_EQ(showTalonCount, 1);
    EXPECT_EQ(doubleTapPlays, 1);
    EXPECT_EQ(tableColourIndex, 4);
    EXPECT_EQ(cardBackIndex, 2);
}

TEST_F(OptionsDialog, ANewVariantRetitlesTheWindowAndDealsAtOnce) {
    select(IDC_GAME_TYPE, 5);
    press(IDOK);
    ShowOptions();

    EXPECT_EQ(gameType, 5);
    EXPECT_EQ(transferVariant, 1);
    EXPECT_EQ(requests, (std::vector<WPARAM>{REQUEST_NEW_GAME}));
    WCHAR title[64] = {};
    GetWindowTextW(mainWindow, title, 64);
    EXPECT_EQ(utf8(title), "Японский переводной");
}

TEST_F(OptionsDialog, TheVariantAlreadyPlayedStartsNoGame) {
    gameType = 1;
    transferVariant = 1;
    select(IDC_GAME_TYPE, 1);
    press(IDOK);
    ShowOptions();

    EXPECT_TRUE(requests.empty());
    EXPECT_EQ(stored(u"type"), 1u);
    WCHAR title[64] = {};
    GetWindowTextW(mainWindow, title, 64);
    EXPECT_EQ(utf8(title), "Подкидной") << "the title is left as it was";
}

TEST_F(OptionsDialog, ATypeOutsideTheListOpensWithNoLineAndIsKept) {
    gameType = 7;
    nlohmann::ordered_json shown;
    snapshot(shown);
    press(IDOK);
    ShowOptions();

    EXPECT_EQ(control(shown, IDC_GAME_TYPE)["selected"], -1);
    EXPECT_EQ(control(shown, IDC_GAME_TYPE)["text"], "");
    EXPECT_EQ(gameType, 7);
    EXPECT_TRUE(requests.empty());
    EXPECT_EQ(stored(u"type"), 7u);
}

TEST_F(OptionsDialog, ANegativeTypeOpensWithNoLineEither) {
    gameType = -3;
    nlohmann::ordered_json shown;
    snapshot(shown);
    press(IDCANCEL);
    ShowOptions();
    EXPECT_EQ(control(shown, IDC_GAME_TYPE)["selected"], -1);
}

TEST_F(OptionsDialog, TheHandStyleWaitsForTheNextDealWhileTheVariantDealsNow) {
    select(IDC_GAME_TYPE, 2);
    check(IDC_HIDE_HAND_SIZE, 1);
    press(IDOK);
    ShowOptions();

    EXPECT_EQ(requests, (std::vector<WPARAM>{REQUEST_NEW_GAME}));
    EXPECT_EQ(handStyleAtRequest, (std::vector<int32_t>{4})) << "dealt with the old style";
    EXPECT_EQ(computerHandStyle, 5);
}

TEST_F(OptionsDialog, ANewBackShowsOnTheHandsAndTheTalonAtOnce) {
    addCard(humanHand, SUIT_HEARTS, 9);
    addCard(humanHand, SUIT_SPADES, 14);
    addCard(computerHand, SUIT_CLUBS, 6);
    talonCard.backStyle = 0;
    platform_testing::takeInvalidations();
    select(IDC_CARD_BACK, 3);
    press(IDOK);
    ShowOptions();

    EXPECT_EQ(cardBackIndex, 3);
    EXPECT_EQ(stored(u"back"), 3u);
    EXPECT_EQ(humanHand.backStyle, 3);
    EXPECT_EQ(computerHand.backStyle, 3);
    for (const Card& card : humanHand.cards) {
        EXPECT_EQ(card.backStyle, 3) << "9H / AS";
    }
    EXPECT_EQ(computerHand.cards[0].backStyle, 3) << "6C";
    EXPECT_EQ(talonCard.backStyle, 3);
    bool wholeTableRepainted = false;
    for (const auto& mark : platform_testing::takeInvalidations()) {
        if (mark.window == mainWindow && mark.wholeWindow) {
            wholeTableRepainted = true;
            EXPECT_FALSE(mark.erase);
        }
    }
    EXPECT_TRUE(wholeTableRepainted);
}

TEST_F(OptionsDialog, CancellingKeepsEveryOption) {
    WriteSetting(u"back", 1);
    cardBackIndex = 1;
    select(IDC_GAME_TYPE, 4);
    select(IDC_CARD_BACK, 4);
    select(IDC_TABLE_COLOUR, 2);
    check(IDC_DOUBLE_TAP, 1);
    check(IDC_HIDE_HAND_SIZE, 1);
    press(IDCANCEL);
    ShowOptions();

    EXPECT_EQ(closed, (std::vector<std::pair<int, INT_PTR>>{{IDD_OPTIONS, IDCANCEL}}));
    EXPECT_EQ(gameType, 0);
    EXPECT_EQ(cardBackIndex, 1);
    EXPECT_EQ(tableColourIndex, 0);
    EXPECT_EQ(doubleTapPlays, 0);
    EXPECT_EQ(computerHandStyle, 4);
    EXPECT_TRUE(requests.empty());
    EXPECT_EQ(namesInFile(), (std::vector<std::string>{"back"}));
}

TEST_F(OptionsDialog, UncheckingTurnsTheOptionsOff) {
    showTalonCount = 1;
    doubleTapPlays = 1;
    computerHandStyle = 5;
    check(IDC_SHOW_TALON_COUNT, 0);
    check(IDC_DOUBLE_TAP, 0);
    check(IDC_HIDE_HAND_SIZE, 0);
    press(IDOK);
    ShowOptions();

    EXPECT_EQ(showTalonCount, 0);
    EXPECT_EQ(doubleTapPlays, 0);
    EXPECT_EQ(computerHandStyle, 4);
    EXPECT_EQ(stored(u"cidc"), 0u);
    EXPECT_EQ(stored(u"wc"), 0u);
    EXPECT_EQ(stored(u"hidev"), 4u);
}

TEST_F(OptionsDialog, OtherCommandsLeaveItOpen) {
    bool stillOpen = false;
    then([] { PostMessageW(platform::activeWindow(), WM_COMMAND, IDC_CARD_BACK, 0); });
    then([&] { stillOpen = platform::modalDialogOpen(); });
    press(IDCANCEL);
    ShowOptions();
    EXPECT_TRUE(stillOpen);
}

} // namespace
