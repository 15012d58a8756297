// SPDX-License-Identifier: MIT
#include "records/table_records.h"

#include <iostream>

#include "game/bout_steps.h"
#include "game/game_state.h"
#include "game/texts.h"
#include "game/variants.h"
#include "platform/caption_api.h"
#include "platform/menu_api.h"
#include "platform/messages.h"
#include "platform/runtime.h"
#include "platform/text_format.h"
#include "platform/utf.h"
#include "platform/window_api.h"
#include "records/current_deal.h"
#include "records/deal_dialog.h"
#include "records/game_record.h"
#include "records/last_bout.h"
#include "records/opponent_menu.h"
#include "records/record_reading.h"
#include "records/replay_check.h"
#include "records/replay_view.h"
#include "records/resume.h"
#include "records/table_menu.h"
#include "records/undo_history.h"
#include "resources/resource_ids.h"

namespace {

// "Подкидной · W4PG-1HR93N9" where the system shows the title (the desktop
// adds the program's name); the window's own text stays the variant's name.
void showDealInTitle(HWND window) {
    if (LPCWSTR name = gameTypeName(gameType)) {
        WCHAR shown[256] = {};
        GetWindowTextW(window, shown, 256);
        if (std::u16string(shown) != name) {
            SetWindowTextW(window, name);
        }
    }
    std::u16string note;
    const std::string code = CurrentDealCode();
    if (!code.empty()) {
        note = u" · " + utf16FromUtf8(code);
    }
    SetWindowCaptionNote(window, note.c_str());
}

void dealAgain(HWND window, const DealCode& deal) {
    RequestDeal(deal);
    SendMessageW(window, WM_USER, REQUEST_NEW_GAME, 0);
}

// Shows the game move by move; says why when it does not replay.
void replay(HWND window, const GameRecord& game, const std::string& where) {
    std::string problem;
    if (!OpenReplay(window, game, problem)) {
        WCHAR text[256] = {};
        wsprintfW(text, textOf(IDS_REPLAY_REFUSED), utf16FromUtf8(where + problem).c_str());
        MessageBoxW(window, text, u"", MB_OK | MB_ICONINFORMATION);
    }
    showDealInTitle(window);
}

// --replay FILE (FILE#N): that game, or the file's last.
void replayAsked(HWND window) {
    if (RequestedReplay().empty() || RequestedReplayCheck()) {
        return;
    }
    RecordFile file;
    if (std::string problem = readRecordFile(RequestedReplay(), file); !problem.empty()) {
        std::cerr << "talonix: --replay " << problem << "\n";
        return;
    }
    const size_t index = file.chosen != 0 ? file.chosen - 1 : file.games.size() - 1;
    replay(window, file.games[index], file.name + ":");
}

// The records' commands; false for any other.
bool runCommand(HWND window, WPARAM id) {
    DealCode deal;
    switch (id) {
    case IDM_UNDO:
        UndoMove();
        return true;
    case IDM_REDO:
        RedoMove();
        return true;
    case IDM_RESTART_DEAL:
        if (CurrentDeal(deal)) {
            dealAgain(window, deal);
        }
        return true;
    case IDM_DEAL_NUMBER:
        if (ShowDealNumber(window, deal)) {
            dealAgain(window, deal);
        }
        return true;
    case IDM_REPLAY_LAST:
        if (!PreviousRecord().tags.empty()) {
            const GameRecord last = PreviousRecord();
            replay(window, last, "");
        }
        return true;
    case IDM_LAST_BOUT:
        ShowLastBout(window);
        return true;
    case IDM_PACE_INSTANT:
    case IDM_PACE_NORMAL:
    case IDM_PACE_SLOW:
        StorePace(static_cast<int32_t>(id - IDM_PACE_INSTANT));
        return true;
    default:
        return RunOpponentCommand(id);
    }
}

// The check runs once the table is made, and the run ends after it.
void runReplayCheck(HWND window) {
    if (RequestedReplayCheck()) {
        SetExitStatus(RunReplayCheck(window));
        PostMessageW(window, WM_COMMAND, IDM_EXIT, 0);
    }
}

LRESULT handleTableMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                           TableHandler handle) {
    if (HandleReplayMessage(window, message, wParam)) {
        showDealInTitle(window);
        return 0;
    }
    if (message == WM_COMMAND && runCommand(window, LOWORD(wParam))) {
        return 0;
    }
    if (message == WM_CONTEXTMENU) {
        runCommand(window, ShowTableMenu(window, lParam));
        return 0;
    }
    if (message == WM_KEYDOWN && wParam == VK_APPS) {
        runCommand(window, ShowTableMenu(window, -1));
        return 0;
    }
    if (message == WM_KEYDOWN && wParam == 'L' && (lParam & KF_CTRLDOWN_LPARAM) == 0) {
        ShowLastBout(window);
        return 0;
    }
    if (message == WM_CREATE) {
        KeepLastBout();
        StartRecording();
        if (!RequestedDealCode().empty()) {
            RequestDealCode(RequestedDealCode());
        }
    }
    BeginTableMessage(message, wParam);
    RecordMessageBegin(message, wParam);
    const LRESULT result = handle(window, message, wParam, lParam);
    EndTableMessage(message, wParam);
    RecordMessageEnd(message, wParam);
    if (message == WM_USER && wParam == REQUEST_NEW_GAME) {
        showDealInTitle(window);
    }
    // A deal asked for by number is played rather than the kept game.
    if (message == WM_CREATE) {
        if (RequestedDealCode().empty()) {
            ResumeKeptGame(window);
        }
        FindPreviousRecord();
        showDealInTitle(window);
        replayAsked(window);
        runReplayCheck(window);
    }
    return result;
}

int depth = 0;

} // namespace

// The game is kept once a message has been handled to its end, nested
// requests included; never once the window is going.
LRESULT KeepRecords(HWND window, UINT message, WPARAM wParam, LPARAM lParam, TableHandler handle) {
    if (message == WM_DESTROY) {
        StopKeeping();
    }
    ++depth;
    const LRESULT result = handleTableMessage(window, message, wParam, lParam, handle);
    --depth;
    // The record first: the game kept holds where it was written.
    if (depth == 0 && message != WM_PAINT) {
        WriteRecord();
        KeepGame();
    }
    return result;
}

void RequestDealCode(const std::string& code) {
    DealCode deal;
    if (decodeDealCode(code, deal).empty()) {
        RequestDeal(deal);
    }
}
