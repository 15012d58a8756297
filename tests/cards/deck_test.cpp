// SPDX-License-Identifier: MIT
// The random source and the deck it deals from.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "cards/deck.h"
#include "cards/random_source.h"
#include "platform/testing.h"
#include "support/card_notation.h"

namespace {

constexpr float ceiling = 0.99999988079071044921875f;

std::string firstThree() {
    std::string text;
    for (int i = 0; i < 3; ++i) {
        char value[32];
        std::snprintf(value, sizeof value, " %.7g", static_cast<double>(uniform()));
        text += value;
    }
    return text;
}

std::vector<int32_t> picks(int count, int32_t low = 0, int32_t high = 35) {
    std::vector<int32_t> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(randomBetween(low, high));
    }
    return values;
}

void seedAt(int hours, int minutes, int seconds, int millis) {
    platform_testing::setFixedClock(hours, minutes, seconds, millis);
    seedFromClock();
}

class DeckTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform_testing::resetPlatform();
        resetRandomState();
        initDeck(deck36, 36);
    }
    void TearDown() override { resetRandomState(); }

    // The random state that picks 30, 5, 15, 7, 35, 1, 27, 6, 28, 27 over
    // 0..35, and a deck holding only the given slots (all of them without).
    void start(const std::vector<int32_t>* slots = nullptr) {
        resetRandomState();
        seedAt(12, 34, 56, 789);
        initDeck(deck36, 36);
        for (int32_t s = 0; slots != nullptr && s < 36; ++s) {
            deck36.slots[s].present = std::count(slots->begin(), slots->end(), s) > 0 ? 1 : 0;
        }
        deck36.remaining = slots != nullptr ? static_cast<int32_t>(slots->size()) : 36;
    }

    // The next card drawn, "AD", and how many cards were left after it.
    std::string drawName(int32_t* left = nullptr) {
        int32_t rank = -7;
        int32_t suit = -7;
        const int32_t after = draw(deck36, &rank, &suit);
        if (left != nullptr) {
            *left = after;
        }
        return notation::cardName(suit, rank);
    }

    Deck deck36{};
};

TEST_F(DeckTest, SmallDeckPutsTheAceFirstInEachSuitAnyOtherSizeBuildsTheFullPack) {
    std::string slots;
    for (int32_t i = 0; i < 36; ++i) {
        const DeckSlot& s = deck36.slots[i];
        slots += (i == 0 ? "" : " ") + (s.present == 1 ? notation::cardName(s.suit, s.rank) : "-");
    }
    EXPECT_EQ(slots.substr(0, 27 * 3 - 1),
              "AD 6D 7D 8D 9D TD JD QD KD AH 6H 7H 8H 9H TH JH QH KH AC 6C 7C 8C 9C TC JC QC KC");
    EXPECT_EQ(slots.substr(27 * 3), "AS 6S 7S 8S 9S TS JS QS KS");
    EXPECT_EQ(remaining(deck36), 36);
    for (int32_t size : {52, 0, 40}) {
        Deck full{};
        initDeck(full, size);
        EXPECT_EQ(full.capacity * 100 + full.remaining, 5252) << size;
        for (int32_t i = 0; i < 52; ++i) {
            const DeckSlot& slot = full.slots[i];
            EXPECT_TRUE(slot.rank == i % 13 + 1 && slot.suit == i / 13 + 1 && slot.present == 1)
                << "size " << size << ", slot " << i << ": rank " << slot.rank << " suit "
                << slot.suit << "; ranks 1 to 13 in suit order";
        }
    }
}

// Each draw as "card left", the whole deck dealt, then the draw from an empty
// deck leaves rank and suit alone.
TEST_F(DeckTest, KnownClockDealsEveryCardOnceInTheKnownOrderThenNothing) {
    start();
    std::set<std::string> dealt;
    std::string draws;
    for (int32_t i = 0, left = 0; i < 36; ++i) {
        const std::string name = drawName(&left);
        dealt.insert(name);
        draws += i < 8 || i == 35 ? name + " " + std::to_string(left) + " " : "";
    }
    EXPECT_EQ(draws.substr(0, 40), "8S 35 TD 34 JH 33 QD 32 KS 31 6D 30 AS 2");
    EXPECT_EQ(draws.substr(draws.size() - 3), " 0 ");
    EXPECT_EQ(dealt.size(), 36u);
    EXPECT_EQ(dealt.count("??"), 0u);
    int32_t rank = 99;
    int32_t suit = 98;
    EXPECT_EQ(draw(deck36, &rank, &suit) * 10000 + rank * 100 + suit, -10000 + 9998);
    EXPECT_EQ(remaining(deck36), 0);
}

