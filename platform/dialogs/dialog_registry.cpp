// SPDX-License-Identifier: MIT
// The open dialogs, innermost last, and how a window leads to its dialog.
// Windows are matched against the registry rather than trusted through
// their user data, so a stray message never reaches a dialog that is gone.
#include <algorithm>
#include <vector>

#include "platform/dialogs/control.h"
#include "platform/screen.h"
#include "platform/window_api.h"

namespace platform::dialogs {
namespace {

std::vector<Dialog*>& openDialogs() {
    static std::vector<Dialog*> dialogs;
    return dialogs;
}

} // namespace

void registerOpenDialog(Dialog& dialog) {
    openDialogs().push_back(&dialog);
}

void unregisterOpenDialog(Dialog& dialog) {
    std::erase(openDialogs(), &dialog);
}

Dialog* innermostDialog() {
    return openDialogs().empty() ? nullptr : openDialogs().back();
}

Dialog* dialogOfFrame(HWND window) {
    if (window == nullptr) {
        return nullptr;
    }
    for (Dialog* dialog : openDialogs()) {
        if (dialog->window == window) {
            return dialog;
        }
    }
    return nullptr;
}

Dialog* dialogOwning(HWND window) {
    if (window == nullptr) {
        return nullptr;
    }
    for (Dialog* dialog : openDialogs()) {
        if (dialog->window == window || dialog->controlByWindow(window) != nullptr) {
            return dialog;
        }
    }
    return nullptr;
}

Control* Dialog::controlById(int id) const {
    for (const auto& control : controls) {
        if (control->id() == id) {
            return control.get();
        }
    }
    return nullptr;
}

Control* Dialog::controlByWindow(HWND target) const {
    if (target == nullptr) {
        return nullptr;
    }
    for (const auto& control : controls) {
        if (control->window() == target || control->popup() == target) {
            return control.get();
        }
    }
    return nullptr;
}

Control* Dialog::focusedControl() const {
    HWND focus = GetFocus();
    for (const auto& control : controls) {
        if (control->window() == focus) {
            return control.get();
        }
    }
    return nullptr;
}

void sendCommand(Dialog& dialog, int id, HWND from, WORD code) {
    auto wParam = static_cast<WPARAM>(static_cast<WORD>(id)) | (static_cast<WPARAM>(code) << 16);
    SendMessageW(dialog.window, WM_COMMAND, wParam, reinterpret_cast<LPARAM>(from));
}

} // namespace platform::dialogs

namespace platform {

bool modalDialogOpen() {
    return dialogs::innermostDialog() != nullptr;
}

} // namespace platform
