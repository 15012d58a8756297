// SPDX-License-Identifier: MIT
// "Why?": the computer's last move explained in the interface language.
#include "game/end_of_game.h"
#include "game/table_view.h"
#include "game/texts.h"
#include "opponents/game_position.h"
#include "opponents/opponent.h"
#include "platform/text_format.h"
#include "resources/resource_ids.h"

namespace {

std::u16string moveText(engine::Phase phase, const engine::Move& move) {
    int id = IDS_MOVE_DONE;
    switch (move.kind) {
    case engine::MoveKind::play:
        id = phase == engine::Phase::lead ? IDS_MOVE_LEAD : IDS_MOVE_THROW_IN;
        break;
    case engine::MoveKind::cover:
        id = IDS_MOVE_COVER;
        break;
    case engine::MoveKind::transfer:
        id = IDS_MOVE_TRANSFER;
        break;
    case engine::MoveKind::take:
        id = IDS_MOVE_TAKE;
        break;
    default:
        break;
    }
    char16_t text[128] = {};
    const std::u16string names = cardNames(move.cards);
    wsprintfW(text, textOf(id), names.c_str());
    return text;
}

int32_t percent(double share) {
    return static_cast<int32_t>(share * 100.0 + 0.5);
}

} // namespace

void ShowWhy() {
    if (opponentKind == OPPONENT_HANDHELD) {
        ShowMessage(tableWindow(), textOf(IDS_WHY_HANDHELD));
        return;
    }
    if (!lastDecision.valid) {
        return;
    }
    const LastDecision& last = lastDecision;
    const std::u16string chosen = moveText(last.phase, last.move);
    if (opponentKind == OPPONENT_BEGINNER) {
        ShowMessage(tableWindow(), textOf(IDS_WHY_BEGINNER), chosen.c_str());
    } else if (last.report.secondWins < 0) {
        ShowMessage(tableWindow(), textOf(IDS_WHY_ONLY), chosen.c_str());
    } else {
        const std::u16string next = moveText(last.phase, last.report.second);
        ShowMessage(tableWindow(), textOf(IDS_WHY_EXPERT), chosen.c_str(),
                    percent(last.report.bestWins), next.c_str(), percent(last.report.secondWins));
    }
}
