// SPDX-License-Identifier: MIT
// MessageBoxW: answered by the backend (scripts, tests) or shown on screen.
#include "platform/core/core_state.h"
#include "platform/core/message_box_screen.h"
#include "platform/window_api.h"

int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    platform::MessageBoxInfo box{text != nullptr ? text : u"", caption != nullptr ? caption : u"",
                                 type};
    platform::ScriptHooks* hooks = platform::scriptHooks();
    std::optional<int> answer = hooks != nullptr ? hooks->answerMessageBox(box) : std::nullopt;
    if (!answer && platform::core().quietBoxes > 0) {
        answer = platform::takeMessageBoxAnswer(box.style);
    }
    int result = answer ? *answer : platform::runMessageBoxOnScreen(owner, box);
    auto& state = platform::core();
    if (state.recording) {
        state.messageBoxes.push_back(
            platform_testing::MessageBoxRecord{box.text, box.caption, box.style, result});
    }
    platform::backend().messageBoxClosed(box, result);
    return result;
}

QuietMessageBoxes::QuietMessageBoxes() {
    ++platform::core().quietBoxes;
}

QuietMessageBoxes::~QuietMessageBoxes() {
    --platform::core().quietBoxes;
}
