// SPDX-License-Identifier: MIT
// Reaching a dialog's controls by id.
#include "platform/dialogs/control.h"
#include "platform/window_api.h"

HWND GetDlgItem(HWND dialogWindow, int id) {
    platform::dialogs::Dialog* dialog = platform::dialogs::dialogOfFrame(dialogWindow);
    if (dialog == nullptr) {
        return nullptr;
    }
    platform::dialogs::Control* control = dialog->controlById(id);
    return control != nullptr ? control->window() : nullptr;
}

BOOL SetDlgItemTextW(HWND dialogWindow, int id, LPCWSTR text) {
    HWND item = GetDlgItem(dialogWindow, id);
    if (item == nullptr) {
        return FALSE;
    }
    return SetWindowTextW(item, text);
}
