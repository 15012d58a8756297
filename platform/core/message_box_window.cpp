// The message box as the handheld draws it: a window centred on the screen
// with a title bar, an icon, the word-wrapped text and a row of buttons,
// run modally over its owner while the table keeps repainting beneath it.
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <optional>

#include "platform/core/core_state.h"
#include "platform/core/message_box_screen.h"
#include "platform/gdi_api.h"
#include "platform/resources/ui_language.h"
#include "platform/screen.h"
#include "resources/resource_ids.h"
#include "resources/resource_table.h"

namespace platform {
namespace {

constexpr LPCWSTR CLASS_NAME = u"talonix.messagebox";

namespace colours {
constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF face = RGB(192, 192, 192);
constexpr COLORREF shadow = RGB(128, 128, 128);
constexpr COLORREF title = RGB(0, 0, 128);
constexpr COLORREF iconRing = RGB(0, 0, 128);
constexpr COLORREF iconDisc = RGB(32, 80, 224);
} // namespace colours

namespace metrics {
constexpr int textLine = 12;
constexpr int titleHeight = 17;
constexpr int margin = 8;
constexpr int icon = 32;
constexpr int iconGlyph = 24;
constexpr int buttonWidth = 52;
constexpr int buttonHeight = 20;
constexpr int buttonGap = 8;
constexpr int buttonsAbove = 10; // space between the text and the buttons
constexpr int minWidth = 136;
constexpr int maxWidth = SCREEN_WIDTH - 16;
} // namespace metrics

class OwnedFont {
  public:
    OwnedFont(int height, int weight) : font_(CreateFontW(height, weight)) {}
    ~OwnedFont() { DeleteObject(font_); }
    OwnedFont(const OwnedFont&) = delete;
    OwnedFont& operator=(const OwnedFont&) = delete;
    HFONT get() const { return font_; }

  private:
    HFONT font_;
};

struct Button {
    RECT rect; // box client pixels
    int result;
    LPCWSTR label;
};

enum class Icon { None, Information, Question };

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

// What Escape, the close button and an interrupted run answer.
int cancelAnswer(UINT style) {
    switch (style & 0x0F) {
    case MB_YESNO:
        return IDNO;
    case MB_OKCANCEL:
        return IDCANCEL;
    default:
        return IDOK;
    }
}

struct Layout {
    RECT window;   // screen pixels
    RECT iconRect; // box client pixels; empty without an icon
    RECT textRect;
    std::vector<Button> buttons;
};

int widthOf(const RECT& rect) {
    return rect.right - rect.left;
}

RECT measureText(HDC dc, const std::u16string& text, int width, UINT format) {
    RECT rect{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format | DT_CALCRECT);
    return rect;
}

// The box is as wide as its longest line needs, within the screen, and as
// tall as its wrapped text needs; text that cannot fit the screen is cut.
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

struct BoxState {
    explicit BoxState(const MessageBoxInfo& source)
        : info(source), textFont(metrics::textLine, FW_NORMAL),
          titleFont(metrics::textLine, FW_BOLD), glyphFont(metrics::iconGlyph, FW_BOLD),
          layout(layoutBox(info, textFont.get(), titleFont.get())) {}

