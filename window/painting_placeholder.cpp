// Placeholder until the table painting lands: validates the update region.
#include "platform/window_api.h"
#include "window/painting.h"

void LoadCardImages() {}
void LoadButtonImages() {}
void PaintTable(HWND window) {
    PAINTSTRUCT ps{};
    BeginPaint(window, &ps);
    EndPaint(window, &ps);
}