// With the known clock the picks run 30, 5, 15, 7, then 35, so the pick after
// a draw tells how many numbers the draw used. Four misses give up on chance
// and look down from the last pick, then up.
TEST_F(DeckTest, DrawLooksForTheNearestCardAfterFourMisses) {
    struct Case {
        std::vector<int32_t> slots;
        const char* card;
        int32_t nextPick;
    };
    const Case cases[] = {
        {{}, "??", 5},        {{0}, "AD", 35},    {{35}, "KS", 35},      {{3, 20}, "8D", 35},
        {{20, 33}, "7C", 35}, {{15, 3}, "JH", 7}, {{0, 1, 30}, "8S", 5},
    };
    for (const Case& c : cases) {
        start(&c.slots);
        EXPECT_EQ(drawName(), c.card) << ::testing::PrintToString(c.slots);
        EXPECT_EQ(remaining(deck36), std::max(0, static_cast<int32_t>(c.slots.size()) - 1));
        EXPECT_EQ(randomBetween(0, 35), c.nextPick) << ::testing::PrintToString(c.slots);
    }
    const std::vector<int32_t> none;
    start(&none);
    deck36.remaining = 3; // claims cards that are not there
    for (int32_t capacity : {36, 1000, -5}) {
        deck36.capacity = capacity;
        int32_t left = 0;
        const std::string name = drawName(&left);
        EXPECT_EQ(name + " " + std::to_string(left), "?? -1") << "capacity " << capacity;
    }
}

TEST_F(DeckTest, SeedsOneZeroMinusOneAndMidnightGiveTheKnownFirstValues) {
    for (int32_t seed : {1, 0, -1, 99}) {
        resetRandomState();
        randomState.state1 = seed;
        if (seed == 99) {
            seedAt(0, 0, 0, 0);
        }
        EXPECT_EQ(firstThree(), " 0.2853809 0.2533582 0.09346853") << "seed " << seed;
    }
}

TEST_F(DeckTest, ClockSeedsOnlyTheFirstStateAndGivesTheKnownPicks) {
    seedAt(12, 34, 56, 789);
    EXPECT_EQ(randomState.state1, 4187839);
    EXPECT_EQ(picks(10), (std::vector<int32_t>{30, 5, 15, 7, 35, 1, 27, 6, 28, 27}));
    const RandomState before = randomState;
    seedAt(1, 2, 3, 4);
    EXPECT_EQ(randomState.state1, 10 * (5 * (100 * 3 + 1) + 2 + 3) + 4951 * 4);
    EXPECT_EQ(randomState.state2, before.state2);
    EXPECT_EQ(randomState.lastOut, before.lastOut);
    EXPECT_TRUE(std::equal(before.shuffle, before.shuffle + 32, randomState.shuffle));
    resetRandomState();
    platform_testing::setFixedClock(12, 34, 56, 789);
    EXPECT_EQ(picks(3, 100, 135), (std::vector<int32_t>{130, 105, 115})) << "unseeded seeds first";
}

// With state2 0 the second generator stays at 0, so the output is exactly the
// shuffle entry at index 0 (lastOut 1 selects it).
void forceNextRawOutput(int32_t raw) {
    randomState.state1 = 1;
    randomState.state2 = 0;
    randomState.lastOut = 1;
    randomState.shuffle[0] = raw;
}

TEST_F(DeckTest, OutputNearOneIsHeldAtTheCeilingAndPicksStayInBounds) {
    forceNextRawOutput(2147483000);
    EXPECT_EQ(uniform(), static_cast<float>(2147483000.0 / 2147483563.0));
    forceNextRawOutput(2147483562);
    EXPECT_EQ(uniform(), ceiling);
    for (auto [low, high] : {std::pair{0, 35}, std::pair{0, 51}, std::pair{10, 12}}) {
        forceNextRawOutput(2147483562);
        EXPECT_EQ(randomBetween(low, high), high);
    }
}

} // namespace
