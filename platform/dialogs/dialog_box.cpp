// SPDX-License-Identifier: MIT
// Running a dialog modally: build it, tell the procedure, disable the owner,
// then dispatch messages (painting of every window goes on) until EndDialog,
// the dialog's window going away, or the quit message, which the loop puts
// back for the program's own loop.
#include <optional>

#include "platform/backend.h"
#include "platform/dialogs/control.h"
#include "platform/dialogs/dialog_build.h"
#include "platform/window_api.h"

namespace platform::dialogs {
namespace {

// Keeps a dialog in the registry of open dialogs while it runs.
class OpenDialogScope {
  public:
    explicit OpenDialogScope(Dialog& dialog) : dialog_(dialog) { registerOpenDialog(dialog_); }
    ~OpenDialogScope() { unregisterOpenDialog(dialog_); }
    OpenDialogScope(const OpenDialogScope&) = delete;
    OpenDialogScope& operator=(const OpenDialogScope&) = delete;

  private:
    Dialog& dialog_;
};

// WM_INITDIALOG gets the first control that takes the focus; a procedure
// that returns nonzero leaves the focus there.
void initialise(Dialog& dialog, LPARAM initParam) {
    Control* first = firstTabStop(dialog);
    HWND firstWindow = first != nullptr ? first->window() : nullptr;
    INT_PTR result = dialog.procedure(dialog.window, WM_INITDIALOG,
                                      reinterpret_cast<WPARAM>(firstWindow), initParam);
    if (!IsWindow(dialog.window)) {
        return;
    }
    if (result != 0) {
        focusControl(dialog, first);
    } else if (dialog.focusedControl() == nullptr) {
        SetFocus(dialog.window);
    }
    ShowWindow(dialog.window, SW_SHOW);
}

// The quit code when the quit message ended the loop.
std::optional<int> runModalLoop(Dialog& dialog) {
    while (!dialog.ended && IsWindow(dialog.window)) {
        MSG message{};
        if (!GetMessageW(&message, nullptr, 0, 0)) {
            return static_cast<int>(static_cast<intptr_t>(message.wParam));
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return std::nullopt;
}

} // namespace
} // namespace platform::dialogs

INT_PTR DialogBoxIndirectParamW(HINSTANCE instance, const DialogTemplate* dialogTemplate,
                                HWND owner, DLGPROC dialogProc, LPARAM initParam) {
    using namespace platform::dialogs;
    if (dialogTemplate == nullptr || dialogProc == nullptr) {
        return -1;
    }
    registerDialogClasses(instance);
    std::unique_ptr<Dialog> dialog = buildDialog(instance, *dialogTemplate, owner, dialogProc);
    if (dialog == nullptr) {
        return -1;
    }

    std::optional<int> quit;
    {
        OpenDialogScope open(*dialog);
        bool disabledOwner = owner != nullptr && IsWindowEnabled(owner);
        if (disabledOwner) {
            EnableWindow(owner, FALSE);
        }
        initialise(*dialog, initParam);
        if (!dialog->ended) {
            quit = runModalLoop(*dialog);
        }
        closeDropDown(*dialog);
        // The owner comes back before the dialog goes, so that it is the
        // window the pen and the keys reach next.
        if (disabledOwner) {
            EnableWindow(owner, TRUE);
        }
        if (IsWindow(dialog->window)) {
            DestroyWindow(dialog->window);
        }
    }
    // A dialog ended from outside (the quit message, its window destroyed)
    // counts as cancelled.
    INT_PTR result = dialog->ended ? dialog->result : IDCANCEL;
    if (platform::ScriptHooks* hooks = platform::scriptHooks()) {
        hooks->dialogClosed(dialog->templateId, result);
    }
    if (quit) {
        PostQuitMessage(*quit);
    }
    return result;
}

BOOL EndDialog(HWND dialogWindow, INT_PTR result) {
    platform::dialogs::Dialog* dialog = platform::dialogs::dialogOfFrame(dialogWindow);
    if (dialog == nullptr) {
        return FALSE;
    }
    // The loop notices once the message being handled returns; later
    // messages of this dialog are not dispatched.
    dialog->ended = true;
    dialog->result = result;
    return TRUE;
}
