// SPDX-License-Identifier: MIT
// The current backend, and the queue of answers for message boxes.
#include "platform/core/core_state.h"

namespace platform {
namespace {

// Used until a real backend is set (unit tests): no input at all, and every
// message box answered from the queue.
class NullBackend final : public Backend, public ScriptHooks {
  public:
    bool showsScreen() const override { return false; }
    InputEvent waitEvent() override {
        InputEvent event;
        event.type = InputEvent::Type::Quit;
        return event;
    }
    std::optional<int> answerMessageBox(const MessageBoxInfo& box) override {
        return takeMessageBoxAnswer(box.style);
    }
};

bool isButtonOf(int answer, UINT style) {
    switch (style & 0x0F) {
    case MB_OKCANCEL:
        return answer == IDOK || answer == IDCANCEL;
    case MB_YESNO:
        return answer == IDYES || answer == IDNO;
    default:
        return answer == IDOK;
    }
}

} // namespace

void setBackend(std::unique_ptr<Backend> newBackend) {
    core().backend = std::move(newBackend);
    core().screenChanged = true;
}

Backend& backend() {
    auto& state = core();
    if (!state.backend) {
        state.backend = std::make_unique<NullBackend>();
    }
    return *state.backend;
}

bool endsSteps(const InputEvent& event) {
    using Type = InputEvent::Type;
    switch (event.type) {
    case Type::PenMove:
    case Type::PenUp:
    case Type::Wheel:
        return false;
    default:
        return true;
    }
}

ScriptHooks* scriptHooks() {
    return dynamic_cast<ScriptHooks*>(&backend());
}

void setBackdropColour(COLORREF colour) {
    backend().setBackdrop(pixelFromColorref(colour));
}

void queueMessageBoxAnswer(int result) {
    core().answers.push_back(result);
}

int takeMessageBoxAnswer(UINT style) {
    auto& answers = core().answers;
    // An answer that is not one of this box's buttons stays queued for a later box.
    if (!answers.empty() && isButtonOf(answers.front(), style)) {
        int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return (style & 0x0F) == MB_YESNO ? IDNO : IDOK;
}

} // namespace platform
