// SPDX-License-Identifier: MIT
#include "records/replay_view.h"

#include <vector>

#include "game/game_state.h"
#include "platform/menu_api.h"
#include "platform/messages.h"
#include "platform/window_api.h"
#include "records/current_deal.h"
#include "records/game_record.h"
#include "records/game_snapshot.h"
#include "records/replay_game.h"
#include "records/undo_history.h"

namespace {

// A position of the game shown: the table, and the record's moves made
// up to it.
struct Position {
    GameSnapshot table;
    size_t moves = 0;
    bool over = false; // the game's end: playing on deals the next
};

std::vector<Position> positions;
size_t shown = 0;
bool replaying = false;
GameRecord replayed;
KeptDeal replayedDeal;

void notePosition(size_t moves, bool over) {
    if (positions.empty()) {
        replayedDeal = CurrentKeptDeal();
    }
    positions.push_back(Position{over ? ClosingTable() : TakeSnapshot(), moves, over});
}

void show(size_t index) {
    shown = index;
    RestoreSnapshot(positions[shown].table);
}

void leave() {
    replaying = false;
    ForgetHistory();
    DropRecord();
    PauseRecordWriting(false);
}

// The player takes over: the game goes on from the position shown, its
// record as far as that position a new game of the file. A tap on the end
// of a game deals the next; false when it takes the tap.
bool takeOver(HWND window) {
    leave();
    if (positions[shown].over) {
        SendMessageW(window, WM_USER, REQUEST_NEW_GAME, 0);
        return true;
    }
    ContinueRecord(replayed, positions[shown].moves);
    return false;
}

bool isStep(WPARAM key) {
    return key == VK_LEFT || key == VK_RIGHT || key == VK_HOME || key == VK_END;
}

} // namespace

bool OpenReplay(HWND window, const GameRecord& game, std::string& problem) {
    positions.clear();
    std::optional<ReplayFailure> failure;
    PauseRecordWriting(true);
    {
        QuietMessageBoxes quiet;
        failure = ReplayGame(window, game, notePosition);
    }
    if (failure || positions.empty()) {
        problem = failure ? std::to_string(failure->line) + ": " + failure->what : "no position";
        PauseRecordWriting(false);
        return false;
    }
    replayed = game;
    replaying = true;
    PutKeptDeal(replayedDeal);
    ForgetHistory();
    show(positions.size() - 1);
    return true;
}

bool HandleReplayMessage(HWND window, UINT message, WPARAM wParam) {
    if (!replaying) {
        return false;
    }
    if (message == WM_KEYDOWN && isStep(wParam)) {
        const size_t last = positions.size() - 1;
        if (wParam == VK_LEFT) {
            show(shown > 0 ? shown - 1 : 0);
        } else if (wParam == VK_RIGHT) {
            show(shown < last ? shown + 1 : last);
        } else {
            show(wParam == VK_HOME ? 0 : last);
        }
        return true;
    }
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK || message == WM_KEYDOWN) {
        return takeOver(window);
    }
    // A command or the menu ends the showing: what it does is done to the
    // position shown, and the game is recorded again from the next deal.
    if (message == WM_COMMAND || message == WM_CONTEXTMENU) {
        leave();
    }
    return false;
}

bool Replaying() {
    return replaying;
}
