// SPDX-License-Identifier: MIT
// A drop-down list: a box showing the selected line, with an arrow button.
// A tap on it opens the list below it (as far down as the template's height
// reaches) over the controls beneath; a tap on a line picks it and closes the
// list, a tap anywhere else in the dialog only closes it. The open list is a
// child window made last, so it lies above its siblings and gets their taps.
#include <algorithm>

#include "platform/dialogs/control.h"
#include "platform/dialogs/control_messages.h"
#include "platform/dialogs/item_list.h"
#include "platform/window_api.h"

namespace platform::dialogs {
namespace {

POINT pointOf(LPARAM lParam) {
    auto value = static_cast<uintptr_t>(lParam);
    return POINT{static_cast<int16_t>(LOWORD(value)), static_cast<int16_t>(HIWORD(value))};
}

class DropDownList final : public Control {
  public:
    using Control::Control;

    RECT windowRect() const override {
        RECT rect = bounds();
        rect.bottom = rect.top + boxHeight();
        return rect;
    }

    bool takesFocus() const override { return width() > 0 && boxHeight() > 0; }

    HWND popup() const override { return popup_; }

    void paint(HDC dc) override {
        int height = boxHeight();
        RECT whole{0, 0, width(), height};
        fillWithColour(dc, whole, colours::white);
        outline(dc, whole, colours::black);
        int side = std::max(0, height - 2);
        RECT button{width() - 1 - side, 1, width() - 1, height - 1};
        raisedBox(dc, button, popup_ != nullptr);
        arrowMark(dc, insetRect(button, 2), false, colours::black);

        RECT field{1, 1, button.left, height - 1};
        COLORREF ink = colours::black;
        if (focused() && popup_ == nullptr) {
            fillWithColour(dc, insetRect(field, 1), colours::selection);
            ink = colours::white;
        }
        int top = std::max(1, (height - lineHeight()) / 2);
        textLine(dc, text(), RECT{field.left + 2, top, field.right - 1, field.bottom}, ink);
    }

    void penDown(POINT /*point*/) override { openList(); }

    bool keyDown(WORD key) override {
        if (popup_ != nullptr) {
            return listKey(key);
        }
        switch (key) {
        case VK_UP:
            choose(list_.stepped(-1));
            return true;
        case VK_DOWN:
            choose(list_.stepped(1));
            return true;
        case VK_HOME:
            choose(list_.items.empty() ? -1 : 0);
            return true;
        case VK_END:
            choose(list_.count() - 1);
            return true;
        case VK_SPACE:
        case VK_F4:
            openList();
            return true;
        default:
            return false;
        }
    }

    std::optional<LRESULT> message(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case CB_ADDSTRING: {
            int index = list_.add(reinterpret_cast<LPCWSTR>(lParam));
            refreshList();
            return index;
        }
        case CB_GETCOUNT:
            return list_.count();
        case CB_GETCURSEL:
            return list_.selected >= 0 ? list_.selected : CB_ERR;
        case CB_SETCURSEL: {
            // An index outside the list, -1 among them, leaves no selection.
            auto index = static_cast<int>(static_cast<intptr_t>(wParam));
            if (!list_.contains(index)) {
                index = -1;
            }
            setSelection(index);
            return index >= 0 ? index : CB_ERR;
        }
        case CB_SHOWDROPDOWN:
            if (wParam != 0) {
                openList();
            } else {
                closePopup();
            }
            return TRUE;
        case CB_GETDROPPEDSTATE:
            return popup_ != nullptr ? TRUE : FALSE;
        default:
            return std::nullopt;
        }
    }

    void describe(nlohmann::ordered_json& entry) const override {
        entry["selected"] = list_.selected;
        entry["items"] = itemTexts(list_);
    }

    void closePopup() override {
        if (popup_ == nullptr) {
            return;
        }
        HWND closing = popup_;
        popup_ = nullptr;
        if (dialog().openDropDown == this) {
            dialog().openDropDown = nullptr;
        }
        DestroyWindow(closing);
        invalidate();
    }

    // The open list's window.
    void paintList(HDC dc) {
        RECT whole{};
        GetClientRect(popup_, &whole);
        fillWithColour(dc, whole, colours::white);
        outline(dc, whole, colours::black);
        paintItems(dc, list_, insetRect(whole, 1), lineHeight(), highlighted_, false);
    }

    void listPenDown(POINT point) {
        tracking_ = true;
        highlightAt(point);
    }

    void listPenMove(POINT point) {
        if (tracking_) {
            highlightAt(point);
        }
    }

    void listPenUp(POINT point) {
        if (!tracking_) {
            return;
        }
        tracking_ = false;
        int line = lineAt(point);
        if (line >= 0) {
            commit(line);
        } else {
            closePopup();
        }
    }

    void listWheel(int notchesAway) {
        list_.scroll(-notchesAway, rows_);
        InvalidateRect(popup_, nullptr, FALSE);
    }

  private:
    int boxHeight() const { return std::min(height(), lineHeight() + 6); }

    void refreshList() {
        if (popup_ != nullptr) {
            InvalidateRect(popup_, nullptr, FALSE);
        }
    }

