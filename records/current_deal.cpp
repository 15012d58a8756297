// SPDX-License-Identifier: MIT
#include "records/current_deal.h"

#include "cards/random_source.h"
#include "game/game_state.h"
#include "game/variants.h"

namespace {

// The random source followed alongside the program's own: from the seed,
// step by step, until it is where the program's is.
struct Follower {
    bool following = false;
    int32_t seed = 1;
    uint64_t steps = 0;
    RandomState state;
};

Follower follower;
RandomState atDeal; // the follower's state when the deal on the table was dealt
DealCode current;
bool currentKnown = false;
bool dealRequested = false;
DealCode requested;

bool sameState(const RandomState& a, const RandomState& b) {
    if (a.state1 != b.state1 || a.state2 != b.state2 || a.lastOut != b.lastOut) {
        return false;
    }
    for (int i = 0; i < 32; ++i) {
        if (a.shuffle[i] != b.shuffle[i]) {
            return false;
        }
    }
    return true;
}

// One step of the follower, taken by the program's own generator.
void stepFollower() {
    const RandomState live = randomState;
    randomState = follower.state;
    uniform();
    follower.state = randomState;
    randomState = live;
    ++follower.steps;
}

// A seed of 0 builds the same table as 1 and would be taken for "never
// seeded": it is followed as 1.
void startFollowing(int32_t seed) {
    follower = Follower{};
    follower.following = seed >= 0 && seed < dealSeedCount;
    follower.seed = seed == 0 ? 1 : seed;
    follower.state.state1 = follower.seed;
}

// Games take a few hundred steps at most; a gap far beyond that means the
// source was set from outside.
constexpr uint64_t longestGap = 100000;

bool catchUp() {
    if (!follower.following) {
        return false;
    }
    for (uint64_t gap = 0; gap <= longestGap; ++gap) {
        if (sameState(follower.state, randomState)) {
            return true;
        }
        stepFollower();
    }
    follower.following = false;
    return false;
}

void applyRequestedDeal() {
    dealRequested = false;
    startFollowing(requested.seed);
    randomState = follower.state;
    for (uint64_t i = 0; i < requested.steps; ++i) {
        uniform();
    }
    follower.state = randomState;
    follower.steps = requested.steps;
    lastWinner = requested.lastWinner;
    gameType = requested.variant;
    transferVariant = transferVariantFor(gameType);
}

} // namespace

void NoteDealStart() {
    if (dealRequested) {
        applyRequestedDeal();
    } else if (!follower.following && randomState.lastOut == 0) {
        if (randomState.state1 == 0) {
            seedFromClock(); // as the first draw would
        }
        startFollowing(randomState.state1);
        randomState.state1 = follower.state.state1;
    }
    currentKnown = catchUp() && gameType >= 0 && gameType < gameTypeCount;
    atDeal = follower.state;
    current = DealCode{gameType, follower.seed, follower.steps, lastWinner};
    currentKnown = currentKnown && !encodeDealCode(current).empty();
}

void RequestDeal(const DealCode& deal) {
    requested = deal;
    dealRequested = true;
}

std::string CurrentDealCode() {
    return currentKnown ? encodeDealCode(current) : std::string();
}

bool CurrentDeal(DealCode& deal) {
    deal = current;
    return currentKnown;
}

KeptDeal CurrentKeptDeal() {
    return KeptDeal{currentKnown, current, atDeal};
}

// The follower goes on from where the deal was dealt: the next deal
// catches it up as usual.
void PutKeptDeal(const KeptDeal& kept) {
    currentKnown = kept.known;
    current = kept.deal;
    atDeal = kept.follower;
    follower.following = kept.known;
    follower.seed = kept.deal.seed;
    follower.steps = kept.deal.steps;
    follower.state = kept.follower;
}

void resetCurrentDeal() {
    follower = Follower{};
    currentKnown = false;
    dealRequested = false;
}
