// SPDX-License-Identifier: MIT
// Undo and redo within the game in progress: a snapshot of the table before
// each of the human's moves (the computer's answer belongs to the move).
// A new game, however it comes, starts an empty history: a finished game is
// final.
#pragma once

#include <vector>

#include "platform/win_types.h"
#include "records/game_snapshot.h"
#include "records/record_text.h"

// Around every message of the main window: the outermost input message that
// moves a card becomes one step of the history.
void BeginTableMessage(UINT message, WPARAM wParam);
void EndTableMessage(UINT message, WPARAM wParam);

bool CanUndo();
bool CanRedo();
// Each returns whether it changed the table.
bool UndoMove();
bool RedoMove();
// Moves taken back in this game (the record of the game says how many).
int UndoneMoves();

void ForgetHistory();

// The history as a resumed game brings it, and as it is kept.
void CopyHistory(std::vector<GameSnapshot>& undo, std::vector<GameSnapshot>& redo, int& undone);
void PutHistory(std::vector<GameSnapshot> undo, std::vector<GameSnapshot> redo, int undone);
// The record's side of the history, kept with the game: where the record
// stood before each step that can be undone, and the moves each redo puts
// back. Put after PutHistory.
void CopyRecordHistory(std::vector<size_t>& counts, std::vector<std::vector<RecordMove>>& moves);
void PutRecordHistory(std::vector<size_t> counts, std::vector<std::vector<RecordMove>> moves);
