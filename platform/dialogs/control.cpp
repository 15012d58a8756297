// SPDX-License-Identifier: MIT
// What every control shares, and the window procedure of the controls'
// windows: it finds the control and hands it the pen, the keys and paints.
#include "platform/dialogs/control.h"

#include "platform/window_api.h"

namespace platform::dialogs {

Control::Control(Dialog& dialog, const DialogControlTemplate& source, RECT bounds)
    : dialog_(&dialog), id_(source.id), kind_(source.kind), style_(source.style), bounds_(bounds),
      text_(source.text != nullptr ? source.text : u"") {}

void Control::setText(std::u16string_view text) {
    text_ = text;
    textChanged();
}

bool Control::focused() const {
    return window_ != nullptr && GetFocus() == window_;
}

void Control::invalidate() const {
    if (window_ != nullptr) {
        InvalidateRect(window_, nullptr, FALSE);
    }
}

void Control::notify(WORD code) const {
    sendCommand(*dialog_, id_, window_, code);
}

std::unique_ptr<Control> makeControl(Dialog& dialog, const DialogControlTemplate& source,
                                     RECT bounds) {
    switch (source.kind) {
    case DialogControlKind::Static:
        return makeStatic(dialog, source, bounds);
    case DialogControlKind::PushButton:
    case DialogControlKind::DefaultPushButton:
        return makePushButton(dialog, source, bounds);
    case DialogControlKind::CheckBox:
        return makeCheckBox(dialog, source, bounds);
    case DialogControlKind::ListBox:
        return makeListBox(dialog, source, bounds);
    case DialogControlKind::DropDownList:
        return makeDropDownList(dialog, source, bounds);
    case DialogControlKind::Edit:
        if ((source.style & ES_MULTILINE) == 0) {
            return makeLineEdit(dialog, source, bounds); // the one that takes typing
        }
        return makeEdit(dialog, source, bounds);
    }
    return nullptr;
}

namespace {

POINT pointOf(LPARAM lParam) {
    auto value = static_cast<uintptr_t>(lParam);
    return POINT{static_cast<int16_t>(LOWORD(value)), static_cast<int16_t>(HIWORD(value))};
}

int wheelNotches(WPARAM wParam) {
    return static_cast<int16_t>(HIWORD(wParam)) / 120;
}

void paintControl(Control& control) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(control.window(), &paint);
    if (dc != nullptr) {
        SelectObject(dc, control.dialog().font.get());
        control.paint(dc);
    }
    EndPaint(control.window(), &paint);
}

} // namespace

LRESULT controlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* dialog = dialogOwning(window);
    Control* control = dialog != nullptr ? dialog->controlByWindow(window) : nullptr;
    if (control == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (std::optional<LRESULT> result = control->message(message, wParam, lParam)) {
        return *result;
    }
    switch (message) {
    case WM_PAINT:
        paintControl(*control);
        return 0;
    case WM_SETTEXT:
        control->setText(lParam != 0 ? reinterpret_cast<LPCWSTR>(lParam) : u"");
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // A tap beside an open drop-down list only closes the list.
        if (dialog->openDropDown != nullptr) {
            closeDropDown(*dialog);
            return 0;
        }
        if (control->takesFocus()) {
            focusControl(*dialog, control);
        }
        control->penDown(pointOf(lParam));
        return 0;
    case WM_MOUSEMOVE:
        control->penMove(pointOf(lParam));
        return 0;
    case WM_LBUTTONUP:
        control->penUp(pointOf(lParam));
        return 0;
    case WM_KEYDOWN: {
        WORD key = LOWORD(wParam);
        if (control->keyDown(key) || dialogNavigationKey(*dialog, key)) {
            return 0;
        }
        break;
    }
    case WM_MOUSEWHEEL:
        if (!control->wheel(wheelNotches(wParam))) {
            dialogWheel(*dialog, wheelNotches(wParam));
        }
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace platform::dialogs
