// SPDX-License-Identifier: MIT
#include <sstream>
#include <string>

#include "computer/defence.h"
#include "computer_fixture.h"
#include "game/beats.h"
#include "players/handheld_rules.h"

namespace {

// Each case "type trump candidate target beats"; "-" is the Japanese set-up.
TEST_F(ComputerTest, BeatsFollowsSuitTrumpsAndJapaneseSpades) {
    const char* const cases[] = {
        "0 9H 8C 7C 1", "0 9H AS KS 1", "0 9H 7C 8C 0", "0 9H TD TD 0", "0 9H AC 6D 0",
        "0 9H AS 6C 0", "0 9H 6H AC 1", "0 9H 6H AS 1", "0 9H AC 6H 0", "0 9H TH 7H 1",
        "0 9H 7H TH 0", "4 - 6D 6S 0",  "4 - AD 6S 0",  "4 - 7S 6S 1",  "4 - 6S 7S 0",
        "4 - 6D AC 1",  "4 - AS 6D 0",  "1 8D 6D AS 1",
    };
    for (const char* text : cases) {
        std::istringstream c(text);
        int32_t type = 0;
        std::string trump, candidate, target;
        int beats = 0;
        c >> type >> trump >> candidate >> target >> beats;
        setVariant(type, trump);
        EXPECT_EQ(Beats(cardNamed(candidate), cardNamed(target)), beats == 1) << text;
    }
}

// Whether the computer may spend a trump (or, in the Japanese game, a high
// spade): "type card talon attacking allowed" and the rest of its hand.
TEST_F(ComputerTest, MaySpendTrumpFollowsTheTalonTheColumnAndTheTrumpRank) {
    // clang-format off
    const char* const cases[] = {
        "0 AC 24 0 1", "0 AS 24 1 1", "0 6H 17 0 0", "0 6H 16 0 1", "0 6H 5 1 0",
        "0 6H 4 1 1", "0 6H 10 0 1", "0 6H 10 1 0", "0 7H 24 0 1 9C 9S", "0 8H 21 0 0 9C 9S",
        "0 8H 20 0 1 9C 9S", "0 TH 19 0 1 9C 9S", "0 JH 19 0 0 9C 9S", "0 JH 17 0 1 9C 9S", "0 QH 17 1 0 9C 9S",
        "0 7H 24 0 1 9H 9C", "0 7H 24 0 0 9C", "0 QH 11 0 0", "0 QH 10 0 1", "0 KH 6 0 0",
        "0 KH 5 0 1", "0 AH 3 0 0", "0 AH 2 0 1", "0 JH 16 0 1", "0 QH 5 1 0 9C 9S",
        "0 QH 4 1 1 9C 9S", "0 KH 1 1 0 9C 9S", "0 KH 0 1 1 9C 9S", "0 AH 1 1 0 9C 9S", "0 AH 0 1 1 9C 9S",
        "0 6H 0 0 1", "0 QH 0 1 1", "0 AH 0 0 1", "5 6D 17 0 0 6C 6S 9D", "5 9D 16 0 1 6C 6S 6D",
        "5 6D 5 1 0 6C 6S 9D", "5 6D 4 1 1 6C 6S 9D",
    };
    // clang-format on
    for (const char* text : cases) {
        std::istringstream c(text);
        int32_t type = 0, talon = 0, allowed = 0;
        std::string card, rest;
        c >> type >> card >> talon >> computerAttacks >> allowed;
        std::getline(c, rest);
        clear(computerHand);
        setVariant(type, type == 0 ? "9H" : "-");
        fill(computerHand, card + rest);
        setTalon(talon);
        EXPECT_EQ(MaySpendTrump(cardNamed(card)), allowed == 1) << text;
    }
}

// "type card talon allowed".
TEST_F(ComputerTest, MaySpendSpadeHoldsBackHighSpadesOnlyInTheJapaneseGame) {
    const char* const cases[] = {
        "1 AS 24 1", "1 KS 23 1", "4 AH 24 1", "4 AD 24 1", "5 TS 24 1",
        "5 JS 21 0", "5 JS 20 1", "5 QS 19 0", "5 QS 11 0", "5 QS 10 1",
        "5 KS 21 0", "5 KS 9 0",  "5 KS 8 1",  "5 AS 9 0",  "5 AS 0 1",
    };
    for (const char* text : cases) {
        std::istringstream c(text);
        int32_t type = 0, talon = 0, allowed = 0;
        std::string card;
        c >> type >> card >> talon >> allowed;
        setVariant(type, type < 4 ? "9H" : "-");
        setTalon(talon);
        EXPECT_EQ(MaySpendSpade(cardNamed(card)), allowed == 1) << text;
    }
}

// The rules engine's copy of the handheld player holds back exactly the
// cards the computer holds back: every card, every talon size, both
// columns, with none to three other cards of the turned-up rank, in every
// variant.
TEST_F(ComputerTest, TheEnginesHandheldSpendsExactlyAsTheComputer) {
    using namespace players::handheld;
    int32_t compared = 0;
    for (int32_t type = 0; type < 6; ++type) {
        const bool japanese = type >= 4;
        setVariant(type, japanese ? "-" : "9H");
        engine::Position position;
        position.variant = static_cast<int8_t>(type);
        position.trumpSuit = static_cast<int8_t>(trumpCard.suit);
        position.trumpRank = static_cast<int8_t>(trumpCard.rank);
        for (int32_t index = 0; index < engine::CARD_COUNT; ++index) {
            const int32_t suit = engine::suitOf(index);
            const int32_t rank = engine::rankOf(index);
            if (!japanese && suit == trumpCard.suit && rank == trumpCard.rank) {
                continue; // the turned-up card lies under the talon
            }
            for (int32_t alsoOfTrumpRank = 0; alsoOfTrumpRank <= 3; ++alsoOfTrumpRank) {
                clear(computerHand);
                addCard(computerHand, suit, rank);
                engine::CardSet mine = engine::bit(index);
                for (int32_t other = 1, added = 0; other <= 4 && added < alsoOfTrumpRank; ++other) {
                    const int32_t otherRank = japanese ? 9 : trumpCard.rank;
                    if (other == trumpCard.suit || (other == suit && otherRank == rank)) {
                        continue;
                    }
                    addCard(computerHand, other, otherRank);
                    mine |= engine::bit(engine::cardIndex(other, otherRank));
                    ++added;
                }
                const Card card = cardNamed(cardName(suit, rank));
                for (int32_t talon = 0; talon <= 24; ++talon) {
                    setTalon(talon);
                    const View view{position, engine::NORTH, mine, 0, talon};
                    for (computerAttacks = 0; computerAttacks <= 1; ++computerAttacks) {
                        const std::string where =
                            cardName(suit, rank) + " variant " + std::to_string(type) + " talon " +
                            std::to_string(talon) + " with " + std::to_string(alsoOfTrumpRank);
                        ASSERT_EQ(maySpendTrump(view, index, computerAttacks == 1),
                                  MaySpendTrump(card))
                            << where << " attacking " << computerAttacks;
                        ++compared;
                    }
                    ASSERT_EQ(maySpendSpade(view, index), MaySpendSpade(card))
                        << cardName(suit, rank) << " variant " << type << " talon " << talon;
                }
            }
        }
    }
    EXPECT_GT(compared, 40000);
}

// Scratch rows like the ones the game builds to check a several-card cover:
// each attacker takes the cheapest free card that beats it, plain targets
// first; "attack / defence / the defence's selected cards, or - when not all
// are matched". Spades are trump (9S turned up) unless Japanese.
TEST_F(ComputerTest, MatchAllPairsEveryAttackerWithItsOwnCover) {
    const char* const cases[] = {
        "0 9H 7C / AS TH 8C 6S JH / TH 8C",
        "0 7D 7H / QS 8S 8H / 8H 8S",
        "0 7S 6C / 6S 8S 7C / 7C 8S",
        "0 7H 8H / 6C 9H TH / 9H TH",
        "0 7H 9H / 8H 6C TC / -",
        "0 7H 8H / 9H 6C / -",
        "0 7C / AS / AS", // with a talon of 23: conservation does not apply
        "4 7S 7H / 6D 8D 8S / 8S 6D",
        "4 7S 7H / 6D 8D 9D / -",
    };
    for (const char* text : cases) {
        std::istringstream c(text);
        int32_t type = 0;
        c >> type;
        std::string attackCards, defenceCards, selected;
        std::getline(c, attackCards, '/');
        std::getline(c, defenceCards, '/');
        std::getline(c >> std::ws, selected);
        setVariant(type, type == 0 ? "9S" : "-");
        CardRow attack;
        CardRow defence;
        setTrumpSuit(attack, trumpCard.suit);
        setTrumpSuit(defence, trumpCard.suit);
        fill(attack, attackCards);
        fill(defence, defenceCards);
        const bool matched = MatchAll(attack, defence);
        EXPECT_EQ(matched ? selectedNames(defence) : "-", selected) << text;
        EXPECT_EQ(selectedNames(defence), matched ? selected : "") << text;
        clear(attack);
        clear(defence);
    }
}

TEST_F(ComputerTest, MatchAllLeavesBothRowsInSuitOrderForGoodOrFailsUntouched) {
    setVariant(0, "9S");
    CardRow attack;
    CardRow defence;
    attack.sortMode = SORT_BY_RANK;
    setTrumpSuit(attack, SUIT_SPADES);
    setTrumpSuit(defence, SUIT_SPADES);
    fill(attack, "AS 7C 8H");
    fill(defence, "6S JH KC TD");
    MatchAll(attack, defence);
    EXPECT_EQ(names(attack) + " / " + names(defence), "8H 7C AS / TD JH KC 6S");
    EXPECT_EQ(attack.sortMode * 10 + defence.sortMode, SORT_NONE * 11);
    addCard(defence, SUIT_DIAMONDS, 6);
    EXPECT_EQ(names(defence), "TD JH KC 6S 6D") << "no later change re-sorts them";
    clear(attack);
    clear(defence);
    fill(attack, "7H 8H 6D");
    fill(defence, "9H TH");
    defence.cards[1].selected = 1;
    EXPECT_FALSE(MatchAll(attack, defence)) << "too few defenders";
    CardRow empty;
    EXPECT_FALSE(MatchAll(empty, defence));
    EXPECT_FALSE(MatchAll(attack, empty));
    EXPECT_EQ(selectedNames(defence), "TH");
}

} // namespace
