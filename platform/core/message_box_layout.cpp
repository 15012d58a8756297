// SPDX-License-Identifier: MIT
// Where the parts of a message box lie: its size and place on the screen,
// the icon, the wrapped text and the row of buttons.
#include <algorithm>

#include "platform/core/message_box_parts.h"
#include "platform/resources/ui_language.h"
#include "resources/resource_ids.h"
#include "resources/resource_table.h"

namespace platform::message_box {
namespace {

struct ButtonChoice {
    int result;
    LPCWSTR label;
};

// The buttons' words come from the string table, in the interface language.
LPCWSTR buttonLabel(int stringId) {
    LPCWSTR label = resources::findString(stringId, resourceLanguage());
    return label != nullptr ? label : u"";
}

std::vector<ButtonChoice> buttonsOf(UINT style) {
    switch (style & 0x0F) {
    case MB_YESNO:
        return {{IDYES, buttonLabel(IDS_BUTTON_YES)}, {IDNO, buttonLabel(IDS_BUTTON_NO)}};
    case MB_OKCANCEL:
        return {{IDOK, buttonLabel(IDS_BUTTON_OK)}, {IDCANCEL, buttonLabel(IDS_BUTTON_CANCEL)}};
    default:
        return {{IDOK, buttonLabel(IDS_BUTTON_OK)}};
    }
}

RECT measureText(HDC dc, const std::u16string& text, int width, UINT format) {
    RECT rect{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format | DT_CALCRECT);
    return rect;
}

} // namespace

Icon iconOf(UINT style) {
    switch (style & 0xF0) {
    case MB_ICONINFORMATION:
        return Icon::Information;
    case MB_ICONQUESTION:
        return Icon::Question;
    default:
        return Icon::None;
    }
}

int widthOf(const RECT& rect) {
    return rect.right - rect.left;
}

Layout layoutBox(const MessageBoxInfo& box, HFONT textFont, HFONT titleFont) {
    using namespace metrics;
    Layout layout;
    bool withIcon = iconOf(box.style) != Icon::None;
    int textLeft = margin + (withIcon ? icon + margin : 0);
    std::vector<ButtonChoice> choices = buttonsOf(box.style);
    int buttonsWidth = static_cast<int>(choices.size()) * (buttonWidth + buttonGap) - buttonGap;

    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, titleFont);
    int captionWidth = widthOf(measureText(dc, box.caption, maxWidth, DT_SINGLELINE));
    SelectObject(dc, textFont);
    int widest = widthOf(measureText(dc, box.text, maxWidth * 4, 0));
    int textWidth = std::clamp(widest, 0, maxWidth - textLeft - margin);
    int width = std::clamp(
        std::max({textLeft + textWidth + margin, buttonsWidth + 2 * margin, captionWidth + 12}),
        minWidth, maxWidth);
    textWidth = width - textLeft - margin;
    RECT wrapped = measureText(dc, box.text, textWidth, DT_WORDBREAK);
    DeleteDC(dc);

    int contentTop = titleHeight + margin;
    int fixedHeight = contentTop + buttonsAbove + buttonHeight + margin;
    int textHeight = std::min<int>(wrapped.bottom - wrapped.top, SCREEN_HEIGHT - fixedHeight);
    int contentHeight = std::max(withIcon ? icon : 0, textHeight);
    int height = std::min(fixedHeight + contentHeight, SCREEN_HEIGHT);

    // A short text stands level with the middle of the icon.
    int textTop = contentTop + std::max(0, (contentHeight - textHeight) / 2);
    layout.textRect = RECT{textLeft, textTop, textLeft + textWidth, textTop + textHeight};
    if (withIcon) {
        layout.iconRect = RECT{margin, contentTop, margin + icon, contentTop + icon};
    } else {
        layout.iconRect = RECT{0, 0, 0, 0};
    }
    int buttonTop = height - margin - buttonHeight;
    int left = (width - buttonsWidth) / 2;
    for (const ButtonChoice& choice : choices) {
        layout.buttons.push_back(
            Button{RECT{left, buttonTop, left + buttonWidth, buttonTop + buttonHeight},
                   choice.result, choice.label});
        left += buttonWidth + buttonGap;
    }
    int x = (SCREEN_WIDTH - width) / 2;
    int y = (SCREEN_HEIGHT - height) / 2;
    layout.window = RECT{x, y, x + width, y + height};
    return layout;
}

} // namespace platform::message_box
