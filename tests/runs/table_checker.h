// SPDX-License-Identifier: MIT
// The cards in the state lines of whole games, and a checker of the rules
// those lines must keep.
#pragma once

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/card_notation.h"

struct SeenCard {
    int suit = -1;
    int rank = -1;
    int x = -1;
    int y = -1;
    int selected = 0;
    int isTrump = 0;
};

using CardKey = std::pair<int, int>; // suit, rank

inline std::vector<SeenCard> rowCards(const nlohmann::json& state, const char* row) {
    std::vector<SeenCard> cards;
    for (const auto& card : state[row]["cards"]) {
        cards.push_back(
            {card["suit"], card["rank"], card["x"], card["y"], card["selected"], card["isTrump"]});
    }
    return cards;
}

inline bool isJapanese(const nlohmann::json& state) {
    return state["gameType"] == 4 || state["gameType"] == 5;
}

inline int trumpSuitOf(const nlohmann::json& state) {
    return state["trumpCard"]["suit"];
}

inline std::string cardName(const CardKey& key) {
    return notation::cardName(key.first, key.second);
}

inline std::set<CardKey> keysOf(const std::vector<SeenCard>& cards, bool selectedOnly = false) {
    std::set<CardKey> keys;
    for (const SeenCard& card : cards) {
        if (!selectedOnly || card.selected != 0) {
            keys.insert({card.suit, card.rank});
        }
    }
    return keys;
}

// The human's selected cards.
inline std::set<CardKey> selectedCards(const nlohmann::json& state) {
    return keysOf(rowCards(state, "humanHand"), true);
}

// `Beats` as the rules give it, for checking both players' covers.
inline bool beats(const SeenCard& candidate, const SeenCard& target, int trumpSuit, bool japanese) {
    // In the Japanese variants only a spade beats a spade.
    return !(japanese && target.suit == 4 && candidate.suit != 4) &&
           ((candidate.suit == trumpSuit && target.suit != trumpSuit) ||
            (candidate.suit == target.suit && candidate.rank > target.rank));
}

inline bool hasRank(const std::vector<SeenCard>& cards, int rank) {
    return std::any_of(cards.begin(), cards.end(),
                       [rank](const SeenCard& card) { return card.rank == rank; });
}

// Follows one game after another through their state lines and reports
// every broken rule as a failure of the running test.
class TableChecker {
  public:
    // Checks one state; `events` are the messages that came with it.
    void check(const nlohmann::json& state, const std::vector<nlohmann::json>& events,
               const std::string& context);

    int gamesDecided() const { return gamesDecided_; }

  private:
    // The cards that leave play go to the discard, with the whole table.
    void followDiscards(const nlohmann::json& state, const std::set<CardKey>& visible,
                        const std::string& context);

    std::set<CardKey> seen_;
    std::set<CardKey> discarded_;
    std::set<CardKey> previousTable_;     // both table rows of the previous state
    std::set<CardKey> previousSelection_; // the human's selected cards then
    int gamesDecided_ = 0;
    long long computerWins_ = -1;
    long long humanWins_ = -1;
};
