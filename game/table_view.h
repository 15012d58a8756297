// SPDX-License-Identifier: MIT
// What the game asks of the window that shows the table. The game never
// paints: it says what has changed and the window repaints it. Requests,
// message boxes and the cards' own repaints go to the window's handle.
#pragma once

#include <cstdint>

#include "platform/win_types.h"

struct TableView {
    HWND (*window)();
    int32_t (*computerHandFaceDown)(); // 0 when the computer's cards are shown
    void (*repaintStatusLine)();
    void (*repaintTalonCount)();
    void (*repaintActionButton)();
    void (*releaseButtons)(); // both buttons back to their raised look
};

// The main window sets its view once, before anything is dealt. Until then
// there is no window: nothing is repainted and requests go nowhere.
void setTableView(const TableView& view);

HWND tableWindow();
int32_t computerHandShownFaceDown();
void repaintStatusLine();
void repaintTalonCount();
void repaintActionButton();
void releaseButtons();
