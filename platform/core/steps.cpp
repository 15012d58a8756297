// SPDX-License-Identifier: MIT
#include "platform/steps.h"

#include "platform/core/core_state.h"
#include "platform/screen.h"

void platform::presentStep(uint32_t ms) {
    CoreState& state = core();
    if (ms == 0 || state.hurrying || !backend().showsScreen()) {
        return;
    }
    while (HWND window = windowToPaint()) {
        const MSG paint{window, WM_PAINT, 0, 0, 0, {0, 0}};
        DispatchMessageW(&paint);
    }
    if (!state.screenChanged) {
        return;
    }
    // A paint that left every pixel as it was is no step.
    Surface screen = composeScreen();
    if (screen.pixels == state.shown.pixels) {
        return;
    }
    state.screenChanged = false;
    state.shown = screen;
    backend().present(screen);
    if (backend().waitForInput(ms)) {
        state.hurrying = true;
    }
}
