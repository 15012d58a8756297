// SPDX-License-Identifier: MIT
#include "platform/resource_api.h"
#include "settings/dialogs.h"
#include "window/main_window.h"

INT_PTR RunDialogResource(int32_t templateId, DLGPROC procedure) {
    HRSRC found = FindResourceW(appInstance, MAKEINTRESOURCEW(templateId), RT_DIALOG());
    HGLOBAL loaded = LoadResource(appInstance, found);
    const auto* dialogTemplate = static_cast<const DialogTemplate*>(LockResource(loaded));
    // A template that cannot be found makes the dialog call fail, and that
    // failure is ignored like the result.
    return DialogBoxIndirectParamW(appInstance, dialogTemplate, mainWindow, procedure, 0);
}
