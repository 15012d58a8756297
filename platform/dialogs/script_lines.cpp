// SPDX-License-Identifier: MIT
// The script's dialog lines do what the pen would: a check sets a check box
// (notifying the procedure as a tap does when the state changes), a select
// picks a line of a list, a press taps a button. Pressing 1 or 2 in a dialog
// with no such button is the title bar's OK or close.
#include "platform/dialogs/script_lines.h"

#include "platform/dialogs/control.h"
#include "platform/dialogs/control_messages.h"
#include "platform/screen.h"
#include "platform/window_api.h"

namespace platform::dialogs {
namespace {

bool isList(const Control& control) {
    return control.kind() == DialogControlKind::ListBox ||
           control.kind() == DialogControlKind::DropDownList;
}

bool isButton(const Control& control) {
    return control.kind() == DialogControlKind::PushButton ||
           control.kind() == DialogControlKind::DefaultPushButton ||
           control.kind() == DialogControlKind::CheckBox;
}

int lineCount(Control& control) {
    UINT message = control.kind() == DialogControlKind::ListBox ? LB_GETCOUNT : CB_GETCOUNT;
    return static_cast<int>(SendMessageW(control.window(), message, 0, 0));
}

std::string describeDialog(const Dialog& dialog) {
    return "dialog " + std::to_string(dialog.templateId);
}

std::string checkError(const Dialog& dialog, int id, int value) {
    Control* control = dialog.controlById(id);
    if (control == nullptr) {
        return describeDialog(dialog) + " has no control " + std::to_string(id);
    }
    if (control->kind() != DialogControlKind::CheckBox) {
        return "control " + std::to_string(id) + " of " + describeDialog(dialog) +
               " is not a check box";
    }
    if (value != 0 && value != 1) {
        return "a check box takes 0 or 1, not " + std::to_string(value);
    }
    return {};
}

std::string selectError(const Dialog& dialog, int id, int value) {
    Control* control = dialog.controlById(id);
    if (control == nullptr) {
        return describeDialog(dialog) + " has no control " + std::to_string(id);
    }
    if (!isList(*control)) {
        return "control " + std::to_string(id) + " of " + describeDialog(dialog) + " is not a list";
    }
    int count = lineCount(*control);
    if (value < 0 || value >= count) {
        return "line " + std::to_string(value) + " is not in list " + std::to_string(id) +
               " (lines 0 to " + std::to_string(count - 1) + ")";
    }
    return {};
}

std::string pressError(const Dialog& dialog, int id) {
    Control* control = dialog.controlById(id);
    if (control == nullptr) {
        if (id == IDOK || id == IDCANCEL) {
            return {};
        }
        return describeDialog(dialog) + " has no button " + std::to_string(id);
    }
    if (!isButton(*control)) {
        return "control " + std::to_string(id) + " of " + describeDialog(dialog) +
               " is not a button";
    }
    return {};
}

std::string lineError(const Dialog& dialog, UINT message, int id, int value) {
    switch (message) {
    case WM_SCRIPT_CHECK:
        return checkError(dialog, id, value);
    case WM_SCRIPT_SELECT:
        return selectError(dialog, id, value);
    case WM_SCRIPT_PRESS:
        return pressError(dialog, id);
    default:
        return "not a dialog line";
    }
}

} // namespace

LRESULT runScriptLine(Dialog& dialog, UINT message, int id, int value) {
    if (!lineError(dialog, message, id, value).empty()) {
        return 0;
    }
    // Whatever the line does, it is a tap away from an open drop-down list.
    closeDropDown(dialog);
    Control* control = dialog.controlById(id);
    switch (message) {
    case WM_SCRIPT_CHECK: {
        auto wanted = static_cast<WPARAM>(value);
        if (static_cast<WPARAM>(SendMessageW(control->window(), BM_GETCHECK, 0, 0)) != wanted) {
            SendMessageW(control->window(), BM_SETCHECK, wanted, 0);
            control->notify(BN_CLICKED);
        }
        return 1;
    }
    case WM_SCRIPT_SELECT: {
        bool listBox = control->kind() == DialogControlKind::ListBox;
        UINT get = listBox ? LB_GETCURSEL : CB_GETCURSEL;
        UINT set = listBox ? LB_SETCURSEL : CB_SETCURSEL;
        if (SendMessageW(control->window(), get, 0, 0) != value) {
            SendMessageW(control->window(), set, static_cast<WPARAM>(value), 0);
            control->notify(listBox ? LBN_SELCHANGE : CBN_SELCHANGE);
        }
        return 1;
    }
    case WM_SCRIPT_PRESS:
        if (control != nullptr) {
            control->press();
        } else {
            sendCommand(dialog, id);
        }
        return 1;
    default:
        return 0;
    }
}

} // namespace platform::dialogs

namespace platform {

std::string scriptLineError(UINT message, int id, int value) {
    dialogs::Dialog* dialog = dialogs::innermostDialog();
    if (dialog == nullptr) {
        return "no dialog is open";
    }
    return dialogs::lineError(*dialog, message, id, value);
}

} // namespace platform
