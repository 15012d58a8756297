// SPDX-License-Identifier: MIT
// A one-line edit that takes typed letters and digits: a framed line of
// text with a caret at its end while it has the focus; Backspace takes the
// last character back.
#include <algorithm>

#include "platform/dialogs/control.h"
#include "platform/dialogs/paint_tools.h"
#include "platform/window_api.h"

namespace platform::dialogs {
namespace {

constexpr size_t longestText = 24;

class LineEdit final : public Control {
  public:
    using Control::Control;

    bool takesFocus() const override { return width() > 0 && height() > 0; }

    void paint(HDC dc) override {
        RECT whole{0, 0, width(), height()};
        fillWithColour(dc, whole, colours::white);
        outline(dc, whole, colours::black);
        int top = (height() - lineHeight()) / 2;
        RECT area{3, top, width() - 3, top + lineHeight()};
        textLine(dc, text(), area, colours::black);
        if (focused()) {
            int caret = std::min(3 + textWidth(dc, text()), width() - 3);
            fillWithColour(dc, RECT{caret, top, caret + 1, top + lineHeight()}, colours::black);
        }
    }

    bool keyDown(WORD key) override {
        if (key != VK_BACK) {
            return false;
        }
        if (!text().empty()) {
            replaceText(text().substr(0, text().size() - 1));
        }
        return true;
    }

    std::optional<LRESULT> message(UINT message, WPARAM wParam, LPARAM /*lParam*/) override {
        if (message != WM_CHAR) {
            return std::nullopt;
        }
        auto typed = static_cast<char16_t>(wParam);
        if (typed >= u' ' && typed != 0x7F && text().size() < longestText) {
            replaceText(text() + typed);
        }
        return 0;
    }

  private:
    // Through the window, so that the window's text is the control's.
    void replaceText(const std::u16string& replacement) {
        SetWindowTextW(window(), replacement.c_str());
    }
};

} // namespace

std::unique_ptr<Control> makeLineEdit(Dialog& dialog, const DialogControlTemplate& source,
                                      RECT bounds) {
    return std::make_unique<LineEdit>(dialog, source, bounds);
}

} // namespace platform::dialogs
