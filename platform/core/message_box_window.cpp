// SPDX-License-Identifier: MIT
// The message box as the handheld draws it: a window centred on the screen
// with a title bar, an icon, the word-wrapped text and a row of buttons,
// run modally over its owner while the table keeps repainting beneath it.
// Its layout, painting and input have files of their own.
#include <map>
#include <memory>

#include "platform/core/core_state.h"
#include "platform/core/message_box_parts.h"
#include "platform/core/message_box_screen.h"

namespace platform {
namespace message_box {
namespace {

std::map<HWND, std::unique_ptr<BoxState>>& boxes() {
    static auto* instance = new std::map<HWND, std::unique_ptr<BoxState>>(); // never destroyed
    return *instance;
}

} // namespace

BoxState* findBox(HWND window) {
    auto found = boxes().find(window);
    return found == boxes().end() ? nullptr : found->second.get();
}

void forgetBox(HWND window) {
    boxes().erase(window);
}

} // namespace message_box

namespace {

using namespace message_box;

constexpr LPCWSTR CLASS_NAME = u"talonix.messagebox";

LPCWSTR messageBoxClassName() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = messageBoxProc;
    windowClass.lpszClassName = CLASS_NAME;
    RegisterClassW(&windowClass); // refused, harmlessly, once registered
    return CLASS_NAME;
}

// Boxes whose windows went without a destruction message (a platform reset).
void forgetLostBoxes() {
    std::erase_if(boxes(), [](const auto& entry) { return findWindow(entry.first) == nullptr; });
}

int defaultAnswer(UINT style) {
    return (style & 0x0F) == MB_YESNO ? IDNO : IDOK;
}

} // namespace

HWND showMessageBoxWindow(HWND owner, const MessageBoxInfo& box) {
    forgetLostBoxes();
    auto state = std::make_unique<BoxState>(box);
    const RECT& at = state->layout.window;
    HWND window = CreateWindowExW(0, messageBoxClassName(), box.caption.c_str(), 0, at.left, at.top,
                                  at.right - at.left, at.bottom - at.top, topLevelOf(owner),
                                  nullptr, nullptr, nullptr);
    if (window == nullptr) {
        return nullptr;
    }
    boxes()[window] = std::move(state);
    ShowWindow(window, SW_SHOW);
    return window;
}

std::vector<MessageBoxButton> messageBoxButtons(HWND box) {
    std::vector<MessageBoxButton> buttons;
    BoxState* state = findBox(box);
    RECT window{};
    if (state == nullptr || GetWindowRect(box, &window) == FALSE) {
        return buttons;
    }
    for (const Button& button : state->layout.buttons) {
        const RECT& rect = button.rect;
        buttons.push_back(MessageBoxButton{RECT{window.left + rect.left, window.top + rect.top,
                                                window.left + rect.right, window.top + rect.bottom},
                                           button.result});
    }
    return buttons;
}

int runMessageBoxOnScreen(HWND owner, const MessageBoxInfo& box) {
    int result = defaultAnswer(box.style);
    HWND window = showMessageBoxWindow(owner, box);
    if (window == nullptr) {
        return result;
    }
    HWND blocked = topLevelOf(owner);
    bool wasEnabled = blocked != nullptr && IsWindowEnabled(blocked) != FALSE;
    if (wasEnabled) {
        EnableWindow(blocked, FALSE);
    }
    MSG message{};
    for (;;) {
        BoxState* state = findBox(window);
        if (state == nullptr) {
            break; // its owner went away and took it along
        }
        if (state->answer) {
            result = *state->answer;
            break;
        }
        if (GetMessageW(&message, nullptr, 0, 0) == FALSE) {
            // The outer loop must see the quit too.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        DispatchMessageW(&message);
    }
    if (wasEnabled) {
        EnableWindow(blocked, TRUE);
    }
    DestroyWindow(window);
    return result;
}

} // namespace platform
