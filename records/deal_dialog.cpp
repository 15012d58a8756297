// SPDX-License-Identifier: MIT
#include "records/deal_dialog.h"

#include <string>

#include "game/texts.h"
#include "platform/utf.h"
#include "platform/window_api.h"
#include "records/current_deal.h"
#include "resources/resource_ids.h"
#include "settings/dialogs.h"

namespace {

DealCode chosenDeal;

void centreOverOwner(HWND dialog) {
    RECT box{};
    RECT client{};
    GetWindowRect(dialog, &box);
    GetClientRect(GetParent(dialog), &client);
    const int32_t x = ((client.right - client.left) - (box.right - box.left)) / 2;
    const int32_t y = ((client.bottom - client.top) - (box.bottom - box.top)) / 2;
    SetWindowPos(dialog, nullptr, x < 0 ? 0 : x, y < 0 ? 0 : y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

// A code that does not read is refused and the dialog stays open.
bool takeCode(HWND dialog) {
    WCHAR typed[64] = {};
    GetWindowTextW(GetDlgItem(dialog, IDC_DEAL_CODE), typed, 64);
    if (decodeDealCode(utf8FromUtf16(typed), chosenDeal).empty()) {
        return true;
    }
    MessageBoxW(dialog, textOf(IDS_DEAL_REFUSED), textOf(IDS_DEAL_TITLE), MB_ICONINFORMATION);
    return false;
}

INT_PTR DealDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    if (message == WM_INITDIALOG) {
        const std::u16string code = utf16FromUtf8(CurrentDealCode());
        SetDlgItemTextW(dialog, IDC_DEAL_CODE, code.c_str());
        centreOverOwner(dialog);
        SetFocus(GetDlgItem(dialog, IDC_DEAL_CODE));
        return 0; // the focus is set
    }
    if (message != WM_COMMAND) {
        return 0;
    }
    const int id = LOWORD(wParam);
    if (id == IDOK && takeCode(dialog)) {
        EndDialog(dialog, IDOK);
        return 1;
    }
    if (id == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return 1;
    }
    return 0;
}

} // namespace

bool ShowDealNumber(HWND /*owner*/, DealCode& deal) {
    if (RunDialogResource(IDD_DEAL_NUMBER, DealDialogProc) != IDOK) {
        return false;
    }
    deal = chosenDeal;
    return true;
}
