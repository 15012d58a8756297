// SPDX-License-Identifier: MIT
// Dealing a game: from the order in which the handheld draws the cards, or
// from a shuffle.
#include "engine/position.h"

namespace engine {

namespace {

CardIndex lowestTrump(const Position& position, int32_t seat) {
    return lowest(position.hand[static_cast<std::size_t>(seat)] & suitCards(position.trumpSuit));
}

// The first game goes to the lower trump (the human when the device holds
// none); later games to the winner of the last one.
int32_t firstAttacker(const Position& position, int32_t lastWinner) {
    if (lastWinner != NOBODY) {
        return lastWinner;
    }
    const CardIndex north = lowestTrump(position, NORTH);
    const CardIndex south = lowestTrump(position, SOUTH);
    if (north < 0) {
        return SOUTH;
    }
    if (south < 0) {
        return NORTH;
    }
    return north > south ? SOUTH : NORTH;
}

uint64_t splitMix(uint64_t& state) {
    uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

} // namespace

Position dealFromOrder(int32_t variant, const std::array<int8_t, CARD_COUNT>& order,
                       int32_t lastWinner) {
    Position position;
    position.variant = static_cast<int8_t>(variant);
    // Outside the Japanese variants the first card drawn is turned up and
    // lies under the talon until it is dealt last.
    const int32_t turned = isJapanese(variant) ? 0 : 1;
    if (turned == 1) {
        position.trumpSuit = static_cast<int8_t>(suitOf(order[0]));
        position.trumpRank = static_cast<int8_t>(rankOf(order[0]));
    }
    for (int32_t i = 0; i < CARD_COUNT; ++i) {
        position.talon[static_cast<std::size_t>(i)] =
            order[static_cast<std::size_t>((i + turned) % CARD_COUNT)];
    }
    position.talonEnd = CARD_COUNT;
    refillHand(position, SOUTH);
    refillHand(position, NORTH);
    position.attacker = static_cast<int8_t>(firstAttacker(position, lastWinner));
    return position;
}

Position dealFromSeed(int32_t variant, uint64_t seed, int32_t lastWinner) {
    std::array<int8_t, CARD_COUNT> order{};
    for (int32_t i = 0; i < CARD_COUNT; ++i) {
        order[static_cast<std::size_t>(i)] = static_cast<int8_t>(i);
    }
    uint64_t state = seed;
    for (int32_t i = CARD_COUNT - 1; i > 0; --i) {
        const auto j = static_cast<std::size_t>(splitMix(state) % static_cast<uint64_t>(i + 1));
        std::swap(order[static_cast<std::size_t>(i)], order[j]);
    }
    return dealFromOrder(variant, order, lastWinner);
}

} // namespace engine
