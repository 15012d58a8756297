#include "platform/messages.h"
#include "platform/window_api.h"
#include "settings/dialogs.h"
#include "window/main_window.h"

void ShowAbout() {
    MessageBoxW(mainWindow, aboutText, u"О программе", MB_OK);
}
