// SPDX-License-Identifier: MIT
#include "records/table_menu.h"

#include "game/bout_steps.h"
#include "game/texts.h"
#include "platform/menu_api.h"
#include "platform/window_api.h"
#include "records/current_deal.h"
#include "records/game_record.h"
#include "records/last_bout.h"
#include "records/opponent_menu.h"
#include "records/undo_history.h"
#include "resources/resource_ids.h"

namespace {

void addItem(HMENU menu, int command, int textId, bool usable) {
    AppendMenuW(menu, MF_STRING | (usable ? 0 : MF_GRAYED), static_cast<UINT_PTR>(command),
                textOf(textId));
}

// The last bout, and the pace of the computer's moves with a check mark.
void addPaceItems(HMENU menu) {
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    addItem(menu, IDM_LAST_BOUT, IDS_MENU_LAST_BOUT, LastBout().finished);
    const int texts[] = {IDS_MENU_PACE_INSTANT, IDS_MENU_PACE_NORMAL, IDS_MENU_PACE_SLOW};
    for (int32_t pace = PACE_INSTANT; pace <= PACE_SLOW; ++pace) {
        AppendMenuW(menu, MF_STRING | (pace == movePace ? MF_CHECKED : 0),
                    static_cast<UINT_PTR>(IDM_PACE_INSTANT + pace), textOf(texts[pace]));
    }
}

} // namespace

WPARAM ShowTableMenu(HWND window, LPARAM point) {
    DealCode deal;
    HMENU menu = CreatePopupMenu();
    addItem(menu, IDM_UNDO, IDS_MENU_UNDO, CanUndo());
    addItem(menu, IDM_REDO, IDS_MENU_REDO, CanRedo());
    addPaceItems(menu);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    addItem(menu, IDM_RESTART_DEAL, IDS_MENU_RESTART, CurrentDeal(deal));
    addItem(menu, IDM_DEAL_NUMBER, IDS_MENU_DEAL_NUMBER, true);
    addItem(menu, IDM_REPLAY_LAST, IDS_MENU_REPLAY_LAST, !PreviousRecord().tags.empty());
    AppendOpponentItems(menu);
    // From a key the menu opens where the table begins.
    int x = 8;
    int y = 30;
    if (point != -1) {
        x = static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(point)));
        y = static_cast<int16_t>(HIWORD(static_cast<uintptr_t>(point)));
    }
    const BOOL chosen = TrackPopupMenuEx(menu, TPM_RETURNCMD, x, y, window, nullptr);
    DestroyMenu(menu);
    return static_cast<WPARAM>(chosen);
}
