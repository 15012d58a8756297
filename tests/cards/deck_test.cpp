#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "card_test_support.h"
#include "cards/deck.h"
#include "cards/random_source.h"
#include "platform/testing.h"

namespace {

using card_test::cardName;

class DeckTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform_testing::resetPlatform();
        resetRandomState();
        initDeck(deck36, 36);
    }
    void TearDown() override { resetRandomState(); }

    // The random state that picks 30, 5, 15, 7, 35, 1, 27, 6, 28, 27 over 0..35.
    static void seedKnownClock() {
        platform_testing::setFixedClock(12, 34, 56, 789);
        seedFromClock();
    }

    // Leaves only the given slots in the deck.
    void keepOnly(const std::vector<int32_t>& slots) {
        for (int32_t s = 0; s < 36; ++s) {
            deck36.slots[s].present = 0;
        }
        for (int32_t s : slots) {
            deck36.slots[s].present = 1;
        }
        deck36.remaining = static_cast<int32_t>(slots.size());
    }

    std::string drawName() {
        int32_t rank = -7;
        int32_t suit = -7;
        const int32_t left = draw(deck36, &rank, &suit);
        EXPECT_GE(left, 0);
        return cardName(suit, rank);
    }

    Deck deck36{};
};

TEST_F(DeckTest, SmallDeckPutsTheAceFirstInEachSuit) {
    EXPECT_EQ(deck36.capacity, 36);
    EXPECT_EQ(remaining(deck36), 36);
    for (int32_t suit = 1; suit <= 4; ++suit) {
        for (int32_t rank = 6; rank <= 14; ++rank) {
            const int32_t slot = 9 * (suit - 1) + (rank == 14 ? 0 : rank - 5);
            EXPECT_EQ(deck36.slots[slot].suit, suit) << "slot " << slot;
            EXPECT_EQ(deck36.slots[slot].rank, rank) << "slot " << slot;
            EXPECT_EQ(deck36.slots[slot].present, 1) << "slot " << slot;
        }
    }
}

TEST_F(DeckTest, AnyOtherSizeBuildsTheFullPackWithAceAsOne) {
    for (int32_t size : {52, 0, 40}) {
        Deck full{};
        initDeck(full, size);
        EXPECT_EQ(full.capacity, 52);
        EXPECT_EQ(full.remaining, 52);
        EXPECT_EQ(full.slots[0].rank, 1);
        EXPECT_EQ(full.slots[0].suit, 1);
        EXPECT_EQ(full.slots[13 * 2 + 9].rank, 10);
        EXPECT_EQ(full.slots[13 * 2 + 9].suit, 3);
        EXPECT_EQ(full.slots[51].rank, 13);
        EXPECT_EQ(full.slots[51].suit, 4);
        EXPECT_EQ(full.slots[51].present, 1);
    }
}

TEST_F(DeckTest, ThirtySixDrawsDealEveryCardOnceThenNothing) {
    seedKnownClock();
    std::set<std::string> dealt;
    for (int32_t expectedLeft = 35; expectedLeft >= 0; --expectedLeft) {
        int32_t rank = -7;
        int32_t suit = -7;
        ASSERT_EQ(draw(deck36, &rank, &suit), expectedLeft);
        ASSERT_GE(suit, 1);
        ASSERT_LE(suit, 4);
        ASSERT_GE(rank, 6);
        ASSERT_LE(rank, 14);
        EXPECT_TRUE(dealt.insert(cardName(suit, rank)).second) << cardName(suit, rank) << " twice";
    }
    EXPECT_EQ(dealt.size(), 36u);

    int32_t rank = 99;
    int32_t suit = 98;
    EXPECT_EQ(draw(deck36, &rank, &suit), -1);
    EXPECT_EQ(rank, 99);
    EXPECT_EQ(suit, 98);
    EXPECT_EQ(remaining(deck36), 0);
}

TEST_F(DeckTest, KnownClockDealsTheKnownFirstEightCards) {
    seedKnownClock();
    std::vector<int32_t> left;
    std::vector<std::string> cards;
    for (int i = 0; i < 8; ++i) {
        int32_t rank = 0;
        int32_t suit = 0;
        left.push_back(draw(deck36, &rank, &suit));
        cards.push_back(cardName(suit, rank));
    }
    EXPECT_EQ(left, (std::vector<int32_t>{35, 34, 33, 32, 31, 30, 29, 28}));
    EXPECT_EQ(cards, (std::vector<std::string>{"8S", "TD", "JH", "QD", "KS", "6D", "AS", "JD"}));
}

