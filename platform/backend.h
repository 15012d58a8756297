// SPDX-License-Identifier: MIT
// The one narrow interface between the platform core and where input comes
// from and pictures go to: the headless script runner or the SDL2 window.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/raster/surface.h"
#include "platform/win_types.h"

namespace platform {

struct InputEvent {
    enum class Type {
        PenDown, // x, y in screen pixels
        PenUp,
        PenDoubleTap, // delivered as WM_LBUTTONDBLCLK to classes with CS_DBLCLKS
        PenMove,
        Key,          // key: virtual key; alt: Alt held; control: Control held
        Char,         // key: the character; alt: Alt held
        Wheel,        // value: lines, positive away from the user
        Command,      // id: a command id for the main window, as a command-bar press
        DialogCheck,  // id, value: set a check box of the open dialog
        DialogSelect, // id, value: select a line of a list of the open dialog
        DialogPress,  // id: press a button of the open dialog
        PenHold,      // x, y: the pen held still (or the right button); -1, -1: the Menu key
        Close,        // the desktop close button, or the end of a script: acts as Exit
        Quit,         // stop at once with exitCode (a malformed script line)
    };
    Type type = Type::Close;
    int32_t x = 0;
    int32_t y = 0;
    uint32_t key = 0;
    bool alt = false;
    bool control = false;
    int32_t id = 0;
    int32_t value = 0;
    int exitCode = 0;
};

// A press, a key or a close: what ends the steps of a move being shown
// (a mere move of the mouse does not).
bool endsSteps(const InputEvent& event);

struct MessageBoxInfo {
    std::u16string text;
    std::u16string caption;
    UINT style = 0;
};

struct MenuItemInfo {
    std::u16string text;
    UINT flags = 0;
    UINT_PTR id = 0;
};

class Backend {
  public:
    virtual ~Backend() = default;
    // Blocks until the next input. Called only when no message is queued and
    // no window needs painting, so the program uses no CPU while it waits.
    virtual InputEvent waitEvent() = 0;
    // Whether present() shows anything: a backend without a display is spared
    // composing the screen after every paint.
    virtual bool showsScreen() const { return true; }
    // The screen changed; show it.
    virtual void present(const Surface& /*screen*/) {}
    // While a step of the computer's answer is shown: waits up to `ms`
    // milliseconds, and returns true as soon as a press, a key or a close
    // comes (kept for waitEvent). A backend nobody watches never waits.
    virtual bool waitForInput(uint32_t /*ms*/) { return false; }
    virtual void setTitle(const std::u16string& /*title*/) {}
    // The colour around the picture, as 0x00RRGGBB.
    virtual void setBackdrop(uint32_t /*pixel*/) {}
    // Reports that a message box closed (the script's event, the web page's
    // notice).
    virtual void messageBoxClosed(const MessageBoxInfo& /*box*/, int /*result*/) {}
};

// What only a run without a person needs: a backend that also derives from
// this answers message boxes itself and hears of every dialog that closes.
class ScriptHooks {
  public:
    virtual ~ScriptHooks() = default;
    // The result of a message box, or nothing to run the box on screen.
    virtual std::optional<int> answerMessageBox(const MessageBoxInfo& /*box*/) {
        return std::nullopt;
    }
    virtual void dialogClosed(int /*templateId*/, INT_PTR /*result*/) {}
    // A pop-up menu closed with the chosen item's id, 0 for none.
    virtual void menuClosed(const std::vector<MenuItemInfo>& /*items*/, UINT_PTR /*chosen*/) {}
};

// The core owns the backend. Without one, a null backend answers every
// message box with its queued answer or its default, and input ends at once.
void setBackend(std::unique_ptr<Backend> backend);
Backend& backend();
// The current backend's hooks, or nullptr when it has none.
ScriptHooks* scriptHooks();

// Answers queued for message boxes (the script's `answer` lines, tests).
void queueMessageBoxAnswer(int result);
// Takes the first queued answer if it is one of the box's buttons, else the
// box's default (OK, or No for a Yes/No box).
int takeMessageBoxAnswer(UINT style);

} // namespace platform
