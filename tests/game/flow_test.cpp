// SPDX-License-Identifier: MIT
#include <memory>
#include <set>

#include "game/bout.h"
#include "game/new_game.h"
#include "platform/backend.h"
#include "table_fixture.h"

using namespace table_test;

namespace {

class FlowTest : public TableTest {
  protected:
    static void throwIn(const std::string& cardNames) {
        selectCards(humanHand, cardNames);
        HumanThrowInToTaker();
    }
    // Deals a game of the variant as the new-game request does.
    static void dealVariant(int32_t type) {
        gameType = type;
        transferVariant = transferVariantFor(type);
        lastWinner = 0; // the human opens, so no lead of the computer's interferes
        sendRequest(REQUEST_NEW_GAME);
    }
    static RECT lastRepaint() {
        const auto marks = platform_testing::takeInvalidations();
        EXPECT_FALSE(marks.empty());
        EXPECT_TRUE(marks.empty() || marks.back().erase == FALSE);
        return marks.empty() ? RECT{} : marks.back().rect;
    }
};

// "allowance / the human's table / status" after each step.
TEST_F(FlowTest, ThrowInPhaseAllowsTheComputersHandSizeAtTheLeadLessOne) {
    auto phase = [] {
        return std::to_string(throwInAllowance) + " / " + names(humanTableRow) + " / " +
               statusUtf8();
    };
    setUpPosition({.computerHand = "6D 8D 9D TS", .humanHand = "7C 7S 7H 7D KS"});
    selectCards(humanHand, "7C");
    HumanPlay();
    ASSERT_EQ(phase(), "3 / 7C /  ") << "the computer cannot beat 7C";
    throwIn("");
    throwIn("KS");
    EXPECT_EQ(phase(), "3 / 7C /  ") << "nothing, then a king that is not on the table";
    throwIn("7S");
    throwIn("7H");
    EXPECT_EQ(phase(), "1 / 7C 7S 7H /  ");
    throwIn("7D");
    EXPECT_EQ(phase(), "-1 /  / Ваш ход!");
    EXPECT_EQ(cardCount(computerHand) * 100 + cardCount(humanHand) * 10 + computerAttacks, 860);
}

TEST_F(FlowTest, TheOkButtonEndsTheThrowInPhase) {
    setUpPosition({.computerHand = "6D 8D 9D TS", .humanHand = "7C 7S KS"});
    selectCards(humanHand, "7C");
    HumanPlay();
    ASSERT_EQ(throwInAllowance, 3);
    EndBout(0);
    EXPECT_EQ(throwInAllowance, -1);
    EXPECT_EQ(names(computerHand), "6D 8D 9D 7C TS") << "in the suit order of its defence";
    EXPECT_EQ(statusUtf8() + std::to_string(cardCount(humanHand)), "Ваш ход!6");
}

TEST_F(FlowTest, TheSortButtonSwitchesBetweenRankAndSuitOrder) {
    setUpPosition({.humanHand = "6S 7H 8D"});
    ToggleHandSort();
    EXPECT_EQ(humanHand.sortMode, SORT_BY_SUIT);
    EXPECT_EQ(names(humanHand), "8D 6S 7H");
    ToggleHandSort();
    EXPECT_EQ(names(humanHand), "6S 7H 8D");
    clear(humanHand);
    ToggleHandSort();
    EXPECT_EQ(humanHand.sortMode, SORT_BY_RANK) << "an empty hand keeps its order";
}

TEST_F(FlowTest, TheStatusLineIsFormattedAndRepaintedWithoutErasing) {
    SetStatus(u"Выберите %d карт(ы)", 3);
    EXPECT_EQ(statusText, statusBuffer);
    EXPECT_EQ(statusUtf8(), "Выберите 3 карт(ы)");
    const RECT line = lastRepaint();
    EXPECT_EQ((std::vector<int32_t>{line.left, line.top, line.right, line.bottom}),
              (std::vector<int32_t>{2, 228, 240, 260}));
    SetStatus(nullptr);
    EXPECT_EQ(statusText, nullptr);
    EXPECT_EQ(platform_testing::takeInvalidations().size(), 1u);
}

// Remembers what the buttons looked like when the box came up.
class ButtonWatchingBackend : public platform::Backend, public platform::ScriptHooks {
  public:
    explicit ButtonWatchingBackend(int32_t* seen) : seen_(seen) {}
    platform::InputEvent waitEvent() override { return {}; }
    std::optional<int> answerMessageBox(const platform::MessageBoxInfo& /*box*/) override {
        *seen_ = buttonPressed;
        return IDOK;
    }

