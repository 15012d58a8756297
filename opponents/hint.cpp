// SPDX-License-Identifier: MIT
// The hint: the move the expert would make for the human, its cards marked
// as selected (a tap on the play area then plays them) or the button to
// press named, and said in the status line.
#include <string>

#include "cards/table.h"
#include "game/game_state.h"
#include "game/status_line.h"
#include "game/texts.h"
#include "opponents/game_position.h"
#include "opponents/opponent.h"
#include "players/players.h"
#include "resources/resource_ids.h"

namespace {

engine::Random hintRandom(4242);

// The human's turn as an engine phase; false when it is not the human's.
bool humansPhase(engine::Phase& phase, int32_t& attacker) {
    const int32_t own = cardCount(humanTableRow);
    const int32_t theirs = cardCount(computerTableRow);
    attacker = computerAttacks == 1 ? engine::NORTH : engine::SOUTH;
    if (throwInAllowance > 0) {
        phase = engine::Phase::adding;
        return computerAttacks == 0;
    }
    if (own == 0 && theirs == 0) {
        phase = engine::Phase::lead;
        return computerAttacks == 0;
    }
    phase = computerAttacks == 1 ? engine::Phase::defend : engine::Phase::attack;
    return computerAttacks == 1 ? theirs > own : own == theirs;
}

} // namespace

std::u16string cardNames(engine::CardSet cards) {
    const std::u16string letters = textOf(IDS_HINT_CARD_NAMES);
    std::u16string names;
    for (; cards != 0 && letters.size() == 13; cards &= cards - 1) {
        const engine::CardIndex card = engine::lowest(cards);
        const int32_t rank = engine::rankOf(card);
        names += names.empty() ? u"" : u" ";
        names += rank == 10 ? std::u16string(u"10")
                            : std::u16string(1, letters[static_cast<size_t>(rank - 6)]);
        names += letters[static_cast<size_t>(9 + engine::suitOf(card) - 1)];
    }
    return names;
}

namespace {

int hintText(engine::MoveKind kind, engine::Phase phase) {
    switch (kind) {
    case engine::MoveKind::play:
        return phase == engine::Phase::lead ? IDS_HINT_LEAD : IDS_HINT_THROW_IN;
    case engine::MoveKind::cover:
        return IDS_HINT_COVER;
    case engine::MoveKind::transfer:
        return IDS_HINT_TRANSFER;
    case engine::MoveKind::take:
        return IDS_HINT_TAKE;
    default:
        return IDS_HINT_DONE;
    }
}

} // namespace

void ShowHint() {
    engine::Phase phase = engine::Phase::lead;
    int32_t attacker = engine::SOUTH;
    if (cardCount(humanHand) == 0 || !humansPhase(phase, attacker)) {
        return;
    }
    engine::Position position = gamePosition(phase, attacker);
    position.allowance = static_cast<int8_t>(throwInAllowance);
    const engine::Move move = players::expertMove(position, players::EXPERT_BUDGET, hintRandom);
    if (move.cards != 0) {
        for (Card& card : humanHand.cards) {
            const int32_t selected =
                (move.cards >> engine::cardIndex(card.suit, card.rank)) & 1 ? 1 : 0;
            if (card.selected != selected) {
                card.selected = selected;
                repaintCard(card);
            }
        }
    }
    const std::u16string names = cardNames(move.cards);
    SetStatus(textOf(hintText(move.kind, phase)), names.c_str());
}
