// SPDX-License-Identifier: MIT
// The card and button images and the four brushes, made once at start-up
// and kept for the whole run.
#include "platform/gdi_api.h"
#include "platform/resource_api.h"
#include "resources/resource_ids.h"
#include "window/image_blit.h"
#include "window/main_window.h"
#include "window/painting.h"

HBITMAP suitGlyphs[4] = {};
HBITMAP rankStrips[2] = {};
HBITMAP cardBacks[5] = {};
SIZE cardBackSizes[5] = {};
HBITMAP okButtonImage = nullptr;
HBITMAP takeButtonImage = nullptr;
HBITMAP sortButtonImage = nullptr;
HBRUSH blackBrush = nullptr;
HBRUSH whiteBrush = nullptr;
HBRUSH greyBrush = nullptr;
HBRUSH focusBrush = nullptr;

namespace {

HBITMAP loadBitmap(int id) {
    return LoadBitmapW(appInstance, MAKEINTRESOURCEW(id));
}

} // namespace

void LoadCardImages() {
    // Suit order is diamonds, hearts, clubs, spades: the club's resource
    // number comes after the spade's, so the ids are not in suit order.
    const int suitIds[4] = {IDB_DIAMOND, IDB_HEART, IDB_CLUB, IDB_SPADE};
    for (int i = 0; i < 4; ++i) {
        suitGlyphs[i] = loadBitmap(suitIds[i]);
    }
    rankStrips[0] = loadBitmap(IDB_RANKS_RED);
    rankStrips[1] = loadBitmap(IDB_RANKS_BLACK);
    const int backIds[5] = {IDB_BACK_MAT, IDB_BACK_FISH, IDB_BACK_PORTRAIT, IDB_BACK_GRADIENT,
                            IDB_BACK_ORNAMENT};
    for (int i = 0; i < 5; ++i) {
        cardBacks[i] = loadBitmap(backIds[i]);
        cardBackSizes[i] = imageSize(cardBacks[i]);
    }
    ForgetCardFaces();
    blackBrush = CreateSolidBrush(0x000000);
    whiteBrush = CreateSolidBrush(0xFFFFFF);
    greyBrush = CreateSolidBrush(0x828282);
    focusBrush = CreateSolidBrush(focusMarkColour);
}

void LoadButtonImages() {
    okButtonImage = loadBitmap(IDB_BUTTON_OK);
    takeButtonImage = loadBitmap(IDB_BUTTON_TAKE);
    sortButtonImage = loadBitmap(IDB_BUTTON_SORT);
}
