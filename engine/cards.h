// SPDX-License-Identifier: MIT
// The 36 cards as bits of one 64-bit set: bit 9 * (suit - 1) + (rank - 6),
// suits 1 diamonds, 2 hearts, 3 clubs, 4 spades, ranks 6 to 14 (ace). In
// bit order a suit's cards lie together, lowest rank first.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

namespace engine {

using CardSet = uint64_t;
using CardIndex = int32_t; // 0..35, -1 none

constexpr int32_t CARD_COUNT = 36;
constexpr int32_t SUIT_DIAMONDS = 1;
constexpr int32_t SUIT_SPADES = 4;
constexpr CardSet ALL_CARDS = (CardSet{1} << CARD_COUNT) - 1;

constexpr CardIndex cardIndex(int32_t suit, int32_t rank) {
    return 9 * (suit - 1) + (rank - 6);
}
constexpr int32_t suitOf(CardIndex card) {
    return card / 9 + 1;
}
constexpr int32_t rankOf(CardIndex card) {
    return card % 9 + 6;
}
constexpr CardSet bit(CardIndex card) {
    return CardSet{1} << card;
}
constexpr CardSet suitCards(int32_t suit) {
    return CardSet{0x1FF} << (9 * (suit - 1));
}
// The four cards of one rank.
constexpr CardSet rankCards(int32_t rank) {
    return (CardSet{1} | CardSet{1} << 9 | CardSet{1} << 18 | CardSet{1} << 27) << (rank - 6);
}
constexpr int32_t count(CardSet cards) {
    return std::popcount(cards);
}
constexpr CardIndex lowest(CardSet cards) {
    return cards == 0 ? -1 : std::countr_zero(cards);
}
// A set with one bit for each rank present, bit rank - 6.
constexpr uint32_t ranksOf(CardSet cards) {
    const CardSet folded = cards | cards >> 9 | cards >> 18 | cards >> 27;
    return static_cast<uint32_t>(folded & 0x1FF);
}
constexpr CardSet cardsOfRanks(CardSet cards, uint32_t ranks) {
    const CardSet mask =
        CardSet{ranks} | CardSet{ranks} << 9 | CardSet{ranks} << 18 | CardSet{ranks} << 27;
    return cards & mask;
}

} // namespace engine
