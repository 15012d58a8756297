// SPDX-License-Identifier: MIT
// One command bar: its buttons and images, the pen on them, its tooltips.
#pragma once

#include <string>
#include <vector>

#include "platform/commandbar/button_images.h"
#include "platform/commandbar/tooltip.h"
#include "platform/commandbar_api.h"
#include "platform/window_api.h"

namespace platform::commandbar {

// Button cells are laid left to right from x = 2 with a one-pixel gap, the
// image centred in each.
constexpr int CELL_LEFT = 2;
constexpr int CELL_TOP = 1;
constexpr int CELL_WIDTH = 23;
constexpr int CELL_HEIGHT = 22;
constexpr int CELL_GAP = 1;
// The tooltip's distance below the bar.
constexpr int TIP_OFFSET = 1;

class CommandBar {
  public:
    explicit CommandBar(HWND window) : window_(window), tooltip_(GetParent(window)) {}

    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    int addBitmap(HINSTANCE instance, int bitmapId, int imageCount, int imageWidth,
                  int imageHeight);
    void shown(bool visible);

    // The cell of a button (bar client pixels), empty for none.
    RECT cellRect(int index) const;

  private:
    struct Button {
        int image;
        int command;
        bool enabled;
    };

    void addButtons(WPARAM count, LPARAM buttons);
    void setTooltips(WPARAM count, LPARAM texts);
    int buttonAt(POINT point) const;
    void invalidateButton(int index);
    void paint();

    void penDown(POINT point);
    void penMove(POINT point);
    void penUp(POINT point);
    void hover(int index);
    void stopHovering();
    void showTip(int index);

    HWND window_;
    ButtonImages images_;
    std::vector<Button> buttons_;
    std::vector<std::u16string> tips_;
    Tooltip tooltip_;
    int pressed_ = -1;         // the button the pen went down on
    bool pressedLook_ = false; // the pen is still over it
    int hot_ = -1;             // the button under the hovering pointer
    // While the pointer hovers over the bar, the bar holds the capture so
    // that it sees the pointer leave (there is no timer to notice it).
    bool hovering_ = false;
};

} // namespace platform::commandbar
