// SPDX-License-Identifier: MIT
// The strip right of the cards: separator lines and the two buttons.
#include "game/game_state.h"
#include "platform/gdi_api.h"
#include "window/image_blit.h"
#include "window/main_window.h"
#include "window/painting.h"

// The faces are white drawings on black. Or-ing lets the table colour show
// through the black; exclusive-or turns the drawing into the inverse of the
// table colour, which is how a pressed button looks. One flag serves both
// buttons.
int32_t blitButton(HDC dc, int32_t x, int32_t y, HBITMAP image) {
    blitWholeImage(dc, x, y, image, buttonPressed == 0 ? SRCPAINT : SRCINVERT);
    return 1;
}

void paintSidePanel(HDC dc) {
    fillArea(dc, 199, 0, 200, 226, whiteBrush);
    fillArea(dc, 0, 226, 240, 227, whiteBrush);
    blitButton(dc, 204, 170, computerAttacks == 0 ? okButtonImage : takeButtonImage);
    blitButton(dc, 204, 120, sortButtonImage);
}
