// SPDX-License-Identifier: MIT
// What an open dialog is made of: its template, its procedure, its window
// with the title bar, and the controls made from the template.
#pragma once

#include <memory>
#include <vector>

#include "platform/dialog_api.h"
#include "platform/dialogs/dialog_units.h"
#include "platform/dialogs/paint_tools.h"

namespace platform::dialogs {

class Control;

// The frame around the controls: a one-pixel border and the title bar.
struct FrameMetrics {
    int border = 1;
    int titleHeight = 18;

    POINT clientOrigin() const { return POINT{border, titleHeight}; }
    // The close box at the right end of the title bar of a window this wide.
    RECT closeBox(int windowWidth) const;
    RECT titleBar(int windowWidth) const;
};

struct Dialog {
    const DialogTemplate* source = nullptr;
    int templateId = -1;
    DLGPROC procedure = nullptr;
    HWND owner = nullptr;
    HWND window = nullptr;
    OwnedFont font;      // the template's font, for every control
    OwnedFont titleFont; // the same size in bold
    DialogUnits units;
    FrameMetrics frame;
    std::vector<std::unique_ptr<Control>> controls; // template order
    bool ended = false;
    INT_PTR result = 0;
    bool closeBoxTracking = false;   // the pen went down on the close box
    bool closeBoxPressed = false;    // ... and is still over it
    Control* openDropDown = nullptr; // the drop-down list whose list is showing

    int lineHeight() const { return font.lineHeight(); }
    Control* controlById(int id) const;
    Control* controlByWindow(HWND window) const;
    Control* focusedControl() const;
};

// Where the template puts a control, in pixels of the dialog's window.
RECT templateBounds(const Dialog& dialog, const DialogControlTemplate& item);
// The right edge of the dialog's face, where controls must end.
int clientRight(const Dialog& dialog);

// The registry of open dialogs, innermost last. A window belongs to a dialog
// when it is the dialog's own window, one of its controls or a control's
// pop-up list.
void registerOpenDialog(Dialog& dialog);
void unregisterOpenDialog(Dialog& dialog);
Dialog* innermostDialog();
Dialog* dialogOfFrame(HWND window);
Dialog* dialogOwning(HWND window);

// Sends WM_COMMAND with the id (and BN_CLICKED) to the dialog's window,
// which hands it to the procedure.
void sendCommand(Dialog& dialog, int id, HWND from = nullptr, WORD code = BN_CLICKED);

// Closes the pop-up list of a drop-down list, if one is showing.
void closeDropDown(Dialog& dialog);

// The keyboard: Tab moves the focus, Enter presses the default button,
// Escape cancels. Returns false for other keys.
bool dialogNavigationKey(Dialog& dialog, WORD key);
void focusControl(Dialog& dialog, Control* control);
Control* firstTabStop(const Dialog& dialog);

// The mouse wheel over a part of the dialog that does not scroll by itself
// scrolls the focused control, or else the first control that scrolls.
void dialogWheel(Dialog& dialog, int notchesAway);

// The class names the dialog manager registers.
inline constexpr char16_t dialogClassName[] = u"TalonixDialog";
inline constexpr char16_t controlClassName[] = u"TalonixDialogControl";
inline constexpr char16_t dropListClassName[] = u"TalonixDropList";
LRESULT dialogWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT controlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT dropListWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace platform::dialogs
