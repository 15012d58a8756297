// SPDX-License-Identifier: MIT
// The Statistics dialog: the games each side has won, and a button that
// clears both counts.
#include "game/end_of_game.h"
#include "game/texts.h"
#include "platform/registry/registry_store.h"
#include "platform/text_format.h"
#include "platform/window_api.h"
#include "resources/resource_ids.h"
#include "settings/dialogs.h"
#include "settings/settings_store.h"

static void ShowCounts(HWND dialog) {
    WCHAR text[32];
    wsprintfW(text, u"%d\n%d", static_cast<int>(computerWins), static_cast<int>(humanWins));
    SetDlgItemTextW(dialog, IDC_STATISTICS_COUNTS, text);
}

// Centres the dialog over its owner's client area, but never above or left
// of its top-left corner.
static void CentreOverOwner(HWND dialog) {
    RECT dialogRect = {0, 0, 0, 0};
    RECT client = {0, 0, 0, 0};
    GetWindowRect(dialog, &dialogRect);
    GetClientRect(GetParent(dialog), &client);
    int32_t x = ((client.right - client.left) - (dialogRect.right - dialogRect.left)) / 2;
    int32_t y = ((client.bottom - client.top) - (dialogRect.bottom - dialogRect.top)) / 2;
    if (x < 0) {
        x = 0;
    }
    if (y < 0) {
        y = 0;
    }
    SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

static INT_PTR StatisticsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    if (message == WM_INITDIALOG) {
        CentreOverOwner(dialog);
        ShowCounts(dialog);
        return 1;
    }
    if (message != WM_COMMAND) {
        return 0;
    }
    int id = LOWORD(wParam);
    if (id == 0) {
        return 0;
    }
    if (id == IDOK || id == IDCANCEL) {
        EndDialog(dialog, id);
        return 1;
    }
    if (id == IDC_STATISTICS_CLEAR) {
        computerWins = 0;
        humanWins = 0;
        {
            platform::SettingsUpdate update; // both counts in one replacement
            platform::writeStoredValue(StoredValue::ComputerWins, 0);
            platform::writeStoredValue(StoredValue::HumanWins, 0);
        }
        ShowCounts(dialog);
        return 0;
    }
    return 0;
}

void ShowStatistics() {
    RunDialogResource(IDD_STATISTICS, StatisticsDialogProc);
}