TEST_F(DeckTest, EmptyDeckStillConsumesExactlyOneRandomNumber) {
    keepOnly({});
    randomState.state1 = 4187839;
    uniform();
    const RandomState before = randomState;

    int32_t rank = 5;
    int32_t suit = 5;
    EXPECT_EQ(draw(deck36, &rank, &suit), -1);
    const RandomState after = randomState;

    randomState = before;
    uniform();
    EXPECT_EQ(randomState.state1, after.state1);
    EXPECT_EQ(randomState.state2, after.state2);
    EXPECT_EQ(randomState.lastOut, after.lastOut);
    EXPECT_EQ(rank, 5);
    EXPECT_EQ(suit, 5);
}

// With the known clock the picks run 30, 5, 15, 7, then 35, so the fifth pick
// after a draw tells how many numbers the draw used.
TEST_F(DeckTest, OnlySlotZeroLeftIsFoundByLookingDown) {
    seedKnownClock();
    keepOnly({0});
    EXPECT_EQ(drawName(), "AD");
    EXPECT_EQ(remaining(deck36), 0);
    EXPECT_EQ(randomBetween(0, 35), 35) << "four picks before giving up on chance";
}

TEST_F(DeckTest, OnlyLastSlotLeftIsFoundByLookingUp) {
    seedKnownClock();
    keepOnly({35});
    EXPECT_EQ(drawName(), "KS");
    EXPECT_EQ(randomBetween(0, 35), 35);
}

TEST_F(DeckTest, DownwardLookWinsOverUpward) {
    seedKnownClock();
    keepOnly({3, 20});
    EXPECT_EQ(drawName(), "8D") << "slot 3, the first present below the last pick (7)";
    EXPECT_EQ(deck36.slots[20].present, 1);
}

TEST_F(DeckTest, UpwardLookTakesTheNearestAbove) {
    seedKnownClock();
    keepOnly({20, 33});
    EXPECT_EQ(drawName(), "7C") << "slot 20, the first present above the last pick (7)";
    EXPECT_EQ(deck36.slots[33].present, 1);
}

TEST_F(DeckTest, ThirdPickThatHitsIsTakenAtOnce) {
    seedKnownClock();
    keepOnly({15, 3});
    EXPECT_EQ(drawName(), "JH");
    EXPECT_EQ(randomBetween(0, 35), 7) << "three picks used";
}

TEST_F(DeckTest, FirstPickThatHitsUsesOneNumber) {
    seedKnownClock();
    EXPECT_EQ(drawName(), "8S");
    EXPECT_EQ(randomBetween(0, 35), 5);
}

TEST_F(DeckTest, RestockMakesEveryCardDrawableAgain) {
    seedKnownClock();
    for (int i = 0; i < 20; ++i) {
        draw(deck36, nullptr, nullptr);
    }
    EXPECT_EQ(remaining(deck36), 16);
    restock(deck36);
    EXPECT_EQ(remaining(deck36), 36);

    std::set<std::string> dealt;
    for (int i = 0; i < 36; ++i) {
        dealt.insert(drawName());
    }
    EXPECT_EQ(dealt.size(), 36u);
}

TEST_F(DeckTest, RestockKeepsTheSlotContents) {
    deck36.slots[4].rank = 2;
    deck36.slots[4].present = 0;
    deck36.remaining = 35;
    restock(deck36);
    EXPECT_EQ(deck36.slots[4].rank, 2);
    EXPECT_EQ(deck36.slots[4].present, 1);
}

TEST_F(DeckTest, InconsistentRecordNeverReadsPastItsSlots) {
    randomState.state1 = 4187839;
    keepOnly({});
    deck36.remaining = 3; // claims cards that are not there
    int32_t rank = 1;
    int32_t suit = 1;
    EXPECT_EQ(draw(deck36, &rank, &suit), -1);
    deck36.capacity = 1000;
    EXPECT_EQ(draw(deck36, &rank, &suit), -1);
    deck36.capacity = -5;
    EXPECT_EQ(draw(deck36, &rank, &suit), -1);
}

} // namespace