    void setSelection(int index) {
        list_.select(index);
        LPCWSTR shown =
            list_.contains(index) ? list_.items[static_cast<size_t>(index)].c_str() : u"";
        // The box's text is the selected line, as its window text too.
        SetWindowTextW(window(), shown);
        invalidate();
    }

    void choose(int line) {
        if (line < 0) {
            return;
        }
        bool changed = list_.selected != line;
        setSelection(line);
        if (changed) {
            notify(CBN_SELCHANGE);
        }
    }

    void commit(int line) {
        closePopup();
        choose(line);
    }

    void openList() {
        if (popup_ != nullptr) {
            closePopup();
            return;
        }
        Dialog& owner = dialog();
        int itemHeight = std::max(1, lineHeight());
        RECT dialogArea{};
        GetClientRect(owner.window, &dialogArea);
        int floor = dialogArea.bottom - owner.frame.border;
        int ceiling = owner.frame.titleHeight;

        int wanted =
            std::max(1, std::min(list_.count(), (height() - boxHeight() - 2) / itemHeight));
        int below = (floor - (bounds().top + boxHeight()) - 2) / itemHeight;
        int above = (bounds().top - ceiling - 2) / itemHeight;
        // Below the box unless the list fits better above it.
        bool placeBelow = below >= wanted || below >= above;
        rows_ = std::max(1, std::min(wanted, placeBelow ? below : above));
        int top = placeBelow ? bounds().top + boxHeight() : bounds().top - rows_ * itemHeight - 2;
        highlighted_ = list_.selected;
        list_.reveal(highlighted_, rows_);
        list_.scroll(0, rows_);
        owner.openDropDown = this;
        popup_ = CreateWindowExW(0, dropListClassName, u"", WS_CHILD | WS_VISIBLE, bounds().left,
                                 top, width(), rows_ * itemHeight + 2, owner.window, nullptr,
                                 nullptr, nullptr);
        if (popup_ == nullptr) {
            owner.openDropDown = nullptr;
        }
        tracking_ = false;
        invalidate();
    }

    bool listKey(WORD key) {
        switch (key) {
        case VK_UP:
        case VK_DOWN: {
            int from = list_.contains(highlighted_) ? highlighted_ : -1;
            int line = from < 0 ? (list_.items.empty() ? -1 : 0)
                                : std::clamp(from + (key == VK_UP ? -1 : 1), 0, list_.count() - 1);
            highlightLine(line);
            return true;
        }
        case VK_RETURN:
            if (list_.contains(highlighted_)) {
                commit(highlighted_);
            } else {
                closePopup();
            }
            return true;
        case VK_ESCAPE:
        case VK_F4:
        case VK_SPACE:
            closePopup();
            return true;
        default:
            return false;
        }
    }

    int lineAt(POINT point) const {
        RECT whole{};
        GetClientRect(popup_, &whole);
        if (!rectContains(insetRect(whole, 1), point) || lineHeight() <= 0) {
            return -1;
        }
        int line = list_.top + (point.y - 1) / lineHeight();
        return list_.contains(line) ? line : -1;
    }

    void highlightAt(POINT point) {
        int line = lineAt(point);
        if (line >= 0) {
            highlightLine(line);
        }
    }

    void highlightLine(int line) {
        if (line == highlighted_ || line < 0) {
            return;
        }
        highlighted_ = line;
        list_.reveal(line, rows_);
        InvalidateRect(popup_, nullptr, FALSE);
    }

    ItemList list_;
    HWND popup_ = nullptr;
    int rows_ = 1;
    int highlighted_ = -1;
    bool tracking_ = false;
};

DropDownList* dropDownOf(HWND popup) {
    Dialog* dialog = dialogOwning(popup);
    Control* control = dialog != nullptr ? dialog->controlByWindow(popup) : nullptr;
    if (control == nullptr || control->kind() != DialogControlKind::DropDownList ||
        control->popup() != popup) {
        return nullptr;
    }
    return static_cast<DropDownList*>(control);
}

} // namespace

std::unique_ptr<Control> makeDropDownList(Dialog& dialog, const DialogControlTemplate& source,
                                          RECT bounds) {
    return std::make_unique<DropDownList>(dialog, source, bounds);
}

void closeDropDown(Dialog& dialog) {
    if (dialog.openDropDown != nullptr) {
        dialog.openDropDown->closePopup();
    }
}

LRESULT dropListWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DropDownList* dropDown = dropDownOf(window);
    if (dropDown == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(window, &paint);
        if (dc != nullptr) {
            SelectObject(dc, dropDown->dialog().font.get());
            dropDown->paintList(dc);
        }
        EndPaint(window, &paint);
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        dropDown->listPenDown(pointOf(lParam));
        return 0;
    case WM_MOUSEMOVE:
        dropDown->listPenMove(pointOf(lParam));
        return 0;
    case WM_LBUTTONUP:
        dropDown->listPenUp(pointOf(lParam));
        return 0;
    case WM_MOUSEWHEEL:
        dropDown->listWheel(static_cast<int16_t>(HIWORD(wParam)) / 120);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace platform::dialogs
