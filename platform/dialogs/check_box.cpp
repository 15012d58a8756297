// SPDX-License-Identifier: MIT
// A check box: a square that a tap (or space) ticks and unticks, with its
// label beside it; BS_MULTILINE lets the label wrap onto more lines.
#include <algorithm>

#include "platform/dialogs/control.h"
#include "platform/dialogs/control_messages.h"
#include "platform/dialogs/text_layout.h"

namespace platform::dialogs {
namespace {

class CheckBox final : public Control {
  public:
    using Control::Control;

    bool takesFocus() const override { return width() > 0 && height() > 0; }

    // Our typeface is wider than the handheld's: a one-line label that does
    // not fit takes the free space to its right, up to the next control or
    // the edge of the dialog.
    void fitText() override {
        if ((style() & BS_MULTILINE) != 0) {
            return;
        }
        MeasuringDC measuring(dialog().font.get());
        int needed = labelLeft() + textWidth(measuring.get(), text()) + 2;
        if (needed <= width()) {
            return;
        }
        int limit = clientRight(dialog());
        const DialogTemplate& source = *dialog().source;
        for (int i = 0; i < source.controlCount; ++i) {
            RECT other = templateBounds(dialog(), source.controls[i]);
            bool beside = other.top < bounds().bottom && bounds().top < other.bottom;
            if (beside && other.left >= bounds().right) {
                limit = std::min(limit, static_cast<int>(other.left));
            }
        }
        RECT wider = bounds();
        wider.right = std::max(wider.right, std::min(wider.left + needed, limit));
        setBounds(wider);
    }

    void paint(HDC dc) override {
        fillWithColour(dc, RECT{0, 0, width(), height()}, colours::white);
        int size = boxSize();
        RECT box{0, (height() - size) / 2, size, (height() - size) / 2 + size};
        fillWithColour(dc, box, tracking_ && over_ ? colours::face : colours::white);
        outline(dc, box, colours::black);
        if (checked_) {
            checkMark(dc, insetRect(box, 1));
        }

        int left = labelLeft();
        int labelWidth = width() - left;
        std::vector<std::u16string> lines;
        if ((style() & BS_MULTILINE) != 0) {
            lines = breakLines(dc, text(), labelWidth, LongWords::Clip);
        } else {
            lines.push_back(text());
        }
        int step = lineHeight();
        int blockHeight = std::min(height(), static_cast<int>(lines.size()) * step);
        int top = (height() - blockHeight) / 2;
        int widest = 0;
        for (size_t i = 0; i < lines.size(); ++i) {
            int lineTop = top + static_cast<int>(i) * step;
            if (lineTop >= height()) {
                break;
            }
            textLine(dc, lines[i], RECT{left, lineTop, width(), height()}, colours::black);
            widest = std::max(widest, textWidth(dc, lines[i]));
        }
        if (focused()) {
            focusMarks(dc,
                       RECT{left - 2, std::max(0, top - 1), std::min(width(), left + widest + 2),
                            std::min(height(), top + blockHeight + 1)});
        }
    }

    void penDown(POINT /*point*/) override {
        tracking_ = true;
        over_ = true;
        invalidate();
    }

    void penMove(POINT point) override {
        if (tracking_ && over_ != inside(point)) {
            over_ = !over_;
            invalidate();
        }
    }

    void penUp(POINT point) override {
        if (!tracking_) {
            return;
        }
        tracking_ = false;
        invalidate();
        if (inside(point)) {
            press();
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
        setChecked(!checked_);
        notify(BN_CLICKED);
        return true;
    }

    std::optional<LRESULT> message(UINT message, WPARAM wParam, LPARAM /*lParam*/) override {
        switch (message) {
        case BM_GETCHECK:
            return checked_ ? BST_CHECKED : BST_UNCHECKED;
        case BM_SETCHECK:
            setChecked(wParam == BST_CHECKED);
            return 0;
        case BM_CLICK:
            press();
            return 0;
        default:
            return std::nullopt;
        }
    }

    void describe(nlohmann::ordered_json& entry) const override {
        entry["checked"] = checked_ ? 1 : 0;
    }

  private:
    int boxSize() const { return std::max(5, std::min(lineHeight() - 2, height())); }
    int labelLeft() const { return boxSize() + 4; }

    bool inside(POINT point) const { return rectContains(RECT{0, 0, width(), height()}, point); }

    void setChecked(bool checked) {
        if (checked_ != checked) {
            checked_ = checked;
            invalidate();
        }
    }

    bool checked_ = false;
    bool tracking_ = false;
    bool over_ = false;
};

} // namespace

std::unique_ptr<Control> makeCheckBox(Dialog& dialog, const DialogControlTemplate& source,
                                      RECT bounds) {
    return std::make_unique<CheckBox>(dialog, source, bounds);
}

} // namespace platform::dialogs
