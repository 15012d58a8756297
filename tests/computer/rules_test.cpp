#include <string>

#include "cards/table.h"
#include "computer/defence.h"
#include "computer_fixture.h"
#include "game/game_state.h"

namespace {

// Sets up the variant: a turned-up trump, or "" for the Japanese set-up.
void variant(int32_t type, const std::string& trump) {
    setGameType(type);
    trump.empty() ? setJapaneseTrump() : setTrump(trump);
}

TEST_F(ComputerTest, BeatsFollowsSuitTrumpsAndJapaneseSpades) {
    struct Case {
        int32_t type;
        const char* trump;
        const char* candidate;
        const char* target;
        bool beats;
    };
    const Case cases[] = {
        {0, "9H", "8C", "7C", true},  {0, "9H", "AS", "KS", true},  {0, "9H", "7C", "8C", false},
        {0, "9H", "TD", "TD", false}, {0, "9H", "AC", "6D", false}, {0, "9H", "AS", "6C", false},
        {0, "9H", "6H", "AC", true},  {0, "9H", "6H", "AS", true},  {0, "9H", "AC", "6H", false},
        {0, "9H", "TH", "7H", true},  {0, "9H", "7H", "TH", false}, {4, "", "6D", "6S", false},
        {4, "", "AD", "6S", false},   {4, "", "7S", "6S", true},    {4, "", "6S", "7S", false},
        {4, "", "6D", "AC", true},    {4, "", "AS", "6D", false},   {1, "8D", "6D", "AS", true},
    };
    for (const Case& c : cases) {
        variant(c.type, c.trump);
        EXPECT_EQ(Beats(cardNamed(c.candidate), cardNamed(c.target)), c.beats)
            << c.candidate << " on " << c.target << ", game " << c.type;
    }
}

// Whether the computer may spend a trump (or, in the Japanese game, a high
// spade) while the talon holds `talon` cards.
TEST_F(ComputerTest, MaySpendTrumpFollowsTheTalonTheColumnAndTheTrumpRank) {
    struct Case {
        int32_t type;
        const char* card;
        const char* rest; // the rest of the computer's hand
        int32_t talon;
        int32_t attacking;
        bool allowed;
    };
    const Case cases[] = {
        {0, "AC", "", 24, 0, true},          {0, "AS", "", 24, 1, true},
        {0, "6H", "", 17, 0, false},         {0, "6H", "", 16, 0, true},
        {0, "6H", "", 5, 1, false},          {0, "6H", "", 4, 1, true},
        {0, "6H", "", 10, 0, true},          {0, "6H", "", 10, 1, false},
        {0, "7H", "9C 9S", 24, 0, true},     {0, "8H", "9C 9S", 21, 0, false},
        {0, "8H", "9C 9S", 20, 0, true},     {0, "TH", "9C 9S", 19, 0, true},
        {0, "JH", "9C 9S", 19, 0, false},    {0, "JH", "9C 9S", 17, 0, true},
        {0, "QH", "9C 9S", 17, 1, false},    {0, "7H", "9H 9C", 24, 0, true},
        {0, "7H", "9C", 24, 0, false},       {0, "QH", "", 11, 0, false},
        {0, "QH", "", 10, 0, true},          {0, "KH", "", 6, 0, false},
        {0, "KH", "", 5, 0, true},           {0, "AH", "", 3, 0, false},
        {0, "AH", "", 2, 0, true},           {0, "JH", "", 16, 0, true},
        {0, "QH", "9C 9S", 5, 1, false},     {0, "QH", "9C 9S", 4, 1, true},
        {0, "KH", "9C 9S", 1, 1, false},     {0, "KH", "9C 9S", 0, 1, true},
        {0, "AH", "9C 9S", 1, 1, false},     {0, "AH", "9C 9S", 0, 1, true},
        {0, "6H", "", 0, 0, true},           {0, "6H", "", 0, 1, true},
        {0, "TH", "", 0, 0, true},           {0, "TH", "", 0, 1, true},
        {0, "QH", "", 0, 0, true},           {0, "QH", "", 0, 1, true},
        {0, "KH", "", 0, 0, true},           {0, "KH", "", 0, 1, true},
        {0, "AH", "", 0, 0, true},           {0, "AH", "", 0, 1, true},
        {5, "6D", "6C 6S 9D", 17, 0, false}, {5, "9D", "6C 6S 6D", 16, 0, true},
        {5, "6D", "6C 6S 9D", 5, 1, false},  {5, "6D", "6C 6S 9D", 4, 1, true},
    };
    for (const Case& c : cases) {
        clear(computerHand);
        variant(c.type, c.type == 0 ? "9H" : "");
        fill(computerHand, std::string(c.card) + " " + c.rest);
        setTalon(c.talon);
        computerAttacks = c.attacking;
        EXPECT_EQ(MaySpendTrump(cardNamed(c.card)), c.allowed)
            << c.card << " with " << c.rest << ", talon " << c.talon << ", attacking "
            << c.attacking;
    }
}

TEST_F(ComputerTest, MaySpendSpadeHoldsBackHighSpadesOnlyInTheJapaneseGame) {
    struct Case {
        int32_t type;
        const char* card;
        int32_t talon;
        bool allowed;
    };
    const Case cases[] = {
        {1, "AS", 24, true},  {1, "KS", 23, true},  {4, "AH", 24, true},  {4, "AD", 24, true},
        {5, "TS", 24, true},  {5, "JS", 21, false}, {5, "JS", 20, true},  {5, "QS", 19, false},
        {5, "QS", 11, false}, {5, "QS", 10, true},  {5, "KS", 21, false}, {5, "KS", 9, false},
        {5, "KS", 8, true},   {5, "AS", 9, false},  {5, "AS", 0, true},
    };
    for (const Case& c : cases) {
        variant(c.type, c.type < 4 ? "9H" : "");
        setTalon(c.talon);
        EXPECT_EQ(MaySpendSpade(cardNamed(c.card)), c.allowed)
            << c.card << ", talon " << c.talon << ", game " << c.type;
    }
}

// Scratch rows like the ones the game builds to check a several-card cover:
// each attacker takes the cheapest free card that beats it, plain targets
// first. Spades are trump (9S turned up).
TEST_F(ComputerTest, MatchAllPairsEveryAttackerWithItsOwnCover) {
    struct Case {
        int32_t type;
        const char* attack;
        const char* defence;
        bool matched;
        const char* selected;
    };
    const Case cases[] = {
        {0, "9H 7C", "AS TH 8C 6S JH", true, "TH 8C"},
        {0, "7D 7H", "QS 8S 8H", true, "8H 8S"},
        {0, "7S 6C", "6S 8S 7C", true, "7C 8S"},
        {0, "7H 8H", "6C 9H TH", true, "9H TH"},
        {0, "7H 9H", "8H 6C TC", false, ""},
        {0, "7H 8H", "9H 6C", false, ""},
        {0, "7C", "AS", true, "AS"}, // with a talon of 23: conservation does not apply
        {4, "7S 7H", "6D 8D 8S", true, "8S 6D"},
        {4, "7S 7H", "6D 8D 9D", false, ""},
    };
    for (const Case& c : cases) {
        variant(c.type, c.type == 0 ? "9S" : "");
        CardRow attack;
        CardRow defence;
        setTrumpSuit(attack, trumpCard.suit);
        setTrumpSuit(defence, trumpCard.suit);
        fill(attack, c.attack);
        fill(defence, c.defence);
        EXPECT_EQ(MatchAll(attack, defence), c.matched) << c.attack << " against " << c.defence;
        EXPECT_EQ(selectedNames(defence), c.selected) << c.attack << " against " << c.defence;
        clear(attack);
        clear(defence);
    }
}

TEST_F(ComputerTest, MatchAllLeavesBothRowsInSuitOrderForGood) {
    setTrump("9S");
    CardRow attack;
    CardRow defence;
    attack.sortMode = SORT_BY_RANK;
    setTrumpSuit(attack, SUIT_SPADES);
    setTrumpSuit(defence, SUIT_SPADES);
    fill(attack, "AS 7C 8H");
    fill(defence, "6S JH KC TD");
    MatchAll(attack, defence);
    EXPECT_EQ(names(attack), "8H 7C AS");
    EXPECT_EQ(names(defence), "TD JH KC 6S");
    EXPECT_EQ(attack.sortMode, SORT_NONE);
    EXPECT_EQ(defence.sortMode, SORT_NONE);
    addCard(defence, SUIT_DIAMONDS, 6);
    EXPECT_EQ(names(defence), "TD JH KC 6S 6D") << "no later change re-sorts them";
}

TEST_F(ComputerTest, MatchAllFailsWithoutTouchingTheSelectionWhenDefendersAreTooFew) {
    setTrump("9S");
    CardRow attack;
    CardRow defence;
    fill(attack, "7H 8H 6D");
    fill(defence, "9H TH");
    defence.cards[1].selected = 1;
    EXPECT_FALSE(MatchAll(attack, defence));
    EXPECT_EQ(selectedNames(defence), "TH");
    CardRow empty;
    EXPECT_FALSE(MatchAll(empty, defence));
    EXPECT_EQ(selectedNames(defence), "TH");
    EXPECT_FALSE(MatchAll(attack, empty));
}

} // namespace
