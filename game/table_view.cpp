// SPDX-License-Identifier: MIT
#include "game/table_view.h"

namespace {

HWND noWindow() {
    return nullptr;
}
int32_t faceDown() {
    return 1;
}
void nothing() {}

constinit TableView view = {noWindow, faceDown, nothing, nothing, nothing, nothing};

} // namespace

void setTableView(const TableView& shown) {
    view = shown;
}

HWND tableWindow() {
    return view.window();
}
int32_t computerHandShownFaceDown() {
    return view.computerHandFaceDown();
}
void repaintStatusLine() {
    view.repaintStatusLine();
}
void repaintTalonCount() {
    view.repaintTalonCount();
}
void repaintActionButton() {
    view.repaintActionButton();
}
void releaseButtons() {
    view.releaseButtons();
}