    MessageBoxInfo info;
    OwnedFont textFont;
    OwnedFont titleFont;
    OwnedFont glyphFont;
    Layout layout;
    int pressed = -1;         // the button the pen went down on
    bool pressedLook = false; // and is still over
    std::optional<int> answer;
};

std::map<HWND, std::unique_ptr<BoxState>>& boxes() {
    static auto* instance = new std::map<HWND, std::unique_ptr<BoxState>>(); // never destroyed
    return *instance;
}

BoxState* findBox(HWND window) {
    auto found = boxes().find(window);
    return found == boxes().end() ? nullptr : found->second.get();
}

// --- painting ---------------------------------------------------------------

void fill(HDC dc, const RECT& rect, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

void frame(HDC dc, const RECT& rect, COLORREF topLeft, COLORREF bottomRight) {
    fill(dc, RECT{rect.left, rect.top, rect.right - 1, rect.top + 1}, topLeft);
    fill(dc, RECT{rect.left, rect.top + 1, rect.left + 1, rect.bottom - 1}, topLeft);
    fill(dc, RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomRight);
    fill(dc, RECT{rect.right - 1, rect.top, rect.right, rect.bottom - 1}, bottomRight);
}

RECT inset(const RECT& rect, int by) {
    return RECT{rect.left + by, rect.top + by, rect.right - by, rect.bottom - by};
}

void disc(HDC dc, const RECT& box, COLORREF colour) {
    int size = widthOf(box);
    double radius = size / 2.0;
    for (int row = 0; row < size; ++row) {
        double dy = row + 0.5 - radius;
        double half = radius * radius - dy * dy;
        if (half <= 0) {
            continue;
        }
        int span = static_cast<int>(std::sqrt(half) + 0.5);
        int centre = box.left + size / 2;
        fill(dc, RECT{centre - span, box.top + row, centre + span, box.top + row + 1}, colour);
    }
}

void paintIcon(HDC dc, const BoxState& state) {
    Icon icon = iconOf(state.info.style);
    RECT area = state.layout.iconRect;
    if (icon == Icon::None || widthOf(area) <= 0) {
        return;
    }
    disc(dc, area, colours::iconRing);
    disc(dc, inset(area, 2), colours::iconDisc);
    SelectObject(dc, state.glyphFont.get());
    SetTextColor(dc, colours::white);
    RECT glyph = area;
    DrawTextW(dc, icon == Icon::Information ? u"i" : u"?", 1, &glyph,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void paintButton(HDC dc, const BoxState& state, size_t index) {
    const Button& button = state.layout.buttons[index];
    bool sunken = static_cast<int>(index) == state.pressed && state.pressedLook;
    fill(dc, button.rect, colours::face);
    // The first button is the one Enter presses: it has the heavier frame.
    RECT face = button.rect;
    if (index == 0) {
        frame(dc, face, colours::black, colours::black);
        face = inset(face, 1);
    }
    if (sunken) {
        frame(dc, face, colours::shadow, colours::white);
    } else {
        frame(dc, face, colours::white, colours::black);
        frame(dc, inset(face, 1), colours::face, colours::shadow);
    }
    RECT label = button.rect;
    if (sunken) {
        label = RECT{label.left + 1, label.top + 1, label.right + 1, label.bottom + 1};
    }
    SelectObject(dc, state.textFont.get());
    SetTextColor(dc, colours::black);
    DrawTextW(dc, button.label, -1, &label, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void paintBox(HWND window, const BoxState& state) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    if (dc != nullptr) {
        RECT whole{};
        GetClientRect(window, &whole);
        fill(dc, whole, colours::white);
        frame(dc, whole, colours::black, colours::black);
        SetBkMode(dc, TRANSPARENT);

        RECT bar{1, 1, whole.right - 1, metrics::titleHeight};
        fill(dc, bar, colours::title);
        SelectObject(dc, state.titleFont.get());
        SetTextColor(dc, colours::white);
        RECT caption{bar.left + 4, bar.top, bar.right - 4, bar.bottom};
        DrawTextW(dc, state.info.caption.c_str(), static_cast<int>(state.info.caption.size()),
                  &caption, DT_LEFT | DT_VCENTER | DT_SINGLELINE);

        paintIcon(dc, state);
        SelectObject(dc, state.textFont.get());
        SetTextColor(dc, colours::black);
        RECT text = state.layout.textRect;
        DrawTextW(dc, state.info.text.c_str(), static_cast<int>(state.info.text.size()), &text,
                  DT_LEFT | DT_TOP | DT_WORDBREAK);
        for (size_t i = 0; i < state.layout.buttons.size(); ++i) {
            paintButton(dc, state, i);
        }
    }
    EndPaint(window, &paint);
}

// --- answering --------------------------------------------------------------

POINT pointOf(LPARAM lParam) {
    auto value = static_cast<uintptr_t>(lParam);
    return POINT{static_cast<int16_t>(LOWORD(value)), static_cast<int16_t>(HIWORD(value))};
}

int buttonAt(const BoxState& state, POINT point) {
    const auto& buttons = state.layout.buttons;
    for (size_t i = 0; i < buttons.size(); ++i) {
        const RECT& rect = buttons[i].rect;
        if (point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
            point.y < rect.bottom) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void invalidateButton(HWND window, const BoxState& state, int index) {
    if (index >= 0 && index < static_cast<int>(state.layout.buttons.size())) {
        InvalidateRect(window, &state.layout.buttons[static_cast<size_t>(index)].rect, FALSE);
    }
}

bool hasButton(const BoxState& state, int result) {
    return std::any_of(state.layout.buttons.begin(), state.layout.buttons.end(),
                       [result](const Button& button) { return button.result == result; });
}

void answer(BoxState& state, int result) {
    if (!state.answer) {
        state.answer = result;
    }
}

void keyDown(BoxState& state, WPARAM key) {
    switch (key) {
    case VK_RETURN:
        answer(state, state.layout.buttons.front().result);
        break;
    case VK_ESCAPE:
        answer(state, cancelAnswer(state.info.style));
        break;
    case 'Y':
        if (hasButton(state, IDYES)) {
            answer(state, IDYES);
        }
        break;
    case 'N':
        if (hasButton(state, IDNO)) {
            answer(state, IDNO);
        }
        break;
    default:
        break;
    }
}

LRESULT messageBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        boxes().erase(window);
        return 0;
    }
    BoxState* state = findBox(window);
    if (state == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_PAINT:
        paintBox(window, *state);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        state->pressed = buttonAt(*state, pointOf(lParam));
        state->pressedLook = state->pressed >= 0;
        invalidateButton(window, *state, state->pressed);
        return 0;
    case WM_MOUSEMOVE:
        if (state->pressed >= 0) {
            bool over = buttonAt(*state, pointOf(lParam)) == state->pressed;
            if (over != state->pressedLook) {
                state->pressedLook = over;
                invalidateButton(window, *state, state->pressed);
            }
        }
        return 0;
    case WM_LBUTTONUP: {
        int index = state->pressed;
        state->pressed = -1;
        state->pressedLook = false;
        invalidateButton(window, *state, index);
        if (index >= 0 && buttonAt(*state, pointOf(lParam)) == index) {
            answer(*state, state->layout.buttons[static_cast<size_t>(index)].result);
        }
        return 0;
    }
    case WM_KEYDOWN:
        keyDown(*state, wParam);
        return 0;
    case WM_COMMAND: // the desktop window's close button
        if (LOWORD(wParam) == IDCANCEL) {
            answer(*state, cancelAnswer(state->info.style));
        }
        return 0;
    case WM_CLOSE:
        answer(*state, cancelAnswer(state->info.style));
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LPCWSTR messageBoxClassName() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = messageBoxProc;
    windowClass.lpszClassName = CLASS_NAME;
    RegisterClassW(&windowClass); // refused, harmlessly, once registered
    return CLASS_NAME;
}

// Boxes whose windows went without a destruction message (a platform reset).
void forgetLostBoxes() {
    std::erase_if(boxes(), [](const auto& entry) { return findWindow(entry.first) == nullptr; });
}

int defaultAnswer(UINT style) {
    return (style & 0x0F) == MB_YESNO ? IDNO : IDOK;
}

} // namespace

HWND showMessageBoxWindow(HWND owner, const MessageBoxInfo& box) {
    forgetLostBoxes();
    auto state = std::make_unique<BoxState>(box);
    const RECT& at = state->layout.window;
    HWND window = CreateWindowExW(0, messageBoxClassName(), box.caption.c_str(), 0, at.left, at.top,
                                  at.right - at.left, at.bottom - at.top, topLevelOf(owner),
                                  nullptr, nullptr, nullptr);
    if (window == nullptr) {
        return nullptr;
    }
    boxes()[window] = std::move(state);
    ShowWindow(window, SW_SHOW);
    return window;
}

std::vector<MessageBoxButton> messageBoxButtons(HWND box) {
    std::vector<MessageBoxButton> buttons;
    BoxState* state = findBox(box);
    RECT window{};
    if (state == nullptr || GetWindowRect(box, &window) == FALSE) {
        return buttons;
    }
    for (const Button& button : state->layout.buttons) {
        const RECT& rect = button.rect;
        buttons.push_back(MessageBoxButton{RECT{window.left + rect.left, window.top + rect.top,
                                                window.left + rect.right, window.top + rect.bottom},
                                           button.result});
    }
    return buttons;
}

int runMessageBoxOnScreen(HWND owner, const MessageBoxInfo& box) {
    int result = defaultAnswer(box.style);
    HWND window = showMessageBoxWindow(owner, box);
    if (window == nullptr) {
        return result;
    }
    HWND blocked = topLevelOf(owner);
    bool wasEnabled = blocked != nullptr && IsWindowEnabled(blocked) != FALSE;
    if (wasEnabled) {
        EnableWindow(blocked, FALSE);
    }
    MSG message{};
    for (;;) {
        BoxState* state = findBox(window);
        if (state == nullptr) {
            break; // its owner went away and took it along
        }
        if (state->answer) {
            result = *state->answer;
            break;
        }
        if (GetMessageW(&message, nullptr, 0, 0) == FALSE) {
            // The outer loop must see the quit too.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        DispatchMessageW(&message);
    }
    if (wasEnabled) {
        EnableWindow(blocked, TRUE);
    }
    DestroyWindow(window);
    return result;
}

} // namespace platform
