// SPDX-License-Identifier: MIT
// The Options dialog: the variant, the card back, the table colour and three
// play options, applied and stored together when the dialog is confirmed.
#include "cards/table.h"
#include "game/game_state.h"
#include "game/texts.h"
#include "platform/registry/registry_store.h"
#include "platform/window_api.h"
#include "resources/resource_ids.h"
#include "settings/dialogs.h"
#include "settings/settings_store.h"
#include "window/main_window.h"

static const int32_t cardBackCount = 5;
static const int32_t tableColourCount = 5;

static void CheckIf(HWND dialog, int id, int32_t condition) {
    if (condition) {
        SendMessageW(GetDlgItem(dialog, id), BM_SETCHECK, BST_CHECKED, 0);
    }
}

static int32_t IsChecked(HWND dialog, int id) {
    return SendMessageW(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

// The selected line of a list (LB_GETCURSEL) or drop-down list
// (CB_GETCURSEL), or -1 (LB_ERR, CB_ERR) when none is.
static LRESULT SelectedLine(HWND dialog, int id, UINT query) {
    return SendMessageW(GetDlgItem(dialog, id), query, 0, 0);
}

static INT_PTR OptionsOpen(HWND dialog) {
    HWND variants = GetDlgItem(dialog, IDC_GAME_TYPE);
    for (int32_t i = 0; i < gameTypeCount; i++) {
        SendMessageW(variants, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(gameTypeName(i)));
    }
    // A stored type outside the list selects no line.
    SendMessageW(variants, CB_SETCURSEL, static_cast<WPARAM>(static_cast<intptr_t>(gameType)), 0);

    HWND backs = GetDlgItem(dialog, IDC_CARD_BACK);
    for (int32_t i = 0; i < cardBackCount; i++) {
        SendMessageW(backs, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(textOf(IDS_CARD_BACK_FIRST + i)));
    }
    HWND colours = GetDlgItem(dialog, IDC_TABLE_COLOUR);
    for (int32_t i = 0; i < tableColourCount; i++) {
        SendMessageW(colours, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(textOf(IDS_TABLE_COLOUR_FIRST + i)));
    }

    CheckIf(dialog, IDC_SHOW_TALON_COUNT, showTalonCount == 1);
    CheckIf(dialog, IDC_DOUBLE_TAP, doubleTapPlays == 1);
    CheckIf(dialog, IDC_HIDE_HAND_SIZE, computerHandStyle == 5);
    return 1;
}

static void OptionsConfirm(HWND dialog) {
    LRESULT type = SelectedLine(dialog, IDC_GAME_TYPE, CB_GETCURSEL);
    if (type != CB_ERR && type != gameType) {
        gameType = static_cast<int32_t>(type);
        transferVariant = transferVariantFor(gameType);
        SetWindowTextW(mainWindow, gameTypeName(gameType));
        sendRequest(REQUEST_NEW_GAME);
    }

    // The running game keeps its layout; the style shows from the next deal.
    computerHandStyle = IsChecked(dialog, IDC_HIDE_HAND_SIZE) ? 5 : 4;
    showTalonCount = IsChecked(dialog, IDC_SHOW_TALON_COUNT);
    doubleTapPlays = IsChecked(dialog, IDC_DOUBLE_TAP);

    LRESULT colour = SelectedLine(dialog, IDC_TABLE_COLOUR, LB_GETCURSEL);
    if (colour != LB_ERR) {
        tableColourIndex = static_cast<int32_t>(colour);
    }
    LRESULT back = SelectedLine(dialog, IDC_CARD_BACK, LB_GETCURSEL);
    if (back != LB_ERR) {
        cardBackIndex = static_cast<int32_t>(back);
        setBackStyle(humanHand, cardBackIndex);
        setBackStyle(computerHand, cardBackIndex);
        talonCard.backStyle = cardBackIndex;
        repaintCard(talonCard);
    }

    // The dialog's values replace the file together, or not at all.
    {
        platform::SettingsUpdate update;
        platform::writeStoredValue(StoredValue::GameType, static_cast<uint32_t>(gameType));
        platform::writeStoredValue(StoredValue::ComputerHandStyle,
                                   static_cast<uint32_t>(computerHandStyle));
        platform::writeStoredValue(StoredValue::ShowTalonCount,
                                   static_cast<uint32_t>(showTalonCount));
        platform::writeStoredValue(StoredValue::DoubleTapPlays,
                                   static_cast<uint32_t>(doubleTapPlays));
        if (colour != LB_ERR) {
            platform::writeStoredValue(StoredValue::TableColour,
                                       static_cast<uint32_t>(tableColourIndex));
        }
        if (back != LB_ERR) {
            platform::writeStoredValue(StoredValue::CardBack, static_cast<uint32_t>(cardBackIndex));
        }
    }

    InvalidateRect(mainWindow, nullptr, FALSE);
    EndDialog(dialog, IDOK);
}

static INT_PTR OptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    if (message == WM_INITDIALOG) {
        return OptionsOpen(dialog);
    }
    if (message != WM_COMMAND) {
        return 0;
    }
    switch (LOWORD(wParam)) {
    case IDOK:
        OptionsConfirm(dialog);
        return 1;
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        return 1;
    default:
        return 0;
    }
}

void ShowOptions() {
    RunDialogResource(IDD_OPTIONS, OptionsDialogProc);
}
