// SPDX-License-Identifier: MIT
// A static label. Labels may overlap (the statistics put colons over the
// counts), so each label paints every label that overlaps it, in template
// order, as if labels had no background of their own.
#include <algorithm>

#include "platform/dialogs/control.h"
#include "platform/dialogs/text_layout.h"

namespace platform::dialogs {
namespace {

bool overlaps(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

class StaticControl final : public Control {
  public:
    using Control::Control;

    void paint(HDC dc) override {
        fillWithColour(dc, RECT{0, 0, width(), height()}, colours::white);
        for (const auto& other : dialog().controls) {
            if (other->kind() == DialogControlKind::Static && overlaps(other->bounds(), bounds())) {
                POINT offset{other->bounds().left - bounds().left,
                             other->bounds().top - bounds().top};
                static_cast<const StaticControl&>(*other).paintText(dc, offset);
            }
        }
    }

  protected:
    void textChanged() override {
        for (const auto& other : dialog().controls) {
            if (other->kind() == DialogControlKind::Static && overlaps(other->bounds(), bounds())) {
                other->invalidate();
            }
        }
    }

  private:
    // Draws this label's lines with its top-left corner at offset.
    void paintText(HDC dc, POINT offset) const {
        std::vector<std::u16string> lines = breakLines(dc, text(), width(), LongWords::Clip);
        int step = lineHeight();
        for (size_t i = 0; i < lines.size(); ++i) {
            int top = static_cast<int>(i) * step;
            if (top >= height()) {
                break;
            }
            int left = 0;
            if ((style() & SS_RIGHT) != 0) {
                left = std::max(0, width() - textWidth(dc, lines[i]));
            }
            RECT area{offset.x + left, offset.y + top, offset.x + width(),
                      offset.y + std::min(height(), top + step)};
            textLine(dc, lines[i], area, colours::black);
        }
    }
};

} // namespace

std::unique_ptr<Control> makeStatic(Dialog& dialog, const DialogControlTemplate& source,
                                    RECT bounds) {
    return std::make_unique<StaticControl>(dialog, source, bounds);
}

} // namespace platform::dialogs
