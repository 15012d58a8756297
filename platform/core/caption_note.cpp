// SPDX-License-Identifier: MIT
#include "platform/caption_api.h"
#include "platform/core/core_state.h"
#include "platform/screen.h"

BOOL SetWindowCaptionNote(HWND window, LPCWSTR note) {
    platform::WindowRecord* record = platform::findWindow(window);
    if (record == nullptr) {
        return FALSE;
    }
    record->captionNote = note != nullptr ? note : u"";
    if (window == platform::mainWindowHandle()) {
        platform::backend().setTitle(record->text + record->captionNote);
    }
    return TRUE;
}
