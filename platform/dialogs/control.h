// SPDX-License-Identifier: MIT
// One control of a dialog, behind its child window. The dialog owns its
// controls; each kind of control lives in its own file.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "platform/dialog_api.h"
#include "platform/dialogs/dialog.h"

namespace platform::dialogs {

class Control {
  public:
    // bounds: where the template puts the control, in pixels of the
    // dialog's window.
    Control(Dialog& dialog, const DialogControlTemplate& source, RECT bounds);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Dialog& dialog() const { return *dialog_; }
    HWND window() const { return window_; }
    void attach(HWND window) { window_ = window; }
    int id() const { return id_; }
    DialogControlKind kind() const { return kind_; }
    DWORD style() const { return style_; }
    const RECT& bounds() const { return bounds_; }
    int width() const { return bounds_.right - bounds_.left; }
    int height() const { return bounds_.bottom - bounds_.top; }
    const std::u16string& text() const { return text_; }
    void setText(std::u16string_view text);
    bool focused() const;
    int lineHeight() const { return dialog_->lineHeight(); }
    void invalidate() const;
    // WM_COMMAND to the dialog with this control's id and the code.
    void notify(WORD code) const;

    // Called once the dialog's font is known, before the window is made.
    virtual void fitText() {}
    // The rectangle of the control's window; the template's for most kinds.
    virtual RECT windowRect() const { return bounds_; }
    virtual void paint(HDC dc) = 0;
    // A visible control the keyboard can reach with Tab.
    virtual bool takesFocus() const { return false; }
    virtual void penDown(POINT /*point*/) {}
    virtual void penMove(POINT /*point*/) {}
    virtual void penUp(POINT /*point*/) {}
    // Keys the control itself handles; the others go to the dialog.
    virtual bool keyDown(WORD /*key*/) { return false; }
    virtual bool wheel(int /*notchesAway*/) { return false; }
    // Space, or a script's press: what a tap on a button does. False for a
    // control that is not a button.
    virtual bool press() { return false; }
    // Messages of the control's kind (BM_*, LB_*, CB_*, EM_*).
    virtual std::optional<LRESULT> message(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/) {
        return std::nullopt;
    }
    // Adds the kind's own fields to the control's entry of the state line.
    virtual void describe(nlohmann::ordered_json& /*entry*/) const {}
    // The pop-up window of a drop-down list while its list shows.
    virtual HWND popup() const { return nullptr; }
    virtual void closePopup() {}

  protected:
    virtual void textChanged() { invalidate(); }
    void setBounds(const RECT& bounds) { bounds_ = bounds; }

  private:
    Dialog* dialog_;
    HWND window_ = nullptr;
    int id_;
    DialogControlKind kind_;
    DWORD style_;
    RECT bounds_;
    std::u16string text_;
};

std::unique_ptr<Control> makeStatic(Dialog& dialog, const DialogControlTemplate& source,
                                    RECT bounds);
std::unique_ptr<Control> makePushButton(Dialog& dialog, const DialogControlTemplate& source,
                                        RECT bounds);
std::unique_ptr<Control> makeCheckBox(Dialog& dialog, const DialogControlTemplate& source,
                                      RECT bounds);
std::unique_ptr<Control> makeListBox(Dialog& dialog, const DialogControlTemplate& source,
                                     RECT bounds);
std::unique_ptr<Control> makeDropDownList(Dialog& dialog, const DialogControlTemplate& source,
                                          RECT bounds);
std::unique_ptr<Control> makeEdit(Dialog& dialog, const DialogControlTemplate& source, RECT bounds);
std::unique_ptr<Control> makeLineEdit(Dialog& dialog, const DialogControlTemplate& source,
                                      RECT bounds);
std::unique_ptr<Control> makeControl(Dialog& dialog, const DialogControlTemplate& source,
                                     RECT bounds);

} // namespace platform::dialogs
