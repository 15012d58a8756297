// SPDX-License-Identifier: MIT
#include "game/texts.h"
#include "platform/messages.h"
#include "platform/window_api.h"
#include "resources/resource_ids.h"
#include "settings/dialogs.h"
#include "window/main_window.h"

void ShowAbout() {
    MessageBoxW(mainWindow, aboutText, textOf(IDS_ABOUT_CAPTION), MB_OK);
}
