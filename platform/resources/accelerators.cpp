// SPDX-License-Identifier: MIT
// Accelerator tables: key strokes that stand for commands.
#include "platform/resource_api.h"
#include "platform/resources/numbered_handles.h"
#include "platform/window_api.h"
#include "resources/resource_table.h"

using namespace platform::resources_calls;

namespace {

bool altHeld(const MSG& message) {
    return (message.lParam & KF_ALTDOWN_LPARAM) != 0;
}

bool controlHeld(const MSG& message) {
    return (message.lParam & KF_CTRLDOWN_LPARAM) != 0;
}

// Virtual-key entries match key-down messages, the others typed
// characters; the Alt and Control states must be the entry's. Shift is not
// carried by the messages, so entries that ask for it never match.
bool matches(const ACCEL& entry, const MSG& message) {
    if ((entry.fVirt & FSHIFT) != 0) {
        return false;
    }
    if (controlHeld(message) != ((entry.fVirt & FCONTROL) != 0)) {
        return false;
    }
    bool keyMessage = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
    bool charMessage = message.message == WM_CHAR || message.message == WM_SYSCHAR;
    bool virtualKey = (entry.fVirt & FVIRTKEY) != 0;
    if (virtualKey ? !keyMessage : !charMessage) {
        return false;
    }
    return message.wParam == entry.key && altHeld(message) == ((entry.fVirt & FALT) != 0);
}

} // namespace

HACCEL LoadAcceleratorsW(HINSTANCE /*instance*/, LPCWSTR name) {
    if (!IS_INTRESOURCE(name)) {
        return nullptr;
    }
    int id = static_cast<int>(reinterpret_cast<uintptr_t>(name));
    int count = 0;
    if (resources::findAccelerators(id, &count) == nullptr || count <= 0) {
        return nullptr;
    }
    return handleFor<HACCEL>(ACCELERATOR_BASE, id);
}

int TranslateAcceleratorW(HWND window, HACCEL table, MSG* message) {
    auto id = idFor(ACCELERATOR_BASE, table);
    if (!id || message == nullptr) {
        return 0;
    }
    int count = 0;
    const ACCEL* entries = resources::findAccelerators(*id, &count);
    if (entries == nullptr) {
        return 0;
    }
    for (int i = 0; i < count; ++i) {
        if (matches(entries[i], *message)) {
            // The high word 1 tells the window the command came from an
            // accelerator.
            WPARAM wParam = static_cast<WPARAM>(entries[i].cmd) | (WPARAM{1} << 16);
            SendMessageW(window, WM_COMMAND, wParam, 0);
            return 1;
        }
    }
    return 0;
}
