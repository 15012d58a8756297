// SPDX-License-Identifier: MIT
// The state line the headless runner writes: its fields in the order scripts
// read them, and the values of the rows and cards behind them.
#include "game/table_fixture.h"
#include "window/state_report.h"

using namespace table_test;

namespace {

std::string keysOf(const nlohmann::ordered_json& object) {
    std::string keys;
    for (const auto& item : object.items()) {
        keys += (keys.empty() ? "" : " ") + item.key();
    }
    return keys;
}

class StateReportTest : public TableTest {};

TEST_F(StateReportTest, FieldsComeInTheDocumentedOrder) {
    const nlohmann::ordered_json state = reportState();
    EXPECT_EQ(keysOf(state),
              "event title gameType transferVariant computerAttacks transferOpen computerLed "
              "lastWinner computerHandAtLead humanHandAtLead throwInAllowance remaining "
              "buttonPressed status computerWins humanWins cardBackIndex tableColourIndex "
              "doubleTapPlays showTalonCount computerHandStyle rulesLanguage computerHandFaceDown "
              "trumpCard talonCard computerHand computerTableRow humanTableRow humanHand");
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
    EXPECT_EQ(keysOf(hand), "sortMode layoutMode perLine cards");
    EXPECT_EQ(hand["sortMode"], 0);
    EXPECT_EQ(hand["layoutMode"], 2);
    EXPECT_EQ(hand["perLine"], 7);
    ASSERT_EQ(hand["cards"].size(), 2u);
    EXPECT_EQ(hand["cards"][0].dump(), R"({"suit":2,"rank":7,"x":2,"y":141,"selected":0,)"
                                       R"("faceDown":0,"hidden":0,"isTrump":1,"backStyle":0})");
    EXPECT_EQ(hand["cards"][1]["selected"], 1);
    EXPECT_EQ(state["trumpCard"]["rank"], 9);

    SetStatus(u"Вы взяли %d ,\r\n включая %d дополнительно.", 3, 2);
    EXPECT_EQ(reportState()["status"], "Вы взяли 3 ,\r\n включая 2 дополнительно.");
}

} // namespace
