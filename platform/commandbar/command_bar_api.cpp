// SPDX-License-Identifier: MIT
// The command bar library's entry points and the bar's window procedure.
#include <map>
#include <memory>

#include "platform/commandbar/command_bar.h"
#include "platform/window_api.h"

namespace platform::commandbar {
namespace {

constexpr LPCWSTR CLASS_NAME = u"talonix.commandbar";

std::map<HWND, std::unique_ptr<CommandBar>>& bars() {
    static auto* instance = new std::map<HWND, std::unique_ptr<CommandBar>>(); // never destroyed
    return *instance;
}

CommandBar* findBar(HWND window) {
    auto found = bars().find(window);
    return found == bars().end() ? nullptr : found->second.get();
}

// Bars whose windows were dropped without a destruction message (a reset
// of the whole platform in tests).
void forgetLostBars() {
    std::erase_if(bars(), [](const auto& entry) { return IsWindow(entry.first) == FALSE; });
}

LRESULT commandBarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        bars().erase(window);
        return 0;
    }
    if (CommandBar* bar = findBar(window)) {
        return bar->handle(message, wParam, lParam);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LPCWSTR commandBarClassName() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = commandBarProc;
    windowClass.lpszClassName = CLASS_NAME;
    RegisterClassW(&windowClass); // refused, harmlessly, once registered
    return CLASS_NAME;
}

} // namespace

} // namespace platform::commandbar

using platform::commandbar::findBar;

HWND CommandBar_Create(HINSTANCE instance, HWND parent, int id) {
    if (!IsWindow(parent)) {
        return nullptr;
    }
    platform::commandbar::forgetLostBars();
    RECT client{};
    GetClientRect(parent, &client);
    HWND window =
        CreateWindowExW(0, platform::commandbar::commandBarClassName(), u"", WS_CHILD, 0, 0,
                        client.right - client.left, COMMAND_BAR_HEIGHT, parent,
                        reinterpret_cast<HMENU>(static_cast<intptr_t>(id)), instance, nullptr);
    if (window != nullptr) {
        platform::commandbar::bars()[window] =
            std::make_unique<platform::commandbar::CommandBar>(window);
    }
    return window;
}

int CommandBar_AddBitmap(HWND bar, HINSTANCE instance, int bitmapId, int imageCount, int imageWidth,
                         int imageHeight) {
    platform::commandbar::CommandBar* found = findBar(bar);
    if (found == nullptr) {
        return -1;
    }
    return found->addBitmap(instance, bitmapId, imageCount, imageWidth, imageHeight);
}

BOOL CommandBar_Show(HWND bar, BOOL show) {
    platform::commandbar::CommandBar* found = findBar(bar);
    if (found == nullptr) {
        return FALSE;
    }
    ShowWindow(bar, show != FALSE ? SW_SHOW : SW_HIDE);
    found->shown(show != FALSE);
    return TRUE;
}
