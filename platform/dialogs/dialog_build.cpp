// SPDX-License-Identifier: MIT
#include "platform/dialogs/dialog_build.h"

#include <algorithm>

#include "platform/commandbar_api.h"
#include "platform/dialogs/control.h"
#include "platform/screen.h"
#include "platform/window_api.h"
#include "resources/resource_table.h"

namespace platform::dialogs {
namespace {

void registerClass(HINSTANCE instance, LPCWSTR name, WNDPROC procedure) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = name;
    RegisterClassW(&windowClass);
}

bool usable(const DialogTemplate& source) {
    if (source.controlCount < 0 || (source.controlCount > 0 && source.controls == nullptr)) {
        return false;
    }
    return source.cx >= 0 && source.cy >= 0;
}

} // namespace

RECT templateBounds(const Dialog& dialog, const DialogControlTemplate& item) {
    POINT origin = dialog.frame.clientOrigin();
    int left = origin.x + dialog.units.x(item.x);
    int top = origin.y + dialog.units.y(item.y);
    return RECT{left, top, left + std::max(0, dialog.units.x(item.cx)),
                top + std::max(0, dialog.units.y(item.cy))};
}

int clientRight(const Dialog& dialog) {
    int width = dialog.source != nullptr ? dialog.units.x(dialog.source->cx) : 0;
    return dialog.frame.border + width;
}

void registerDialogClasses(HINSTANCE instance) {
    registerClass(instance, dialogClassName, dialogWindowProc);
    registerClass(instance, controlClassName, controlWindowProc);
    registerClass(instance, dropListClassName, dropListWindowProc);
}

POINT defaultDialogPosition(int width, int height) {
    int x = std::max(0, (SCREEN_WIDTH - width) / 2);
    int below = COMMAND_BAR_HEIGHT;
    int y = below + (SCREEN_HEIGHT - below - height) / 2;
    y = std::max(0, std::min(y, SCREEN_HEIGHT - height));
    return POINT{x, y};
}

std::unique_ptr<Dialog> buildDialog(HINSTANCE instance, const DialogTemplate& source, HWND owner,
                                    DLGPROC procedure) {
    if (!usable(source)) {
        return nullptr;
    }
    auto dialog = std::make_unique<Dialog>();
    dialog->source = &source;
    dialog->templateId = resources::dialogId(&source);
    dialog->procedure = procedure;
    dialog->owner = owner;
    int lineHeight = dialogFontLineHeight(source.pointSize);
    dialog->font = OwnedFont(lineHeight, FW_NORMAL);
    dialog->titleFont = OwnedFont(lineHeight, FW_BOLD);
    dialog->units = measureDialogUnits(dialog->font.get(), lineHeight);
    dialog->frame.titleHeight = std::max(16, lineHeight + 5);

    int width = dialog->units.x(source.cx) + 2 * dialog->frame.border;
    int height = dialog->units.y(source.cy) + dialog->frame.titleHeight + dialog->frame.border;
    POINT at = defaultDialogPosition(width, height);
    dialog->window =
        CreateWindowExW(0, dialogClassName, source.title != nullptr ? source.title : u"", 0, at.x,
                        at.y, width, height, owner, nullptr, instance, nullptr);
    if (dialog->window == nullptr) {
        return nullptr;
    }

    for (int i = 0; i < source.controlCount; ++i) {
        const DialogControlTemplate& item = source.controls[i];
        std::unique_ptr<Control> control =
            makeControl(*dialog, item, templateBounds(*dialog, item));
        if (control == nullptr) {
            DestroyWindow(dialog->window);
            return nullptr;
        }
        control->fitText();
        RECT rect = control->windowRect();
        HWND window = CreateWindowExW(
            0, controlClassName, item.text != nullptr ? item.text : u"", WS_CHILD | WS_VISIBLE,
            rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, dialog->window,
            reinterpret_cast<HMENU>(static_cast<intptr_t>(item.id)), instance, nullptr);
        if (window == nullptr) {
            DestroyWindow(dialog->window);
            return nullptr;
        }
        control->attach(window);
        dialog->controls.push_back(std::move(control));
    }
    return dialog;
}

} // namespace platform::dialogs
