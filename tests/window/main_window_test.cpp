#include "game/table_fixture.h"
#include "resources/resource_ids.h"
#include "window/state_report.h"

using namespace table_test;

namespace {

std::string title(HWND window) {
    WCHAR text[100] = {};
    GetWindowTextW(window, text, 100);
    return utf8FromUtf16(text);
}

class MainWindowTest : public TableTest {};

TEST_F(MainWindowTest, CreationNamesTheVariantAndDealsTheFirstGame) {
    EXPECT_EQ(title(window), "Подкидной");
    EXPECT_NE(commandBar, nullptr);
    EXPECT_EQ(cardCount(humanHand), 6);
    EXPECT_EQ(cardCount(computerHand) + cardCount(computerTableRow), 6);
    EXPECT_EQ(cardsInPlay(), 36);
}

TEST_F(MainWindowTest, ATypeWithoutANameLeavesTheTitle) {
    DestroyWindow(window);
    gameType = 7;
    window = CreateWindowExW(0, u"TalonixTable", u"Дурак", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(title(window), "Дурак");
    EXPECT_EQ(cardCount(humanHand), 6);
}

TEST_F(MainWindowTest, EveryVariantHasItsName) {
    const char* expected[] = {"Подкидной",  "Подкидной переводной",
                              "Наваленный", "Наваленный переводной",
                              "Японский",   "Японский переводной"};
    for (int32_t type = 0; type < gameTypeCount; ++type) {
        DestroyWindow(window);
        gameType = type;
        window =
            CreateWindowExW(0, u"TalonixTable", u"Дурак", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
        EXPECT_EQ(title(window), expected[type]);
    }
}

TEST_F(MainWindowTest, NewGameInTheMiddleOfAGameScoresNothing) {
    setUpPosition({.trump = "9H",
                   .computerHand = "6D",
                   .humanHand = "7S",
                   .computerTable = "7C",
                   .humanTable = "6C",
                   .talon = 3});
    send(WM_COMMAND, IDM_NEW_GAME, 0);
    EXPECT_EQ(cardCount(humanHand), 6);
    EXPECT_EQ(remaining(deck), 23);
    EXPECT_EQ(computerWins + humanWins, 0u);
    EXPECT_EQ(lastWinner, -1);
    EXPECT_TRUE(messageTexts().empty());
}

TEST_F(MainWindowTest, AboutShowsTheComposedText) {
    const std::u16string text = u"Talonix 1.1";
    std::copy(text.begin(), text.end(), aboutText);
    aboutText[text.size()] = 0;
    send(WM_COMMAND, IDM_ABOUT, 0);
    const auto boxes = platform_testing::takeMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, text);
    EXPECT_EQ(utf8FromUtf16(boxes[0].caption), "О программе");
    EXPECT_EQ(boxes[0].style, 0u);
}

TEST_F(MainWindowTest, TheRulesCommandsChooseTheLanguage) {
    send(WM_COMMAND, IDM_RULES_RUSSIAN, 0);
    EXPECT_EQ(rulesLanguage, 1);
    send(WM_COMMAND, IDM_RULES_ENGLISH, 0);
    EXPECT_EQ(rulesLanguage, 0);
}

TEST_F(MainWindowTest, ExitEmptiesTheRowsAndPostsTheQuit) {
    send(WM_COMMAND, IDM_EXIT, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(cardCount(humanHand), 0);
    EXPECT_EQ(cardCount(computerHand), 0);
    EXPECT_EQ(cardCount(humanTableRow), 0);
    EXPECT_EQ(cardCount(computerTableRow), 0);
    EXPECT_EQ(commandBar, nullptr);
    MSG message = {};
    EXPECT_EQ(GetMessageW(&message, nullptr, 0, 0), FALSE);
    EXPECT_EQ(message.wParam, 0u);
}

TEST_F(MainWindowTest, UnknownRequestsDoNothing) {
    const std::string before = names(humanHand);
    EXPECT_EQ(send(WM_USER, 7, 0), 0);
    EXPECT_EQ(names(humanHand), before);
}

class StateReportTest : public TableTest {};

TEST_F(StateReportTest, FieldsComeInTheDocumentedOrder) {
    const nlohmann::ordered_json state = reportState();
    std::vector<std::string> keys;
    for (const auto& item : state.items()) {
        keys.push_back(item.key());
    }
    const std::vector<std::string> expected = {"event",
                                               "title",
                                               "gameType",
                                               "transferVariant",
                                               "computerAttacks",
                                               "transferOpen",
                                               "computerLed",
                                               "lastWinner",
                                               "computerHandAtLead",
                                               "humanHandAtLead",
                                               "throwInAllowance",
                                               "remaining",
                                               "buttonPressed",
                                               "status",
                                               "computerWins",
                                               "humanWins",
                                               "cardBackIndex",
                                               "tableColourIndex",
                                               "doubleTapPlays",
                                               "showTalonCount",
                                               "computerHandStyle",
                                               "rulesLanguage",
                                               "computerHandFaceDown",
                                               "trumpCard",
                                               "talonCard",
                                               "computerHand",
                                               "computerTableRow",
                                               "humanTableRow",
                                               "humanHand"};
    EXPECT_EQ(keys, expected);
    EXPECT_EQ(state["event"], "state");
    EXPECT_EQ(state["title"], "Подкидной");
}

TEST_F(StateReportTest, RowsAndCardsCarryTheProgramsValues) {
    setUpPosition({.trump = "9H", .computerHand = "6D", .humanHand = "7H 8S", .talon = 4});
    selectCards(humanHand, "8S");
    SetStatus(nullptr);
    const nlohmann::ordered_json state = reportState();
    EXPECT_TRUE(state["status"].is_null());
    EXPECT_EQ(state["remaining"], 4);
    const auto& hand = state["humanHand"];
    EXPECT_EQ(hand["sortMode"], 0);
    EXPECT_EQ(hand["layoutMode"], 2);
    EXPECT_EQ(hand["perLine"], 7);
    ASSERT_EQ(hand["cards"].size(), 2u);
    const nlohmann::ordered_json first = hand["cards"][0];
    std::vector<std::string> keys;
    for (const auto& item : first.items()) {
        keys.push_back(item.key());
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"suit", "rank", "x", "y", "selected", "faceDown",
                                              "hidden", "isTrump", "backStyle"}));
    EXPECT_EQ(first["suit"], 2);
    EXPECT_EQ(first["rank"], 7);
    EXPECT_EQ(first["isTrump"], 1);
    EXPECT_EQ(first["x"], 2);
    EXPECT_EQ(first["y"], 141);
    EXPECT_EQ(hand["cards"][1]["selected"], 1);
    EXPECT_EQ(state["trumpCard"]["rank"], 9);

    SetStatus(u"Вы взяли %d ,\r\n включая %d дополнительно.", 3, 2);
    EXPECT_EQ(reportState()["status"], "Вы взяли 3 ,\r\n включая 2 дополнительно.");
}

} // namespace
