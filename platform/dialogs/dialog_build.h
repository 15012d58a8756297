// SPDX-License-Identifier: MIT
// Making a dialog's windows from its template.
#pragma once

#include <memory>

#include "platform/dialogs/dialog.h"

namespace platform::dialogs {

// The window classes of dialogs and controls; registering again is harmless.
void registerDialogClasses(HINSTANCE instance);

// The dialog's window (hidden, centred on the screen below the command bar)
// and a child window for each control of the template. Null when the
// template is unusable or a window cannot be made.
std::unique_ptr<Dialog> buildDialog(HINSTANCE instance, const DialogTemplate& source, HWND owner,
                                    DLGPROC procedure);

// Where a window of this size goes: centred across the screen, and centred
// in the part of the screen below the command bar; never off the top-left.
POINT defaultDialogPosition(int width, int height);

} // namespace platform::dialogs
