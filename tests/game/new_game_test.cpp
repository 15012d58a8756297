#include "game/new_game.h"

#include "game/bout.h"

#include "table_fixture.h"

using namespace table_test;

namespace {

class NewGameTest : public TableTest {
  protected:
    // Deals a game of the variant as the new-game request does.
    static void dealVariant(int32_t type) {
        gameType = type;
        transferVariant = transferVariantFor(type);
        sendRequest(REQUEST_NEW_GAME);
    }
    // The computer may have opened the game already.
    static int32_t computerCards() { return cardCount(computerHand) + cardCount(computerTableRow); }
};

TEST_F(NewGameTest, ThrownUpVariantsDealSixEachAndTurnUpATrump) {
    for (int32_t type : {0, 1}) {
        SCOPED_TRACE(type);
        dealVariant(type);
        EXPECT_EQ(cardCount(humanHand), 6);
        EXPECT_EQ(computerCards(), 6);
        EXPECT_EQ(remaining(deck), 23);
        EXPECT_EQ(trumpCard.hidden, 0);
        EXPECT_EQ(talonCard.hidden, 0);
        EXPECT_EQ(cardsInPlay(), 36);
        EXPECT_EQ(humanHand.trumpSuit, trumpCard.suit);
        EXPECT_EQ(trumpCard.x, 205);
        EXPECT_EQ(trumpCard.y, 50);
        EXPECT_EQ(talonCard.x, 205);
        EXPECT_EQ(talonCard.y, 25);
        EXPECT_EQ(talonCard.faceDown, 1);
    }
}

TEST_F(NewGameTest, BulkVariantsDealTheWholePackWithTheTrumpLastToTheComputer) {
    for (int32_t type : {2, 3}) {
        SCOPED_TRACE(type);
        dealVariant(type);
        EXPECT_EQ(cardCount(humanHand), 18);
        EXPECT_EQ(computerCards(), 18);
        EXPECT_EQ(remaining(deck), 0);
        EXPECT_EQ(trumpCard.hidden, 1);
        EXPECT_EQ(talonCard.hidden, 1);
        EXPECT_EQ(cardsInPlay(), 36);
        bool trumpWithComputer = false;
        for (const CardRow* row : {&computerHand, &computerTableRow}) {
            for (const Card& card : row->cards) {
                trumpWithComputer = trumpWithComputer ||
                                    (card.suit == trumpCard.suit && card.rank == trumpCard.rank);
            }
        }
        EXPECT_TRUE(trumpWithComputer) << nameOf(trumpCard) << " should be the computer's";
        EXPECT_EQ(humanHand.layoutMode, 1) << "18 cards lie at half a card";
        EXPECT_EQ(humanHand.perLine, 12);
    }
}

TEST_F(NewGameTest, JapaneseVariantsMakeDiamondsTrumpAndTurnUpNothing) {
    for (int32_t type : {4, 5}) {
        SCOPED_TRACE(type);
        dealVariant(type);
        EXPECT_EQ(cardCount(humanHand), 6);
        EXPECT_EQ(computerCards(), 6);
        EXPECT_EQ(remaining(deck), 24);
        EXPECT_EQ(trumpCard.suit, SUIT_DIAMONDS);
        EXPECT_EQ(trumpCard.rank, 2);
        EXPECT_EQ(trumpCard.hidden, 1);
        EXPECT_EQ(cardsInPlay(), 36);
        for (const Card& card : humanHand.cards) {
            EXPECT_EQ(card.isTrump, card.suit == SUIT_DIAMONDS ? 1 : 0) << nameOf(card);
        }
    }
}

TEST_F(NewGameTest, AStoredTypeOutsideTheTablePlaysLikeThrownUpWithoutTransfers) {
    dealVariant(7);
    EXPECT_EQ(gameType, 7);
    EXPECT_EQ(transferVariant, 0);
    EXPECT_EQ(refillTarget(), 6);
    EXPECT_FALSE(isJapaneseVariant());
    EXPECT_EQ(gameTypeName(7), nullptr);
    EXPECT_EQ(gameTypeName(-1), nullptr);
    EXPECT_EQ(cardCount(humanHand), 6);
    EXPECT_EQ(remaining(deck), 23);
    EXPECT_EQ(trumpCard.hidden, 0);
}

TEST_F(NewGameTest, EveryDealStartsInRankOrderWithAnEmptyTableAndFreshFlags) {
    ToggleHandSort();
    transferOpen = 0;
    computerLed = 1;
    throwInAllowance = 2;
    humanHandAtLead = 4;
    lastWinner = 0; // the human opens, so nothing of the computer's lead interferes
    SetStatus(u"old");
    sendRequest(REQUEST_NEW_GAME);
    EXPECT_EQ(humanHand.sortMode, SORT_BY_RANK);
    EXPECT_EQ(computerHand.sortMode, SORT_BY_RANK);
    EXPECT_EQ(cardCount(humanTableRow) + cardCount(computerTableRow), 0);
    EXPECT_EQ(transferOpen, 1);
    EXPECT_EQ(computerLed, 0);
    EXPECT_EQ(throwInAllowance, -1);
    EXPECT_EQ(humanHandAtLead, 4) << "kept across games";
    EXPECT_EQ(lastWinner, 0) << "a new game scores nothing";
    EXPECT_EQ(statusUtf8(), "Ваш ход!");
    EXPECT_EQ(computerHand.faceDown, 1);
    for (const Card& card : computerHand.cards) {
        EXPECT_EQ(card.faceDown, 1);
    }
}

TEST_F(NewGameTest, BacksAndTheComputerHandStyleComeFromTheOptions) {
    cardBackIndex = 3;
    computerHandStyle = 5;
    computerHandFaceDown = 0;
    lastWinner = 0;
    sendRequest(REQUEST_NEW_GAME);
    EXPECT_EQ(talonCard.backStyle, 3);
    EXPECT_EQ(computerHand.layoutMode, 5);
    EXPECT_EQ(computerHand.faceDown, 0);
    for (const Card& card : computerHand.cards) {
        EXPECT_EQ(card.backStyle, 3);
        EXPECT_EQ(card.faceDown, 0) << "the q7K switch shows the computer's cards";
    }
}

TEST_F(NewGameTest, ANewGameEndsWithTheActionButtonRepainted) {
    lastWinner = 0;
    sendRequest(REQUEST_NEW_GAME);
    const auto marks = platform_testing::takeInvalidations();
    ASSERT_FALSE(marks.empty());
    EXPECT_EQ(marks.back().rect.left, 204);
    EXPECT_EQ(marks.back().rect.top, 170);
    EXPECT_EQ(marks.back().erase, FALSE);
}

class FirstAttackerTest : public TableTest {};

TEST_F(FirstAttackerTest, WithoutTrumpsInEitherHandTheHumanLeads) {
    setUpPosition(
        {.trump = "9H", .computerHand = "6C 7C 8C 9C TC JC", .humanHand = "6S 7S 8S 9S TS JS"});
    ChooseFirstAttacker();
    EXPECT_EQ(computerAttacks, 0);
    EXPECT_EQ(statusUtf8(), "Ваш ход!");
    EXPECT_EQ(cardCount(computerTableRow), 0);
}

TEST_F(FirstAttackerTest, TheSixOfTrumpsWithTheComputerLeadsAtOnce) {
    setUpPosition(
        {.trump = "9H", .computerHand = "6H 7C 8C 9C TC JC", .humanHand = "7H 7S 8S 9S TS JS"});
    ChooseFirstAttacker();
    EXPECT_EQ(computerAttacks, 1);
    EXPECT_EQ(cardCount(computerTableRow), 1) << "the computer has led before the human taps";
    EXPECT_EQ(computerLed, 1);
    EXPECT_EQ(statusText, nullptr);
}

TEST_F(FirstAttackerTest, TheLowerTrumpDecides) {
    setUpPosition(
        {.trump = "9H", .computerHand = "8H 7C 8C 9C TC JC", .humanHand = "7H 7S 8S 9S TS JS"});
    ChooseFirstAttacker();
    EXPECT_EQ(computerAttacks, 0) << "7H beats 8H to the lead";

    setUpPosition(
        {.trump = "9H", .computerHand = "8H 7C 8C 9C TC JC", .humanHand = "6S 7S 8S 9S TS JS"});
    ChooseFirstAttacker();
    EXPECT_EQ(computerAttacks, 1) << "only the computer holds a trump";
}

TEST_F(FirstAttackerTest, TheLastWinnerLeadsWhateverTheTrumps) {
    setUpPosition(
        {.trump = "9H", .computerHand = "AH 7C 8C 9C TC JC", .humanHand = "6H 7S 8S 9S TS JS"});
    lastWinner = 1;
    ChooseFirstAttacker();
    EXPECT_EQ(computerAttacks, 1);
    EXPECT_EQ(cardCount(computerTableRow), 1);

    setUpPosition(
        {.trump = "9H", .computerHand = "6H 7C 8C 9C TC JC", .humanHand = "AH 7S 8S 9S TS JS"});
    lastWinner = 0;
    ChooseFirstAttacker();
    EXPECT_EQ(computerAttacks, 0);
    EXPECT_EQ(statusUtf8(), "Ваш ход!");
}

TEST_F(FirstAttackerTest, BothHandsAreSortedByRank) {
    setUpPosition({.trump = "9H", .computerHand = "6C 7S", .humanHand = "JS 6D 7H"});
    humanHand.sortMode = SORT_BY_SUIT;
    resort(humanHand);
    computerHand.sortMode = SORT_NONE;
    lastWinner = 0;
    ChooseFirstAttacker();
    EXPECT_EQ(names(humanHand), "6D 7H JS");
    EXPECT_EQ(names(computerHand), "6C 7S");
    EXPECT_EQ(computerHand.sortMode, SORT_BY_RANK);
}

class RefillTest : public TableTest {};

TEST_F(RefillTest, TheLastTalonCardAndThenTheTrumpGoToWhoeverRefillsFirst) {
    setUpPosition(
        {.trump = "9H", .computerHand = "6C 7C 8C 9C", .humanHand = "6S 7S 8S", .talon = 1});
    Refill(computerHand);
    EXPECT_EQ(cardCount(computerHand), 6);
    EXPECT_NE(names(computerHand).find("9H"), std::string::npos) << names(computerHand);
    EXPECT_EQ(trumpCard.hidden, 1);
    EXPECT_EQ(talonCard.hidden, 1);
    EXPECT_EQ(remaining(deck), 0);
    Refill(humanHand);
    EXPECT_EQ(cardCount(humanHand), 3) << "nothing is left for the human";
    EXPECT_EQ(cardsInPlay(), 9) << "7 in hands, the last talon card and the trump";
}

TEST_F(RefillTest, AFullHandGetsNothingAndTheTrumpStaysTurnedUp) {
    setUpPosition(
        {.trump = "9H", .computerHand = "6C 7C 8C 9C TC JC QC", .humanHand = "6S", .talon = 0});
    Refill(computerHand);
    EXPECT_EQ(cardCount(computerHand), 7);
    EXPECT_EQ(trumpCard.hidden, 0);
    const auto marks = platform_testing::takeInvalidations();
    ASSERT_FALSE(marks.empty());
    EXPECT_EQ(marks.back().rect.left, 202) << "the talon count is repainted";
    EXPECT_EQ(marks.back().rect.top, 90);
}

TEST_F(RefillTest, JapaneseTalonEndsWithItsLastCard) {
    setUpPosition({.type = 4, .computerHand = "6C 7C 8C", .humanHand = "6S", .talon = 2});
    Refill(humanHand);
    EXPECT_EQ(cardCount(humanHand), 3);
    EXPECT_EQ(remaining(deck), 0);
    EXPECT_EQ(talonCard.hidden, 1);
    for (const Card& card : humanHand.cards) {
        EXPECT_NE(card.rank, 2) << "the Japanese trump marker is never dealt";
    }
}

TEST_F(RefillTest, BulkHandsAreToppedUpToEighteen) {
    setUpPosition({.type = 2, .trump = "9H", .computerHand = "6C", .humanHand = "6S", .talon = 20});
    Refill(humanHand);
    EXPECT_EQ(cardCount(humanHand), 18);
    EXPECT_EQ(remaining(deck), 3);
}

class StatusLineTest : public TableTest {};

TEST_F(StatusLineTest, FormatsIntoTheBufferAndRepaintsWithoutErasing) {
    SetStatus(u"Выберите %d карт(ы)", 3);
    EXPECT_EQ(statusText, statusBuffer);
    EXPECT_EQ(statusUtf8(), "Выберите 3 карт(ы)");
    const auto marks = platform_testing::takeInvalidations();
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0].rect.left, 2);
    EXPECT_EQ(marks[0].rect.top, 228);
    EXPECT_EQ(marks[0].rect.right, 240);
    EXPECT_EQ(marks[0].rect.bottom, 260);
    EXPECT_EQ(marks[0].erase, FALSE);

    SetStatus(nullptr);
    EXPECT_EQ(statusText, nullptr);
    EXPECT_EQ(platform_testing::takeInvalidations().size(), 1u);
}

TEST_F(StatusLineTest, ALongMessageIsCutAt254Characters) {
    std::u16string longText(300, u'ж');
    SetStatus(u"%s", longText.c_str());
    EXPECT_EQ(std::u16string(statusText), std::u16string(254, u'ж'));
}

} // namespace
