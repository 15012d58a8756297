// SPDX-License-Identifier: MIT
#include "records/game_record.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "cards/table.h"
#include "game/game_state.h"
#include "opponents/opponent.h"
#include "platform/messages.h"
#include "platform/runtime.h"
#include "records/current_deal.h"
#include "records/record_clock.h"
#include "records/record_file.h"
#include "records/undo_history.h"
#include "settings/settings_store.h"

namespace {

GameRecord current;
GameRecord previous;
RecordPlace place;
GameSnapshot closingTable;
bool paused = false;
bool gameOpen = false;
bool changed = false;

// A transfer first moves the table's cards to the transferring side.
bool transferPending = false;
// The deal empties the rows of the game before: no end of a bout.
bool dealing = false;

int inputDepth = 0;
size_t inputStart = 0; // the moves made before the input being handled
uint32_t computerWinsAtDeal = 0;
uint32_t humanWinsAtDeal = 0;

constexpr std::array<const char*, 6> variantNames = {"Throw-in", "Throw-in with transfers",
                                                     "Bulk",     "Bulk with transfers",
                                                     "Japanese", "Japanese with transfers"};
constexpr std::array<const char*, 3> opponentNames = {"handheld", "beginner", "expert"};

bool isInput(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK || message == WM_KEYDOWN ||
           message == WM_COMMAND;
}

bool isNewGameRequest(UINT message, WPARAM wParam) {
    return message == WM_USER && wParam == REQUEST_NEW_GAME;
}

void setTag(const std::string& name, const std::string& value) {
    for (auto& tag : current.tags) {
        if (tag.first == name) {
            changed = changed || tag.second != value;
            tag.second = value;
            return;
        }
    }
    current.tags.emplace_back(name, value);
    changed = true;
}

std::string resultNow() {
    if (computerWins != computerWinsAtDeal) {
        return "computer";
    }
    if (humanWins != humanWinsAtDeal) {
        return "human";
    }
    return "*";
}

void writeChange() {
    if (!paused && std::exchange(changed, false)) {
        writeGameRecord(RequestedRecordsFolder(), current, place);
    }
}

void closeGame() {
    if (gameOpen) {
        setTag("Result", resultNow());
        setTag("Undone", std::to_string(UndoneMoves()));
        writeChange();
        previous = current;
    }
    gameOpen = false;
}

// The game on the table is the one recorded from now on: wins are counted
// from here, and no transfer is half noted.
void takeUpGame() {
    computerWinsAtDeal = computerWins;
    humanWinsAtDeal = humanWins;
    transferPending = false;
    gameOpen = true;
}

void openGame() {
    current = GameRecord{};
    place = RecordPlace{};
    const std::string code = CurrentDealCode();
    const auto type = static_cast<size_t>(gameType);
    setTag("Variant", type < variantNames.size() ? variantNames[type] : "?");
    setTag("Deal", code.empty() ? "?" : code);
    const RecordClock clock = readRecordClock();
    setTag("Date", clock.date);
    setTag("Time", clock.time);
    const auto opponent = static_cast<size_t>(opponentKind);
    setTag("Opponent", opponent < opponentNames.size() ? opponentNames[opponent] : "?");
    setTag("Language", interfaceLanguage == Language::English ? "en" : "ru");
    setTag("Undone", "0");
    setTag("Result", "*");
    takeUpGame();
}

void add(Player player, MoveKind kind, const CardRow* cards = nullptr) {
    RecordMove move{player, kind, {}, 0};
    if (cards != nullptr) {
        for (const Card& card : cards->cards) {
            if (card.selected != 0) {
                move.cards.emplace_back(card.suit, card.rank);
            }
        }
    }
    current.moves.push_back(move);
    changed = true;
}

// Whether this bout has seen such a move: a take or the end of a bout is
// one move, however many rows it empties. Read from the record itself, so
// that undo and redo leave nothing behind.
bool inThisBout(MoveKind kind) {
    for (auto move = current.moves.rbegin(); move != current.moves.rend(); ++move) {
        if (move->kind == kind) {
            return true;
        }
        if (move->kind == MoveKind::Lead) {
            return false;
        }
    }
    return false;
}

bool tableEmpty() {
    return cardCount(humanTableRow) == 0 && cardCount(computerTableRow) == 0;
}

// Cards from a hand to its own side of the table.
void notePlay(Player player, const CardRow& hand) {
    const bool attacking = (computerAttacks == 1) == (player == Player::Computer);
    MoveKind kind = MoveKind::Cover;
    if (transferPending) {
        kind = MoveKind::Transfer;
    } else if (attacking) {
        kind = tableEmpty() ? MoveKind::Lead : MoveKind::ThrowIn;
    }
    transferPending = false;
    add(player, kind, &hand);
}

// The table's cards to a hand. The human's take is his input, made before
// the computer adds to it; the computer's was noted when it decided, and
// the human's "done" then lets it take.
void noteTake(Player taker) {
    if (inThisBout(MoveKind::Take)) {
        if (taker == Player::Computer && inputDepth > 0 && current.moves.size() == inputStart) {
            add(Player::Human, MoveKind::Done);
        }
        return;
    }
    const RecordMove take{taker, MoveKind::Take, {}, 0};
    if (taker == Player::Human && inputDepth > 0 && inputStart <= current.moves.size()) {
        current.moves.insert(current.moves.begin() + static_cast<std::ptrdiff_t>(inputStart), take);
        changed = true;
    } else {
        add(taker, MoveKind::Take);
    }
}

void noteRows(const CardRow& from, const CardRow* to) {
    if (!gameOpen || (dealing && to == nullptr)) {
        return;
    }
    dealing = false;
    const bool fromTable = &from == &humanTableRow || &from == &computerTableRow;
    if (to == nullptr) {
        if (fromTable && !inThisBout(MoveKind::Done)) {
            add(computerAttacks == 1 ? Player::Computer : Player::Human, MoveKind::Done);
        }
    } else if (&from == &humanHand && to == &humanTableRow) {
        notePlay(Player::Human, from);
    } else if (&from == &computerHand && to == &computerTableRow) {
        notePlay(Player::Computer, from);
    } else if (fromTable && (to == &humanTableRow || to == &computerTableRow)) {
        transferPending = true;
    } else if (fromTable && (to == &humanHand || to == &computerHand)) {
        noteTake(to == &humanHand ? Player::Human : Player::Computer);
    }
}

// The computer takes when it cannot cover; the human may still throw in.
void noteComputerTaking() {
    if (gameOpen && throwInAllowance > 0 && !inThisBout(MoveKind::Take)) {
        add(Player::Computer, MoveKind::Take);
    }
}

} // namespace

