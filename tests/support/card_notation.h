// SPDX-License-Identifier: MIT
// Cards in tests by two-character names: "6S", "TD", "AH". Ranks 6 7 8 9 T J
// Q K A are 6..14; suits D H C S are 1..4. Rows are written "6S TD AH", in
// array order. The row functions take any row with a `cards` list whose
// cards have `suit` and `rank`, so they serve the card model and the state
// lines of whole runs alike.
#pragma once

#include <cstdint>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace notation {

inline const std::string rankLetters = "6789TJQKA";
inline const std::string suitLetters = "DHCS";

struct CardName {
    int32_t suit = -1;
    int32_t rank = -1;
    bool operator==(const CardName&) const = default;
};

// "??" for a card that is not one of the 36.
inline std::string cardName(int64_t suit, int64_t rank) {
    if (rank < 6 || rank > 14 || suit < 1 || suit > 4) {
        return "??";
    }
    return std::string{rankLetters[static_cast<size_t>(rank - 6)],
                       suitLetters[static_cast<size_t>(suit - 1)]};
}

template <class C> std::string nameOf(const C& card) {
    return cardName(card.suit, card.rank);
}

// A name that is not a card fails the running test and gives suit and rank -1.
inline CardName parseCard(const std::string& name) {
    const auto rank = rankLetters.find(name.size() == 2 ? name[0] : '?');
    const auto suit = suitLetters.find(name.size() == 2 ? name[1] : '?');
    if (rank == std::string::npos || suit == std::string::npos) {
        ADD_FAILURE() << "not a card name: \"" << name << "\"";
        return {};
    }
    return {static_cast<int32_t>(suit) + 1, static_cast<int32_t>(rank) + 6};
}

inline std::vector<CardName> parseCards(const std::string& cardNames) {
    std::istringstream words(cardNames);
    std::vector<CardName> cards;
    std::string word;
    while (words >> word) {
        cards.push_back(parseCard(word));
    }
    return cards;
}

template <class C> bool isNamed(const C& card, const CardName& name) {
    return card.suit == name.suit && card.rank == name.rank;
}

// "6S TD AH": the row's cards in array order; with `selectedOnly`, only the
// selected ones.
template <class Row> std::string names(const Row& row, bool selectedOnly = false) {
    std::string text;
    for (const auto& card : row.cards) {
        if (!selectedOnly || card.selected != 0) {
            text += (text.empty() ? "" : " ") + nameOf(card);
        }
    }
    return text;
}

template <class Row> std::string selectedNames(const Row& row) {
    return names(row, true);
}

// Appends the named cards to the row in the order given (the row's own
// `addCard`), without sorting or laying out the row.
template <class Row> void addCards(Row& row, const std::string& cardNames) {
    for (const CardName& card : parseCards(cardNames)) {
        if (card.suit != -1) {
            addCard(row, card.suit, card.rank);
        }
    }
}

// Appends the named cards, then sorts and lays out the row as the game does.
template <class Row> void fill(Row& row, const std::string& cardNames) {
    addCards(row, cardNames);
    refresh(row);
}

// Marks the named cards of the row as selected, the others not.
template <class Row> void selectCards(Row& row, const std::string& cardNames) {
    const std::vector<CardName> wanted = parseCards(cardNames);
    for (auto& card : row.cards) {
        card.selected = 0;
        for (const CardName& name : wanted) {
            card.selected = isNamed(card, name) ? 1 : card.selected;
        }
    }
}

// Expectations written "1; table=7C 7D; open=1": a bare first value for the
// key "result", then named ones, each compared with `actual`'s value of that
// name; a "?" word matches any word ("counts=5 ? 0 6"). Under a key ending in
// "Holds" or "Lacks" every named card must be in, or missing from, the row.
inline void expectValues(const std::string& expected,
                         const std::map<std::string, std::string>& actual) {
    std::istringstream items(expected);
    std::string item;
    for (bool first = true; std::getline(items, item, ';'); first = false) {
        item.erase(0, item.find_first_not_of(' '));
        const auto equals = item.find('=');
        const std::string key =
            equals == std::string::npos && first ? "result" : item.substr(0, equals);
        const std::string want = equals == std::string::npos ? item : item.substr(equals + 1);
        const auto found = actual.find(key);
        if (found == actual.end()) {
            ADD_FAILURE() << "nothing to compare with \"" << item << "\"";
            continue;
        }
        std::string got = found->second;
        if (key.ends_with("Holds") || key.ends_with("Lacks")) {
            std::istringstream wanted(want);
            for (std::string name; wanted >> name;) {
                const bool in = (" " + got + " ").find(" " + name + " ") != std::string::npos;
                EXPECT_EQ(in, key.ends_with("Holds")) << key << " " << name << " in " << got;
            }
            continue;
        }
        if (want.find('?') != std::string::npos) {
            std::istringstream wantWords(want);
            std::istringstream gotWords(got);
            std::string wantWord;
            std::string gotWord;
            std::string masked;
            while (wantWords >> wantWord && gotWords >> gotWord) {
                masked += (masked.empty() ? "" : " ") + (wantWord == "?" ? wantWord : gotWord);
            }
            got = gotWords >> gotWord ? got : masked;
        }
        EXPECT_EQ(got, want) << key;
    }
}

} // namespace notation
