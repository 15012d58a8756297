// SPDX-License-Identifier: MIT
#include "human_moves.h"

namespace {

HumanMove pressButton(const std::string& what) {
    return {{}, false, what};
}

HumanMove playCard(const SeenCard& card, const std::string& what, bool answerYes = false) {
    return {{{card.suit, card.rank}}, answerYes, what + " " + cardName({card.suit, card.rank})};
}

// The lowest card by rank, a non-trump before a trump.
const SeenCard* lowest(const std::vector<const SeenCard*>& cards) {
    const SeenCard* best = nullptr;
    for (const SeenCard* card : cards) {
        if (best == nullptr ||
            std::make_pair(card->isTrump, card->rank) < std::make_pair(best->isTrump, best->rank)) {
            best = card;
        }
    }
    return best;
}

// The same greedy choice the program checks several covers with: attacks in
// suit order, each taking the lowest free card in suit order that beats it.
std::vector<CardKey> matchAll(std::vector<SeenCard> attacks, std::vector<SeenCard> hand,
                              int trumpSuit, bool japanese) {
    auto suitKey = [trumpSuit](const SeenCard& card) {
        return card.suit == trumpSuit ? card.suit * 1000 + card.rank : card.suit * 100 + card.rank;
    };
    auto bySuit = [&](const SeenCard& a, const SeenCard& b) { return suitKey(a) < suitKey(b); };
    std::sort(attacks.begin(), attacks.end(), bySuit);
    std::sort(hand.begin(), hand.end(), bySuit);
    std::vector<bool> taken(hand.size(), false);
    std::vector<CardKey> chosen;
    for (const SeenCard& attack : attacks) {
        for (size_t i = 0; i < hand.size(); ++i) {
            if (!taken[i] && beats(hand[i], attack, trumpSuit, japanese)) {
                taken[i] = true;
                chosen.push_back({hand[i].suit, hand[i].rank});
                break;
            }
        }
    }
    return chosen.size() == attacks.size() ? chosen : std::vector<CardKey>{};
}

HumanMove attack(const nlohmann::json& state, const std::vector<SeenCard>& hand,
                 const std::vector<SeenCard>& table) {
    std::vector<const SeenCard*> candidates;
    for (const SeenCard& card : hand) {
        if (table.empty() || hasRank(table, card.rank)) {
            candidates.push_back(&card);
        }
    }
    const bool full =
        rowCards(state, "humanTableRow").size() >= 6 || rowCards(state, "computerHand").empty();
    if (candidates.empty() || (!table.empty() && full)) {
        return pressButton(table.empty() ? "nothing to lead" : "ok");
    }
    return playCard(*lowest(candidates), table.empty() ? "lead" : "throw in");
}

HumanMove defend(const nlohmann::json& state, const std::vector<SeenCard>& hand, int moveNumber) {
    const auto attacks = rowCards(state, "computerTableRow");
    const auto covers = rowCards(state, "humanTableRow");
    const int trumpSuit = trumpSuitOf(state);
    const bool japanese = isJapanese(state);
    if (attacks.empty()) {
        return pressButton("take (no attack?)");
    }
    const SeenCard& target = attacks.back();
    // Pass the attack on when the rules allow; a trump only every other time,
    // so that both answers to the question are seen.
    const bool mayTransfer = state["transferVariant"] == 1 && state["transferOpen"] == 1 &&
                             covers.empty() &&
                             rowCards(state, "computerHand").size() >= attacks.size() + 1;
    if (mayTransfer) {
        for (const SeenCard& card : hand) {
            if (card.rank == target.rank && card.suit != trumpSuit) {
                return playCard(card, "transfer");
            }
        }
        for (const SeenCard& card : hand) {
            if (card.rank == target.rank && moveNumber % 2 == 0) {
                return playCard(card, "trump transfer", true);
            }
        }
    }
    if (attacks.size() > 1 && covers.empty()) {
        const HumanMove move{matchAll(attacks, hand, trumpSuit, japanese), false, "cover all"};
        return move.cards.empty() ? pressButton("take all") : move;
    }
    std::vector<const SeenCard*> candidates;
    for (const SeenCard& card : hand) {
        if (beats(card, target, trumpSuit, japanese)) {
            candidates.push_back(&card);
        }
    }
    if (candidates.empty()) {
        return pressButton("take");
    }
    // A trump that could be taken for a transfer would raise the question; a
    // cover with it is what the answer No gives anyway.
    return playCard(*lowest(candidates), "cover");
}

} // namespace

HumanMove chooseHumanMove(const nlohmann::json& state, int moveNumber) {
    const auto hand = rowCards(state, "humanHand");
    std::vector<SeenCard> table = rowCards(state, "computerTableRow");
    const auto humanTable = rowCards(state, "humanTableRow");
    table.insert(table.end(), humanTable.begin(), humanTable.end());

    if (state["throwInAllowance"] > 0) {
        for (const SeenCard& card : hand) {
            if (hasRank(table, card.rank)) {
                return playCard(card, "add to the take");
            }
        }
        return pressButton("let the computer take");
    }
    if (state["computerAttacks"] == 0) {
        return attack(state, hand, table);
    }
    return defend(state, hand, moveNumber);
}
