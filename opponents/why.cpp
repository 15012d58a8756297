// SPDX-License-Identifier: MIT
// "Why?": the computer's last move explained in the interface language.
#include "computer/reasons.h"
#include "game/end_of_game.h"
#include "game/table_view.h"
#include "game/texts.h"
#include "opponents/game_position.h"
#include "opponents/opponent.h"
#include "platform/resources/ui_language.h"
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

// The rule's sentence with "%c" and "%n" filled in.
std::u16string ruleSentence(const std::u16string& text, const ComputerReason& reason) {
    std::u16string card;
    if (reason.rank != 0) {
        card = cardNames(engine::bit(engine::cardIndex(reason.suit, reason.rank)));
    }
    const std::string number = std::to_string(reason.number);
    std::u16string sentence;
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t next = i + 1 < text.size() ? text[i + 1] : u'\0';
        if (text[i] == u'%' && (next == u'c' || next == u'n')) {
            sentence += next == u'c' ? card : std::u16string(number.begin(), number.end());
            ++i;
        } else {
            sentence += text[i];
        }
    }
    return sentence;
}

// The handheld's rules: the rule that chose the computer's last move.
void showHandheldWhy() {
    const ComputerReason& reason = computerReason;
    LPCWSTR text = resources::computerRuleText(reason.rule, platform::resourceLanguage());
    if (text == nullptr || reason.game != newGameSerial) {
        ShowMessage(tableWindow(), textOf(IDS_WHY_NOTHING_YET));
        return;
    }
    const std::u16string sentence = ruleSentence(text, reason);
    ShowMessage(tableWindow(), textOf(IDS_WHY_HANDHELD_MOVE), sentence.c_str());
}

} // namespace

void ShowWhy() {
    if (opponentKind == OPPONENT_HANDHELD) {
        showHandheldWhy();
        return;
    }
    if (!lastDecision.valid) {
        ShowMessage(tableWindow(), textOf(IDS_WHY_NOTHING_YET));
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
