// SPDX-License-Identifier: MIT
// A dialog to try every control on, a procedure that records what reaches
// it, and a backend that plays input (and test steps) into the modal loop.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <iterator>
#include <memory>
#include <utility>
#include <variant>
#include <vector>

#include "platform/backend.h"
#include "platform/dialog_api.h"
#include "platform/dialogs/control_messages.h"
#include "platform/gdi_api.h"
#include "platform/screen.h"
#include "platform/testing.h"
#include "platform/window_api.h"

namespace dialog_testing {

using Type = platform::InputEvent::Type;

// Input for the modal loop, one event each time it waits. A step that is a
// function runs once everything before it has been handled and painted.
// With nothing left the backend quits, so a test can never hang.
class StepBackend final : public platform::Backend, public platform::ScriptHooks {
  public:
    using Step = std::variant<platform::InputEvent, std::function<void()>>;

    explicit StepBackend(std::deque<Step>* steps, std::vector<std::pair<int, INT_PTR>>* closed)
        : steps_(steps), closed_(closed) {}

    platform::InputEvent waitEvent() override {
        if (steps_->empty()) {
            platform::InputEvent quit;
            quit.type = Type::Quit;
            quit.exitCode = 99;
            return quit;
        }
        Step step = std::move(steps_->front());
        steps_->pop_front();
        if (auto* action = std::get_if<std::function<void()>>(&step)) {
            (*action)();
            // A pen move far off the screen reaches no window: the loop
            // handles what the step posted and comes back for more.
            platform::InputEvent nothing;
            nothing.type = Type::PenMove;
            nothing.x = -1000;
            nothing.y = -1000;
            return nothing;
        }
        return std::get<platform::InputEvent>(step);
    }

    void dialogClosed(int templateId, INT_PTR result) override {
        closed_->emplace_back(templateId, result);
    }

  private:
    std::deque<Step>* steps_;
    std::vector<std::pair<int, INT_PTR>>* closed_;
};

// Ids of the controls of the test dialog.
constexpr int LABEL = 100;
constexpr int PUSH = 101;
constexpr int CHECK = 102;
constexpr int TWO_LINE_CHECK = 103;
constexpr int LIST = 104;
constexpr int DROP_DOWN = 105;
constexpr int TEXT = 106;
constexpr int UNDER_LIST = 107; // lies where the drop-down's list opens

inline const DialogControlTemplate allKindsControls[] = {
    {DialogControlKind::Static, LABEL, u"Label\nSecond", 2, 2, 60, 16, 0},
    {DialogControlKind::PushButton, PUSH, u"Push", 64, 2, 40, 14, WS_TABSTOP},
    {DialogControlKind::CheckBox, CHECK, u"Check", 2, 20, 60, 10, WS_TABSTOP},
    {DialogControlKind::CheckBox, TWO_LINE_CHECK, u"Hide the size of the other hand", 64, 18, 56,
     18, BS_MULTILINE | WS_TABSTOP},
    {DialogControlKind::ListBox, LIST, u"", 2, 40, 56, 42, WS_BORDER | WS_TABSTOP},
    {DialogControlKind::DropDownList, DROP_DOWN, u"", 62, 40, 56, 60, WS_TABSTOP},
    {DialogControlKind::CheckBox, UNDER_LIST, u"Under", 62, 60, 56, 10, WS_TABSTOP},
    {DialogControlKind::Edit, TEXT, u"", 2, 84, 116, 40,
     ES_MULTILINE | ES_READONLY | WS_BORDER | WS_VSCROLL | WS_TABSTOP},
    {DialogControlKind::DefaultPushButton, IDOK, u"OK", 2, 126, 40, 12, WS_TABSTOP},
};

inline const DialogTemplate allKinds = {
    u"All kinds", u"System", 8, 120, 140, allKindsControls, std::size(allKindsControls)};

struct Command {
    int id;
    int code;
    bool operator==(const Command&) const = default;
};

// What the procedure saw; the test's own steps for WM_INITDIALOG.
struct Probe {
    std::vector<Command> commands;
    std::function<void(HWND)> onInit;
    bool endOnOkOrCancel = true;
    HWND dialog = nullptr;
    HWND initFocus = nullptr;
    LPARAM initParam = 0;
};

inline Probe* probe = nullptr;

inline INT_PTR probeProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        probe->dialog = dialog;
        probe->initFocus = reinterpret_cast<HWND>(wParam);
        probe->initParam = lParam;
        if (probe->onInit) {
            probe->onInit(dialog);
        }
        return 1;
    }
    if (message == WM_COMMAND) {
        int id = LOWORD(wParam);
        probe->commands.push_back(Command{id, HIWORD(wParam)});
        if (probe->endOnOkOrCancel && (id == IDOK || id == IDCANCEL)) {
            EndDialog(dialog, id);
        }
        return 1;
    }
    return 0;
}

