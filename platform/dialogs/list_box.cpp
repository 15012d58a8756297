// SPDX-License-Identifier: MIT
// A list box: a framed list of lines of which a tap, or an arrow key,
// selects one. It starts with no line selected.
#include <algorithm>

#include "platform/dialogs/control.h"
#include "platform/dialogs/control_messages.h"
#include "platform/dialogs/item_list.h"

namespace platform::dialogs {
namespace {

class ListBox final : public Control {
  public:
    using Control::Control;

    bool takesFocus() const override { return width() > 0 && height() > 0; }

    void paint(HDC dc) override {
        RECT whole{0, 0, width(), height()};
        fillWithColour(dc, whole, colours::white);
        outline(dc, whole, colours::black);
        paintItems(dc, list_, insetRect(whole, 1), lineHeight(), list_.selected, focused());
    }

    void penDown(POINT point) override {
        if (lineHeight() <= 0 || point.y < 1) {
            return;
        }
        int line = list_.top + (point.y - 1) / lineHeight();
        if (list_.contains(line) && point.y < height() - 1) {
            choose(line);
        }
    }

    bool keyDown(WORD key) override {
        switch (key) {
        case VK_UP:
            choose(list_.stepped(-1));
            return true;
        case VK_DOWN:
            choose(list_.stepped(1));
            return true;
        case VK_PRIOR:
            choose(list_.stepped(-std::max(1, rows() - 1)));
            return true;
        case VK_NEXT:
            choose(list_.stepped(std::max(1, rows() - 1)));
            return true;
        case VK_HOME:
            choose(list_.items.empty() ? -1 : 0);
            return true;
        case VK_END:
            choose(list_.count() - 1);
            return true;
        default:
            return false;
        }
    }

    bool wheel(int notchesAway) override {
        list_.scroll(-notchesAway, rows());
        invalidate();
        return true;
    }

    std::optional<LRESULT> message(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case LB_ADDSTRING: {
            int index = list_.add(reinterpret_cast<LPCWSTR>(lParam));
            invalidate();
            return index;
        }
        case LB_GETCOUNT:
            return list_.count();
        case LB_GETTOPINDEX:
            return list_.top;
        case LB_GETCURSEL:
            return list_.selected >= 0 ? list_.selected : LB_ERR;
        case LB_SETCURSEL: {
            // -1 (any value that does not fit) clears the selection; another
            // index outside the list is refused.
            auto index = static_cast<int>(static_cast<intptr_t>(wParam));
            if (index != -1 && !list_.contains(index)) {
                return LB_ERR;
            }
            list_.select(index);
            list_.reveal(index, rows());
            invalidate();
            return index == -1 ? LB_ERR : index;
        }
        default:
            return std::nullopt;
        }
    }

    void describe(nlohmann::ordered_json& entry) const override {
        entry["selected"] = list_.selected;
        entry["items"] = itemTexts(list_);
    }

  private:
    int rows() const { return lineHeight() > 0 ? std::max(1, (height() - 2) / lineHeight()) : 1; }

    void choose(int line) {
        if (line < 0) {
            return;
        }
        list_.reveal(line, rows());
        bool changed = list_.select(line);
        invalidate();
        if (changed) {
            notify(LBN_SELCHANGE);
        }
    }

    ItemList list_;
};

} // namespace

std::unique_ptr<Control> makeListBox(Dialog& dialog, const DialogControlTemplate& source,
                                     RECT bounds) {
    return std::make_unique<ListBox>(dialog, source, bounds);
}

} // namespace platform::dialogs
