// SPDX-License-Identifier: MIT
// A push button: pressed while the pen is down on it, and a tap (pen down
// and up on it) sends its id to the procedure. The default button has a
// heavier frame; Enter presses it from anywhere in the dialog.
#include "platform/dialogs/control.h"
#include "platform/dialogs/control_messages.h"

namespace platform::dialogs {
namespace {

class PushButton final : public Control {
  public:
    using Control::Control;

    bool takesFocus() const override { return width() > 0 && height() > 0; }

    void paint(HDC dc) override {
        RECT face{0, 0, width(), height()};
        fillWithColour(dc, face, colours::white);
        if (kind() == DialogControlKind::DefaultPushButton) {
            outline(dc, face, colours::black);
            face = insetRect(face, 1);
        }
        raisedBox(dc, face, pressed_);
        RECT label = insetRect(face, 2);
        if (pressed_) {
            label = RECT{label.left + 1, label.top + 1, label.right + 1, label.bottom + 1};
        }
        centredTextLine(dc, text(), label, lineHeight(), colours::black);
        if (focused()) {
            focusMarks(dc, insetRect(face, 3));
        }
    }

    void penDown(POINT /*point*/) override {
        tracking_ = true;
        setPressed(true);
    }

    void penMove(POINT point) override {
        if (tracking_) {
            setPressed(rectContains(RECT{0, 0, width(), height()}, point));
        }
    }

    void penUp(POINT point) override {
        if (!tracking_) {
            return;
        }
        tracking_ = false;
        setPressed(false);
        if (rectContains(RECT{0, 0, width(), height()}, point)) {
            notify(BN_CLICKED);
        }
    }

    bool keyDown(WORD key) override {
        if (key != VK_SPACE) {
            return false;
        }
        press();
        return true;
    }

    bool press() override {
        notify(BN_CLICKED);
        return true;
    }

    std::optional<LRESULT> message(UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/) override {
        if (message == BM_CLICK) {
            press();
            return 0;
        }
        return std::nullopt;
    }

  private:
    void setPressed(bool pressed) {
        if (pressed_ != pressed) {
            pressed_ = pressed;
            invalidate();
        }
    }

    bool tracking_ = false;
    bool pressed_ = false;
};

} // namespace

std::unique_ptr<Control> makePushButton(Dialog& dialog, const DialogControlTemplate& source,
                                        RECT bounds) {
    return std::make_unique<PushButton>(dialog, source, bounds);
}

} // namespace platform::dialogs