// The owner paints itself green and records the pen and keys it gets.
inline std::vector<UINT> ownerInput;
inline int ownerPaints = 0;

inline LRESULT ownerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP || message == WM_KEYDOWN) {
        ownerInput.push_back(message);
    }
    if (message == WM_PAINT) {
        ++ownerPaints;
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(window, &paint);
        HBRUSH brush = CreateSolidBrush(RGB(0, 128, 0));
        FillRect(dc, &paint.rcPaint, brush);
        DeleteObject(brush);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

class DialogTest : public ::testing::Test {
  protected:
    std::deque<StepBackend::Step> steps;
    std::vector<std::pair<int, INT_PTR>> closed;
    Probe record;
    HWND owner = nullptr;

    void SetUp() override {
        platform_testing::resetPlatform();
        platform::setBackend(std::make_unique<StepBackend>(&steps, &closed));
        probe = &record;
        ownerInput.clear();
        WNDCLASSW ownerClass{};
        ownerClass.lpfnWndProc = ownerProcedure;
        ownerClass.lpszClassName = u"owner";
        RegisterClassW(&ownerClass);
        owner = CreateWindowExW(0, u"owner", u"", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
    }

    void TearDown() override {
        EXPECT_TRUE(steps.empty()) << "a step never ran";
        probe = nullptr;
        platform_testing::resetPlatform();
    }

    INT_PTR run(const DialogTemplate& source = allKinds, LPARAM initParam = 0) {
        return DialogBoxIndirectParamW(nullptr, &source, owner, probeProcedure, initParam);
    }

    HWND item(int id) { return GetDlgItem(record.dialog, id); }
    LRESULT ask(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessageW(item(id), message, wParam, lParam);
    }
    // The lines 6S, TD and AH in the list and the drop-down.
    void fillLists() {
        for (LPCWSTR text : {u"6S", u"TD", u"AH"}) {
            ask(LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
            ask(DROP_DOWN, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        }
    }

    // Input given inside a step comes next, before the steps queued after it.
    void then(std::function<void()> action) {
        steps.emplace_back([this, action = std::move(action)] {
            insertAt_ = 0;
            action();
            insertAt_ = noInsert;
        });
    }

    void event(Type type, int x = 0, int y = 0, uint32_t key = 0, int32_t value = 0) {
        platform::InputEvent input;
        input.type = type;
        input.x = x;
        input.y = y;
        input.key = key;
        input.value = value;
        if (insertAt_ == noInsert) {
            steps.emplace_back(input);
        } else {
            steps.emplace(steps.begin() + static_cast<std::ptrdiff_t>(insertAt_++), input);
        }
    }

    void tap(POINT at) {
        event(Type::PenDown, at.x, at.y);
        event(Type::PenUp, at.x, at.y);
    }

    void key(WORD virtualKey) { event(Type::Key, 0, 0, virtualKey); }
    // The wheel turned over a point, lines > 0 away from the user.
    void wheel(POINT at, int lines) { event(Type::Wheel, at.x, at.y, 0, lines); }

    // Ends the dialog with OK from a step, after everything queued before.
    void thenClose() {
        then([this] { PostMessageW(record.dialog, WM_COMMAND, IDOK, 0); });
    }

  private:
    static constexpr size_t noInsert = static_cast<size_t>(-1);
    size_t insertAt_ = noInsert;
};

// A point of a control on the screen, dx, dy from its top-left corner; a
// negative offset counts from the right or bottom edge.
inline POINT screenPoint(HWND window, int dx, int dy) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return POINT{dx >= 0 ? rect.left + dx : rect.right + dx,
                 dy >= 0 ? rect.top + dy : rect.bottom + dy};
}

inline POINT centreOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// The id of the test dialog's control that is this window, or 0.
inline int controlId(HWND dialog, HWND window) {
    for (int id : {LABEL, PUSH, CHECK, TWO_LINE_CHECK, LIST, DROP_DOWN, TEXT, UNDER_LIST, IDOK}) {
        if (window != nullptr && GetDlgItem(dialog, id) == window) {
            return id;
        }
    }
    return 0;
}

inline LPARAM textParam(LPCWSTR text) {
    return reinterpret_cast<LPARAM>(text);
}

} // namespace dialog_testing
