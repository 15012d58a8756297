// SPDX-License-Identifier: MIT
// The parts of the message box window shared by its layout, its painting
// and its answers to the pen and the keys.
#pragma once

#include <optional>
#include <vector>

#include "platform/backend.h"
#include "platform/gdi_api.h"
#include "platform/messages.h"
#include "platform/screen.h"

namespace platform::message_box {

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

Icon iconOf(UINT style);

struct Layout {
    RECT window;   // screen pixels
    RECT iconRect; // box client pixels; empty without an icon
    RECT textRect;
    std::vector<Button> buttons;
};

int widthOf(const RECT& rect);

// The box is as wide as its longest line needs, within the screen, and as
// tall as its wrapped text needs; text that cannot fit the screen is cut.
Layout layoutBox(const MessageBoxInfo& box, HFONT textFont, HFONT titleFont);

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

// The boxes on the screen, by window.
BoxState* findBox(HWND window);
void forgetBox(HWND window);

void paintBox(HWND window, const BoxState& state);

// The pen, the keys and the close button; answers are kept in the state.
LRESULT messageBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace platform::message_box
