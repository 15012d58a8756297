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
    state.screenChanged = false;
    backend().present(composeScreen());
    if (backend().waitForInput(ms)) {
        state.hurrying = true;
    }
}