void StartRecording() {
    watchRows(noteRows);
}

void RecordMessageBegin(UINT message, WPARAM wParam) {
    // The window empties the rows as it goes: the game is left as it was.
    if (message == WM_DESTROY) {
        closeGame();
    }
    if (isNewGameRequest(message, wParam)) {
        closingTable = TakeSnapshot();
        closeGame();
        openGame();
        dealing = true;
    }
    if (isInput(message) && inputDepth++ == 0) {
        inputStart = current.moves.size();
    }
    noteComputerTaking();
}

void RecordMessageEnd(UINT message, WPARAM wParam) {
    if (isNewGameRequest(message, wParam)) {
        dealing = false;
    }
    if (isInput(message)) {
        --inputDepth;
    }
    noteComputerTaking();
    if (gameOpen) {
        setTag("Undone", std::to_string(UndoneMoves()));
    }
}

const GameRecord& CurrentRecord() {
    return current;
}

const GameRecord& PreviousRecord() {
    return previous;
}

size_t RecordedMoves() {
    return current.moves.size();
}

std::vector<RecordMove> TakeMovesFrom(size_t count) {
    std::vector<RecordMove> taken;
    if (count < current.moves.size()) {
        taken.assign(current.moves.begin() + static_cast<std::ptrdiff_t>(count),
                     current.moves.end());
        current.moves.resize(count);
        changed = true;
    }
    setTag("Undone", std::to_string(UndoneMoves()));
    return taken;
}

void PutMovesBack(const std::vector<RecordMove>& moves) {
    current.moves.insert(current.moves.end(), moves.begin(), moves.end());
    changed = changed || !moves.empty();
}

void WriteRecord() {
    writeChange();
}

const GameSnapshot& ClosingTable() {
    return closingTable;
}

void PauseRecordWriting(bool pause) {
    paused = pause;
    changed = changed || !pause;
}

void ContinueRecord(const GameRecord& game, size_t count) {
    current = game;
    current.moves.resize(std::min(count, game.moves.size()));
    place = RecordPlace{};
    const RecordClock clock = readRecordClock();
    setTag("Date", clock.date);
    setTag("Time", clock.time);
    setTag("Result", "*");
    setTag("Undone", "0");
    takeUpGame();
    changed = true;
}

void DropRecord() {
    gameOpen = false;
    changed = false;
}

bool KeepRecord(KeptRecord& kept) {
    if (!gameOpen || paused) {
        return false;
    }
    kept.game = current;
    kept.placed = place.placed;
    kept.offset = place.offset;
    kept.end = place.end;
    CopyRecordHistory(kept.undoCounts, kept.redoMoves);
    return true;
}

void ResumeRecord(const KeptRecord& kept) {
    current = kept.game;
    place = kept.placed ? placeInFolder(RequestedRecordsFolder(), current, kept.offset, kept.end)
                        : RecordPlace{};
    PutRecordHistory(kept.undoCounts, kept.redoMoves);
    takeUpGame();
    dealing = false;
    changed = false;
}

void FindPreviousRecord() {
    if (previous.tags.empty() && !RequestedRecordsFolder().empty()) {
        lastGameInFolder(RequestedRecordsFolder(), current, place, previous);
    }
}
