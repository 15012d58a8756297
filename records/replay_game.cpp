// SPDX-License-Identifier: MIT
#include "records/replay_game.h"

#include "cards/table.h"
#include "game/end_of_game.h"
#include "game/game_state.h"
#include "opponents/opponent.h"
#include "platform/backend.h"
#include "platform/messages.h"
#include "platform/window_api.h"
#include "records/current_deal.h"
#include "records/deal_code.h"
#include "records/game_record.h"
#include "window/table_layout.h"

namespace {

// The record of the game dealt as game number serial: on the table, or
// just closed when that game is over.
const GameRecord& playedRecord(uint32_t serial) {
    return newGameSerial == serial ? CurrentRecord() : PreviousRecord();
}

void tapCentreOf(HWND window, const RECT& rect) {
    const LPARAM at = MAKELPARAM(static_cast<WORD>((rect.left + rect.right) / 2),
                                 static_cast<WORD>((rect.top + rect.bottom) / 2));
    SendMessageW(window, WM_LBUTTONDOWN, 0, at);
    SendMessageW(window, WM_LBUTTONUP, 0, at);
}

bool holds(const CardRow& hand, int32_t suit, int32_t rank) {
    for (const Card& card : hand.cards) {
        if (card.suit == suit && card.rank == rank) {
            return true;
        }
    }
    return false;
}

int opponentOfName(const std::string& name) {
    return name == "handheld"   ? OPPONENT_HANDHELD
           : name == "beginner" ? OPPONENT_BEGINNER
           : name == "expert"   ? OPPONENT_EXPERT
                                : -1;
}

bool named(const Card& card, const RecordMove& move) {
    for (const auto& [suit, rank] : move.cards) {
        if (card.suit == suit && card.rank == rank) {
            return true;
        }
    }
    return false;
}

// The human's move as he made it: the cards selected and a tap on the
// play area, or a tap on the ok / take button.
std::optional<ReplayFailure> makeHumanMove(HWND window, const RecordMove& move) {
    if (move.kind == MoveKind::Take || move.kind == MoveKind::Done) {
        tapCentreOf(window, actionButtonRect);
        return std::nullopt;
    }
    for (const auto& [suit, rank] : move.cards) {
        if (!holds(humanHand, suit, rank)) {
            return ReplayFailure{move.line, "the human holds no " + cardName(suit, rank)};
        }
    }
    bool trump = false;
    for (Card& card : humanHand.cards) {
        card.selected = named(card, move) ? 1 : 0;
        trump = trump || (card.selected != 0 && card.suit == trumpCard.suit);
    }
    // A trump of the attacked rank may cover or pass the attack on: the
    // question it brings is answered as the record says.
    if (move.kind == MoveKind::Transfer && trump) {
        platform::queueMessageBoxAnswer(IDYES);
    }
    tapCentreOf(window, playAreaRect);
    return std::nullopt;
}

std::optional<ReplayFailure> compareMoves(const GameRecord& game, const GameRecord& played,
                                          size_t& next) {
    for (; next < played.moves.size(); ++next) {
        const std::string made = moveText(played.moves[next]);
        if (next >= game.moves.size()) {
            const int last = game.moves.empty() ? game.line : game.moves.back().line;
            return ReplayFailure{last, "the record ends here, but the game goes on: " + made};
        }
        if (!(played.moves[next] == game.moves[next])) {
            return ReplayFailure{game.moves[next].line, "the game makes '" + made + "' here"};
        }
    }
    return std::nullopt;
}

std::optional<ReplayFailure> compareResult(const GameRecord& game, uint32_t serial) {
    const std::string result = tagValue(game, "Result");
    if (result != "human" && result != "computer") {
        return std::nullopt;
    }
    const int last = game.moves.empty() ? game.line : game.moves.back().line;
    if (newGameSerial == serial) {
        return ReplayFailure{last, "the record says the " + result + " won, but the game goes on"};
    }
    const std::string played = tagValue(PreviousRecord(), "Result");
    if (played != result) {
        return ReplayFailure{last,
                             "the record says the " + result + " won, but the " + played + " did"};
    }
    return std::nullopt;
}

std::optional<ReplayFailure> dealGame(HWND window, const GameRecord& game) {
    DealCode deal;
    const std::string code = tagValue(game, "Deal");
    if (std::string problem = decodeDealCode(code, deal); !problem.empty()) {
        return ReplayFailure{game.line, "the deal '" + code + "': " + problem};
    }
    const int opponent = opponentOfName(tagValue(game, "Opponent"));
    if (opponent < 0) {
        return ReplayFailure{game.line, "no opponent named '" + tagValue(game, "Opponent") + "'"};
    }
    opponentKind = opponent;
    RequestDeal(deal);
    SendMessageW(window, WM_USER, REQUEST_NEW_GAME, 0);
    return std::nullopt;
}

} // namespace

std::optional<ReplayFailure> ReplayGame(HWND window, const GameRecord& game, ReplayStep step) {
    if (std::optional<ReplayFailure> failure = dealGame(window, game)) {
        return failure;
    }
    const uint32_t serial = newGameSerial;
    size_t next = 0;
    while (true) {
        if (step != nullptr) {
            step(playedRecord(serial).moves.size(), newGameSerial != serial);
        }
        if (std::optional<ReplayFailure> failure = compareMoves(game, playedRecord(serial), next)) {
            return failure;
        }
        if (next == game.moves.size()) {
            return compareResult(game, serial);
        }
        const RecordMove& move = game.moves[next];
        if (newGameSerial != serial) {
            return ReplayFailure{move.line, "the game is over before this move"};
        }
        if (move.player == Player::Computer) {
            return ReplayFailure{move.line, "the computer does not make this move here"};
        }
        if (std::optional<ReplayFailure> failure = makeHumanMove(window, move)) {
            return failure;
        }
        if (newGameSerial == serial && playedRecord(serial).moves.size() == next) {
            return ReplayFailure{move.line, "the game does not take this move here"};
        }
    }
}