  private:
    int32_t* seen_;
};

TEST_F(FlowTest, PressedButtonsAreReleasedBeforeTheWinIsShown) {
    int32_t pressedDuringBox = -1;
    platform::setBackend(std::make_unique<ButtonWatchingBackend>(&pressedDuringBox));
    setUpPosition({.trumpDealt = true, .computerHand = "6D", .talon = 0});
    buttonPressed = 1;
    GameOverCheck();
    EXPECT_EQ(pressedDuringBox, 0);
    std::set<int32_t> repainted;
    for (const auto& mark : platform_testing::takeInvalidations()) {
        repainted.insert(mark.rect.left * 1000 + mark.rect.top);
    }
    EXPECT_EQ(repainted.count(204170) + repainted.count(204120), 2u) << "action and sort buttons";
}

// Whole runs check that every card is accounted for and the trump shown;
// here the sizes and order of the deal of each variant.
TEST_F(FlowTest, EachVariantDealsItsHandsTalonAndTrumpWithFreshFlags) {
    const char* const deals[] = {"0 6 23 0", "1 6 23 0", "2 18 0 1", "3 18 0 1",
                                 "4 6 24 1", "5 6 24 1", "7 6 23 0"};
    for (const char* deal : deals) {
        ToggleHandSort();
        transferOpen = 0;
        computerLed = 1;
        throwInAllowance = 2;
        humanHandAtLead = 4;
        dealVariant(deal[0] - '0');
        EXPECT_EQ(std::to_string(gameType) + " " + std::to_string(cardCount(humanHand)) + " " +
                      std::to_string(remaining(deck)) + " " + std::to_string(trumpCard.hidden),
                  deal);
        EXPECT_EQ(cardCount(computerHand) + cardCount(computerTableRow), cardCount(humanHand));
        EXPECT_EQ(talonCard.hidden, remaining(deck) == 0 ? 1 : 0) << deal;
        EXPECT_EQ(names(humanTableRow), "") << deal;
        EXPECT_EQ(
            (std::vector<int32_t>{humanHand.sortMode, computerHand.sortMode, transferOpen,
                                  computerLed, throwInAllowance, humanHandAtLead,
                                  computerHand.faceDown, humanHand.trumpSuit}),
            (std::vector<int32_t>{SORT_BY_RANK, SORT_BY_RANK, 1, 0, -1, 4, 1, trumpCard.suit}))
            << deal;
        if (deal[0] == '2' || deal[0] == '3') {
            EXPECT_NE((names(computerHand) + names(computerTableRow)).find(nameOf(trumpCard)),
                      std::string::npos)
                << nameOf(trumpCard) << " is dealt last, to the computer";
            EXPECT_EQ(humanHand.layoutMode * 100 + humanHand.perLine, 112) << "at half a card";
        } else if (deal[0] == '4' || deal[0] == '5') {
            EXPECT_EQ(nameOf(trumpCard) + std::to_string(trumpCard.rank), "??2") << "diamonds";
            EXPECT_EQ(trumpCard.suit, SUIT_DIAMONDS);
        }
    }
    EXPECT_EQ(transferVariant, 0) << "a stored type outside the table has no transfers";
    EXPECT_EQ(refillTarget(), 6);
    const RECT action = lastRepaint();
    EXPECT_EQ(action.left * 1000 + action.top, 204170) << "the action button is repainted last";
}

TEST_F(FlowTest, BacksAndTheComputerHandStyleComeFromTheOptions) {
    cardBackIndex = 3;
    computerHandStyle = 5;
    computerHandFaceDown = 0; // the q7K switch shows the computer's cards
    dealVariant(0);
    EXPECT_EQ(
        (std::vector<int32_t>{talonCard.backStyle, computerHand.layoutMode, computerHand.faceDown}),
        (std::vector<int32_t>{3, 5, 0}));
    for (const Card& card : computerHand.cards) {
        EXPECT_EQ(card.backStyle * 10 + card.faceDown, 30) << nameOf(card);
    }
}

TEST_F(FlowTest, ChoosingTheFirstAttackerSortsBothHandsByRank) {
    setUpPosition({.computerHand = "6C 7S", .humanHand = "JS 6D 7H"});
    humanHand.sortMode = SORT_BY_SUIT;
    resort(humanHand);
    computerHand.sortMode = SORT_NONE;
    lastWinner = 0;
    ChooseFirstAttacker();
    EXPECT_EQ(names(humanHand), "6D 7H JS");
    EXPECT_EQ(names(computerHand), "6C 7S");
    EXPECT_EQ(computerHand.sortMode, SORT_BY_RANK);
}

// "computer's hand / trump hidden, talon card hidden, talon / human's hand".
TEST_F(FlowTest, TheLastTalonCardAndThenTheTrumpGoToWhoeverRefillsFirst) {
    auto after = [] {
        return names(computerHand) + " / " + std::to_string(trumpCard.hidden) +
               std::to_string(talonCard.hidden) + std::to_string(remaining(deck)) + " / " +
               names(humanHand);
    };
    setUpPosition({.computerHand = "6C 7C 8C 9C", .humanHand = "6S 7S 8S", .talon = 1});
    Refill(computerHand);
    Refill(humanHand);
    EXPECT_EQ(after(), "6C 7C 8C 9C 9H AD / 110 / 6S 7S 8S") << "nothing left for the human";
    setUpPosition({.computerHand = "6C 7C 8C 9C TC JC QC", .humanHand = "6S", .talon = 0});
    Refill(computerHand);
    EXPECT_EQ(after(), "6C 7C 8C 9C TC JC QC / 010 / 6S") << "a full hand gets nothing";
    const RECT count = lastRepaint();
    EXPECT_EQ(count.left * 1000 + count.top, 202090) << "the talon count is repainted";
}

} // namespace
