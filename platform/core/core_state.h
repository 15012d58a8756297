// SPDX-License-Identifier: MIT
// The platform core's tables: window classes, windows, the message queue and
// the records tests read. One instance for the process, never destroyed, so
// that nothing touched during static destruction can dangle.
#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/backend.h"
#include "platform/raster/surface.h"
#include "platform/region.h"
#include "platform/resource_api.h"
#include "platform/testing.h"
#include "platform/window_api.h"

namespace platform {

struct WindowClassRecord {
    std::u16string name;
    UINT style = 0;
    WNDPROC proc = nullptr;
    HINSTANCE instance = nullptr;
};

struct WindowRecord {
    HWND handle = nullptr;
    UINT classStyle = 0;
    WNDPROC proc = nullptr;
    HWND parent = nullptr; // the parent of a child window
    HWND owner = nullptr;  // the owner of a top-level window
    bool child = false;
    RECT rect{}; // screen pixels for top-level windows, parent client pixels for children
    std::u16string text;
    std::u16string captionNote; // shown after the text in the system's title
    DWORD style = 0;
    bool visible = false;
    bool enabled = true;
    bool destroying = false;
    int id = 0;
    Region update;
    Surface surface;
    std::vector<HWND> children;

    RECT clientRect() const { return RECT{0, 0, rect.right - rect.left, rect.bottom - rect.top}; }
};

struct CoreState {
    std::vector<WindowClassRecord> classes;
    std::unordered_map<uintptr_t, std::unique_ptr<WindowRecord>> windows;
    // The window found last: a paint or a move of cards asks for the same
    // one many times over. Forgotten whenever a window goes.
    uintptr_t lastFoundValue = 0;
    WindowRecord* lastFound = nullptr;
    std::vector<HWND> topLevels; // z-order, bottom first
    uintptr_t nextWindowId = 1;
    HWND mainWindow = nullptr;

    std::deque<MSG> queue;
    bool quitPosted = false;
    int quitCode = 0;
    HWND focus = nullptr;
    HWND capture = nullptr;
    HWND popupCapture = nullptr; // an open pop-up menu: presses anywhere else go to it
    bool screenChanged = true;
    // Input came while steps were shown: the rest of the request runs
    // without them, until the program waits for input again.
    bool hurrying = false;
    Surface shown; // the screen last shown

    std::unique_ptr<Backend> backend;
    std::deque<int> answers;
    int quietBoxes = 0; // QuietMessageBoxes in force
    std::optional<SYSTEMTIME> fixedClock;
    LANGID uiLanguage = MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT);

    bool recording = false;
    std::vector<platform_testing::Invalidation> invalidations;
    std::vector<platform_testing::MessageBoxRecord> messageBoxes;
};

CoreState& core();
WindowRecord* findWindow(HWND window);
// The window's position on the screen (adds up the parents' offsets).
POINT screenOrigin(const WindowRecord& window);
// The top-level window a window belongs to.
HWND topLevelOf(HWND window);
// The first window with something to paint, or null.
HWND windowToPaint();
// Turns one input event into messages on the queue.
void postInputEvent(const InputEvent& event);

} // namespace platform
