// SPDX-License-Identifier: MIT
#include "records/last_bout.h"

#include <algorithm>

#include "cards/table.h"
#include "game/beats.h"
#include "game/bout_steps.h"
#include "game/game_state.h"
#include "game/texts.h"
#include "platform/text_format.h"
#include "platform/window_api.h"
#include "resources/resource_ids.h"

namespace {

BoutRecord current;
BoutRecord last;
bool defenderTakes = false;
int32_t attackerNoted = 0;

bool same(const Card& a, const Card& b) {
    return a.suit == b.suit && a.rank == b.rank;
}

bool known(const Card& card) {
    return std::any_of(current.pairs.begin(), current.pairs.end(), [&](const BoutPair& pair) {
        return same(pair.attack, card) || same(pair.beater, card);
    });
}

// Gives every new card of the defence an attack it beats; several laid at
// once are matched as a whole, so each pair is one that really beats.
bool matchBeaters(const std::vector<Card>& beaters, size_t next) {
    if (next == beaters.size()) {
        return true;
    }
    for (BoutPair& pair : current.pairs) {
        if (pair.beater.suit == UNSET && Beats(beaters[next], pair.attack)) {
            pair.beater = beaters[next];
            if (matchBeaters(beaters, next + 1)) {
                return true;
            }
            pair.beater = Card{};
        }
    }
    return false;
}

void noteTable() {
    const CardRow& attacks = computerAttacks == 1 ? computerTableRow : humanTableRow;
    const CardRow& defence = computerAttacks == 1 ? humanTableRow : computerTableRow;
    if (cardCount(attacks) == 0 && cardCount(defence) == 0) {
        current = BoutRecord{}; // a new deal, or undone
        defenderTakes = false;
        return;
    }
    if (current.pairs.empty()) {
        current.computerAttacked = computerLed;
        attackerNoted = computerLed;
    }
    // The attacker changed since the table was last seen: the cards added
    // after the lead are those of a transfer.
    const bool transfer = computerAttacks != attackerNoted;
    attackerNoted = computerAttacks;
    for (const Card& card : attacks.cards) {
        if (!known(card)) {
            const bool thrown = defenderTakes || throwInAllowance > 0;
            const bool lead = current.pairs.empty();
            current.pairs.push_back(BoutPair{card, Card{}, thrown, transfer && !thrown && !lead});
        }
    }
    std::vector<Card> beaters;
    for (const Card& card : defence.cards) {
        if (!known(card)) {
            beaters.push_back(card);
        }
    }
    matchBeaters(beaters, 0);
}

void finish(int32_t taker) {
    if (current.pairs.empty()) {
        return;
    }
    last = current;
    last.finished = true;
    last.taker = taker;
    current = BoutRecord{};
    defenderTakes = false;
}

void noteStep(BoutStep step) {
    if (step == STEP_REFILL) {
        return;
    }
    noteTable();
    if (step == STEP_TAKING) {
        defenderTakes = true;
    } else if (step == STEP_TAKE) {
        finish(computerAttacks == 1 ? 0 : 1);
    } else if (step == STEP_DISCARD) {
        finish(-1);
    }
}

std::u16string cardName(const Card& card) {
    const std::u16string letters = textOf(IDS_HINT_CARD_NAMES);
    if (letters.size() != 13 || card.rank < 6 || card.rank > 14 || card.suit < 1 || card.suit > 4) {
        return u"?";
    }
    std::u16string name =
        card.rank == 10 ? std::u16string(u"10") : std::u16string(1, letters[card.rank - 6]);
    return name + letters[static_cast<size_t>(9 + card.suit - 1)];
}

std::u16string formatted(int id, const std::u16string& cards) {
    WCHAR text[256] = {};
    wsprintfW(text, textOf(id), cards.c_str());
    return text;
}

} // namespace

void KeepLastBout() {
    SetBoutStepWatcher(noteStep);
}

const BoutRecord& LastBout() {
    return last;
}

std::u16string LastBoutText(const BoutRecord& bout) {
    std::u16string text =
        textOf(bout.computerAttacked == 1 ? IDS_BOUT_COMPUTER_ATTACKED : IDS_BOUT_HUMAN_ATTACKED);
    std::u16string thrown;
    std::u16string taken;
    std::u16string transfer;
    for (const BoutPair& pair : bout.pairs) {
        if (pair.transferred) {
            transfer += (transfer.empty() ? u"" : u" ") + cardName(pair.attack);
        }
        if (pair.thrownToTaker) {
            thrown += (thrown.empty() ? u"" : u" ") + cardName(pair.attack);
            continue;
        }
        text += u"\r\n" + cardName(pair.attack);
        if (pair.beater.suit != UNSET) {
            text += u" \u2013 " + cardName(pair.beater);
        }
    }
    for (const BoutPair& pair : bout.pairs) {
        taken += (taken.empty() ? u"" : u" ") + cardName(pair.attack);
        if (pair.beater.suit != UNSET) {
            taken += u" " + cardName(pair.beater);
        }
    }
    if (!transfer.empty()) {
        text += u"\r\n" + formatted(IDS_BOUT_TRANSFERRED, transfer);
    }
    if (!thrown.empty()) {
        text += u"\r\n" + formatted(IDS_BOUT_THROWN_TO_TAKER, thrown);
    }
    if (bout.taker < 0) {
        return text + u"\r\n" + textOf(IDS_BOUT_DISCARDED);
    }
    return text + u"\r\n" +
           formatted(bout.taker == 0 ? IDS_BOUT_HUMAN_TOOK : IDS_BOUT_COMPUTER_TOOK, taken);
}

void ShowLastBout(HWND window) {
    if (!last.finished) {
        return;
    }
    MessageBoxW(window, LastBoutText(last).c_str(), textOf(IDS_MENU_LAST_BOUT), MB_OK);
}
