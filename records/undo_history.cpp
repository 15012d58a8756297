// SPDX-License-Identifier: MIT
#include "records/undo_history.h"

#include <cstddef>
#include <utility>
#include <vector>

#include "computer/reasons.h"
#include "game/end_of_game.h"
#include "game/game_state.h"
#include "opponents/game_position.h"
#include "platform/messages.h"
#include "records/current_deal.h"
#include "records/game_record.h"
#include "records/game_snapshot.h"
#include "records/kept_record.h"

namespace {

std::vector<GameSnapshot> undoSteps;
std::vector<GameSnapshot> redoSteps;
int undoneMoves = 0;
// Beside each step, where the game's record stood before it (unknown for
// a resumed history), and the record's moves that an undo took away.
std::vector<size_t> undoRecordCounts;
std::vector<std::vector<RecordMove>> redoRecordMoves;
size_t recordedBefore = 0;
// Beside each step, what "Why?" said of the computer's move before it, so
// that an undone move is not explained (unknown for a resumed history).
struct WhyNote {
    ComputerReason reason;
    LastDecision decision;
};
std::vector<WhyNote> undoWhy;
std::vector<WhyNote> redoWhy;
WhyNote whyBefore;

WhyNote currentWhy() {
    return WhyNote{computerReason, lastDecision};
}

void putWhy(const WhyNote& note) {
    computerReason = note.reason;
    lastDecision = note.decision;
}

int depth = 0;
bool watching = false;
uint32_t serialBefore = 0;
GameSnapshot before;

// What the human does: the pen, the keys, the commands.
bool isInput(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK || message == WM_KEYDOWN ||
           message == WM_COMMAND;
}

bool isNewGameRequest(UINT message, WPARAM wParam) {
    return message == WM_USER && wParam == REQUEST_NEW_GAME;
}

} // namespace

void BeginTableMessage(UINT message, WPARAM wParam) {
    if (isNewGameRequest(message, wParam)) {
        NoteDealStart();
    }
    if (depth++ == 0 && isInput(message)) {
        watching = true;
        serialBefore = newGameSerial;
        before = TakeSnapshot();
        recordedBefore = RecordedMoves();
        whyBefore = currentWhy();
    }
}

void EndTableMessage(UINT message, WPARAM wParam) {
    if (isNewGameRequest(message, wParam)) {
        ForgetHistory();
    }
    if (--depth != 0 || !watching) {
        return;
    }
    watching = false;
    if (newGameSerial != serialBefore) {
        return;
    }
    if (MoveBetween(before, TakeSnapshot())) {
        undoSteps.push_back(std::move(before));
        undoRecordCounts.push_back(recordedBefore);
        undoWhy.push_back(whyBefore);
        redoSteps.clear();
        redoRecordMoves.clear();
        redoWhy.clear();
    }
}

bool CanUndo() {
    return !undoSteps.empty();
}

bool CanRedo() {
    return !redoSteps.empty();
}

bool UndoMove() {
    if (undoSteps.empty()) {
        return false;
    }
    redoSteps.push_back(TakeSnapshot());
    RestoreSnapshot(undoSteps.back());
    undoSteps.pop_back();
    ++undoneMoves;
    redoRecordMoves.push_back(TakeMovesFrom(undoRecordCounts.back()));
    undoRecordCounts.pop_back();
    redoWhy.push_back(currentWhy());
    putWhy(undoWhy.back());
    undoWhy.pop_back();
    return true;
}

bool RedoMove() {
    if (redoSteps.empty()) {
        return false;
    }
    undoSteps.push_back(TakeSnapshot());
    RestoreSnapshot(redoSteps.back());
    redoSteps.pop_back();
    undoRecordCounts.push_back(RecordedMoves());
    PutMovesBack(redoRecordMoves.back());
    redoRecordMoves.pop_back();
    undoWhy.push_back(currentWhy());
    putWhy(redoWhy.back());
    redoWhy.pop_back();
    return true;
}

int UndoneMoves() {
    return undoneMoves;
}

void ForgetHistory() {
    undoSteps.clear();
    redoSteps.clear();
    undoneMoves = 0;
    undoRecordCounts.clear();
    redoRecordMoves.clear();
    undoWhy.clear();
    redoWhy.clear();
}

void CopyHistory(std::vector<GameSnapshot>& undo, std::vector<GameSnapshot>& redo, int& undone) {
    undo = undoSteps;
    redo = redoSteps;
    undone = undoneMoves;
}

void PutHistory(std::vector<GameSnapshot> undo, std::vector<GameSnapshot> redo, int undone) {
    undoSteps = std::move(undo);
    redoSteps = std::move(redo);
    undoneMoves = undone;
    undoRecordCounts.assign(undoSteps.size(), UNKNOWN_RECORD_COUNT);
    redoRecordMoves.assign(redoSteps.size(), {});
    undoWhy.assign(undoSteps.size(), WhyNote{});
    redoWhy.assign(redoSteps.size(), WhyNote{});
}

void CopyRecordHistory(std::vector<size_t>& counts, std::vector<std::vector<RecordMove>>& moves) {
    counts = undoRecordCounts;
    moves = redoRecordMoves;
}

void PutRecordHistory(std::vector<size_t> counts, std::vector<std::vector<RecordMove>> moves) {
    if (counts.size() == undoSteps.size() && moves.size() == redoSteps.size()) {
        undoRecordCounts = std::move(counts);
        redoRecordMoves = std::move(moves);
    }
}
