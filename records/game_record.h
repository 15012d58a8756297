// SPDX-License-Identifier: MIT
// The record of the game on the table, kept move by move as it is played:
// every card that leaves a hand for the table, every take and every end of
// a bout passes the rows' watcher (cards/card_row.h), and is named here by
// who played it and what it was.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/win_types.h"
#include "records/game_snapshot.h"
#include "records/kept_record.h"
#include "records/record_text.h"

// Watches the rows from now on (once, when the table's window is made).
void StartRecording();

// Around every message the table's window handles: a new deal closes the
// record of the game before and opens the next; an input opens a move.
void RecordMessageBegin(UINT message, WPARAM wParam);
void RecordMessageEnd(UINT message, WPARAM wParam);

// The game on the table, and the last one closed (finished or left).
const GameRecord& CurrentRecord();
const GameRecord& PreviousRecord();

// For undo and redo: the moves from count on are taken away or put back.
size_t RecordedMoves();
std::vector<RecordMove> TakeMovesFrom(size_t count);
void PutMovesBack(const std::vector<RecordMove>& moves);

// Writes the record into the records folder (RequestedRecordsFolder), if
// it changed since it was last written.
void WriteRecord();

// The table as the last game ended, before the next was dealt.
const GameSnapshot& ClosingTable();

// While paused, nothing is written (a game played again to be shown).
void PauseRecordWriting(bool paused);
// The player takes over a game shown in replay: its record, as far as
// count moves, goes on as a new game of the file.
void ContinueRecord(const GameRecord& game, size_t count);
// Nothing more is recorded until the next deal.
void DropRecord();

// The record of the game in progress, to be kept with it; false when it is
// not being recorded.
bool KeepRecord(KeptRecord& kept);
// A kept game taken up by a new run: its record goes on where it stood.
void ResumeRecord(const KeptRecord& kept);
// In a run that has closed no game yet: the game before is the last one
// its records folder holds.
void FindPreviousRecord();
