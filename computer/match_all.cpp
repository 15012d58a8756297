// SPDX-License-Identifier: MIT
// Beating several cards at once: a greedy match in suit order, so each
// attacking card takes the cheapest free card that beats it.
#include "computer/defence.h"
#include "game/beats.h"

bool MatchAll(CardRow& attack, CardRow& defence) {
    attack.sortMode = SORT_BY_SUIT;
    resort(attack);
    defence.sortMode = SORT_BY_SUIT;
    resort(defence);
    // Keep the order just produced: later moves must not re-sort either row.
    attack.sortMode = SORT_NONE;
    defence.sortMode = SORT_NONE;

    const int32_t toBeat = cardCount(attack);
    if (cardCount(defence) == 0 || toBeat == 0 || toBeat > cardCount(defence)) {
        return false;
    }
    for (const Card& target : attack.cards) {
        for (Card& candidate : defence.cards) {
            if (candidate.selected == 0 && Beats(candidate, target)) {
                candidate.selected = 1;
                break;
            }
        }
    }
    if (countSelected(defence) == toBeat) {
        return true;
    }
    selectNone(defence);
    return false;
}
