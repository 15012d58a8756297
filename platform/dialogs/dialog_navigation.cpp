// SPDX-License-Identifier: MIT
// The keyboard in a dialog: the focus moves with Tab through the controls
// that take it, Enter presses the default button, Escape cancels. The wheel
// scrolls whatever can scroll.
#include "platform/dialogs/control.h"
#include "platform/window_api.h"

namespace platform::dialogs {

Control* firstTabStop(const Dialog& dialog) {
    for (const auto& control : dialog.controls) {
        if (control->takesFocus()) {
            return control.get();
        }
    }
    return nullptr;
}

void focusControl(Dialog& dialog, Control* control) {
    Control* previous = dialog.focusedControl();
    if (previous == control && control != nullptr) {
        return;
    }
    SetFocus(control != nullptr ? control->window() : dialog.window);
    // Focus marks are drawn by the controls, so both repaint.
    if (previous != nullptr) {
        previous->invalidate();
    }
    if (control != nullptr) {
        control->invalidate();
    }
}

namespace {

void focusNext(Dialog& dialog) {
    auto& controls = dialog.controls;
    if (controls.empty()) {
        return;
    }
    Control* current = dialog.focusedControl();
    size_t start = 0;
    for (size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].get() == current) {
            start = i + 1;
        }
    }
    for (size_t step = 0; step < controls.size(); ++step) {
        Control* candidate = controls[(start + step) % controls.size()].get();
        if (candidate->takesFocus()) {
            focusControl(dialog, candidate);
            return;
        }
    }
}

// The default push button's id, or IDOK when the template has none.
int defaultCommand(const Dialog& dialog, HWND* button) {
    for (const auto& control : dialog.controls) {
        if (control->kind() == DialogControlKind::DefaultPushButton) {
            *button = control->window();
            return control->id();
        }
    }
    *button = nullptr;
    return IDOK;
}

} // namespace

bool dialogNavigationKey(Dialog& dialog, WORD key) {
    switch (key) {
    case VK_TAB:
        closeDropDown(dialog);
        focusNext(dialog);
        return true;
    case VK_RETURN: {
        closeDropDown(dialog);
        HWND button = nullptr;
        int id = defaultCommand(dialog, &button);
        sendCommand(dialog, id, button);
        return true;
    }
    case VK_ESCAPE:
        closeDropDown(dialog);
        sendCommand(dialog, IDCANCEL);
        return true;
    default:
        return false;
    }
}

void dialogWheel(Dialog& dialog, int notchesAway) {
    if (Control* focused = dialog.focusedControl(); focused != nullptr) {
        if (focused->wheel(notchesAway)) {
            return;
        }
    }
    for (const auto& control : dialog.controls) {
        if (control->wheel(notchesAway)) {
            return;
        }
    }
}

} // namespace platform::dialogs
