// SPDX-License-Identifier: MIT
// The hint on the human's turn, and none on the computer's; why the
// computer made its last move.
#include "computer/reasons.h"
#include "game/bout.h"
#include "opponents/game_position.h"
#include "opponents/opponent.h"
#include "table_fixture.h"

using namespace table_test;

namespace {

class HintTest : public TableTest {};

// "status / selected cards" after the hint in positions where one move is
// clearly best or the only one.
TEST_F(HintTest, TheHintSelectsTheExpertsCardsOrNamesTheButton) {
    struct Case {
        Position position;
        int32_t computerAttacks;
        const char* expected;
    };
    const Case cases[] = {
        {{.computerHand = "6C", .humanHand = "7D", .talon = 0}, 0, "Подсказка: ходите 7б / 7D"},
        {{.computerHand = "9C 9D", .humanHand = "7C", .computerTable = "6C", .talon = 0},
         1,
         "Подсказка: бейте 7т / 7C"},
        {{.computerHand = "6D 9C", .humanHand = "7C 8S", .computerTable = "AC", .talon = 0},
         1,
         "Подсказка: возьмите / "},
    };
    for (const Case& c : cases) {
        setUpPosition(c.position);
        computerAttacks = c.computerAttacks;
        ShowHint();
        std::string selected;
        for (const Card& card : humanHand.cards) {
            selected += card.selected == 1 ? nameOf(card) : "";
        }
        EXPECT_EQ(statusUtf8() + " / " + selected, c.expected) << c.position.humanHand;
    }
}

// After the human's cover the computer may throw in: a 7D the human cannot
// beat empties the expert's hand on an empty talon and wins the game, while
// ending the bout would lose it.
TEST_F(HintTest, TheExpertThrowsInTheCardThatWinsAfterACover) {
    setUpPosition({.trumpDealt = true,
                   .computerHand = "7D",
                   .humanHand = "8C",
                   .computerTable = "7C",
                   .humanTable = "9C",
                   .talon = 0});
    computerAttacks = 1;
    opponentKind = OPPONENT_EXPERT;
    const int32_t thrown = OpponentThrowIn(1, 0);
    opponentKind = OPPONENT_HANDHELD;
    EXPECT_EQ(thrown, 1);
    EXPECT_EQ(names(computerTableRow), "7C 7D");
}

// The opponents see the talon as the rules count it: the turned-up trump is
// its last card until it has been drawn, and then both sides know who holds
// it.
TEST_F(HintTest, TheTurnedUpTrumpIsTheLastCardOfTheTalonUntilDrawn) {
    for (const bool dealt : {false, true}) {
        setUpPosition({.trumpDealt = dealt,
                       .computerHand = dealt ? "6C 9H" : "6C",
                       .humanHand = "7D",
                       .talon = 3});
        const engine::Position p = gamePosition(engine::Phase::lead, engine::SOUTH);
        ASSERT_EQ(p.talonEnd - p.talonNext, dealt ? 3 : 4) << dealt;
        const engine::CardIndex trump = engine::cardIndex(trumpCard.suit, trumpCard.rank);
        EXPECT_EQ(p.talon[static_cast<size_t>(p.talonEnd - 1)] == trump, !dealt);
        EXPECT_EQ(p.shown[engine::NORTH], dealt ? engine::bit(trump) : 0) << dealt;
        EXPECT_EQ(p.shown[engine::SOUTH], 0u) << dealt;
    }
}

TEST_F(HintTest, NoHintWhileItIsTheComputersTurn) {
    setUpPosition({.computerHand = "6D 9C", .humanHand = "7C 8S", .humanTable = "6C"});
    ShowHint();
    EXPECT_EQ(statusUtf8(), "(none)");
}

// The human attacks with 7C; "Why?" then explains the answer: the rule of
// the handheld's player that chose it, or what the beginner did.
TEST_F(HintTest, WhyExplainsTheComputersAnswer) {
    struct Case {
        int32_t kind;
        Position position;
        const char* expected;
    };
    const Case cases[] = {
        {OPPONENT_BEGINNER,
         {.computerHand = "6D 9C", .humanHand = "7C 8S 8D"},
         "Новичок побил 9т: первое, что подошло."},
        {OPPONENT_HANDHELD,
         {.computerHand = "6D 9C TC", .humanHand = "7C 8S 8D"},
         "Компьютер побил картой 10т: это старшая карта той же масти, какую он готов отдать. В "
         "колоде ещё 23 карт(ы), и младшие карты он бережёт на потом."},
        {OPPONENT_HANDHELD,
         {.computerHand = "6D 8H", .humanHand = "7C 8S 8D"},
         "Компьютер взял и сберёг козыри: в колоде ещё 23 карт(ы), а козырь, отданный сейчас, "
         "обычно пропадает зря."},
        {OPPONENT_HANDHELD,
         {.computerHand = "6D 8H", .humanHand = "7C JS 8D", .talon = 0},
         "Компьютер побил козырем 8ч, младшим из тех, что он готов отдать: старшей карты этой "
         "масти у него не было."},
    };
    for (const Case& c : cases) {
        opponentKind = c.kind;
        setUpPosition(c.position);
        selectCards(humanHand, "7C");
        HumanPlay();
        platform_testing::takeMessageBoxes();
        ShowWhy();
        opponentKind = OPPONENT_HANDHELD;
        const std::vector<std::string> texts = messageTexts();
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0], c.expected) << c.position.computerHand;
    }
}

// The computer attacked with 6C and the human covers: the computer throws
// in, and "Why?" says whether the card it threw in is a trump (hearts), not
// the card beside it in its hand.
TEST_F(HintTest, WhyNamesTheThrowInByTheCardThrownIn) {
    const struct {
        const char* computerHand;
        const char* expected;
    } cases[] = {
        {"6S 9H",
         "6S / Компьютер подкинул 6п: карту того же достоинства, что на столе, и не козырь."},
        {"6H 9S", "6H / Компьютер подкинул козырь 6ч: других карт тех достоинств, что на столе, "
                  "у него нет, а в колоде 0 карт(ы), так что козырь можно отдать."},
    };
    for (const auto& c : cases) {
        setUpPosition({.computerHand = c.computerHand,
                       .humanHand = "8C 9D TD",
                       .computerTable = "6C",
                       .talon = 0});
        computerAttacks = 1;
        selectCards(humanHand, "8C");
        HumanPlay();
        platform_testing::takeMessageBoxes();
        ShowWhy();
        const std::vector<std::string> texts = messageTexts();
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(names(computerTableRow).substr(3) + " / " + texts[0], c.expected);
    }
}

TEST_F(HintTest, WhyBeforeTheComputerHasMovedSaysSo) {
    setUpPosition({.computerHand = "6D 9C TC", .humanHand = "7C 8S 8D"});
    computerReason = {};
    ShowWhy();
    EXPECT_EQ(messageTexts(), std::vector<std::string>{"Компьютер ещё не ходил в этой партии."});
}

} // namespace
