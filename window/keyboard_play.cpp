// SPDX-License-Identifier: MIT
#include "window/keyboard_play.h"

#include <algorithm>

#include "cards/table.h"
#include "platform/window_api.h"
#include "window/image_blit.h"
#include "window/main_window.h"
#include "window/painting.h"

int32_t focusMarkShown = 0;

namespace {

int32_t focusPlace = 0;
int32_t focusSuit = UNSET;
int32_t focusRank = UNSET;
RECT markedRect = {0, 0, 0, 0}; // where the mark was last asked to be painted

constexpr int32_t frameWidth = 2;

bool isEmpty(const RECT& rect) {
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

bool sameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

void tieTo(int32_t place) {
    focusPlace = place;
    if (place >= 0 && place < cardCount(humanHand)) {
        focusSuit = humanHand.cards[place].suit;
        focusRank = humanHand.cards[place].rank;
    }
}

} // namespace

int32_t focusedCard() {
    const int32_t count = cardCount(humanHand);
    if (count == 0) {
        return -1;
    }
    for (int32_t i = 0; i < count; ++i) {
        const Card& card = humanHand.cards[i];
        if (card.suit == focusSuit && card.rank == focusRank) {
            return i;
        }
    }
    return std::clamp(focusPlace, 0, count - 1);
}

void moveFocus(int32_t place) {
    const int32_t count = cardCount(humanHand);
    focusMarkShown = 1;
    if (count > 0) {
        tieTo(std::clamp(place, 0, count - 1));
    }
}

RECT focusMarkRect() {
    const int32_t place = focusedCard();
    if (focusMarkShown == 0 || place < 0) {
        return RECT{0, 0, 0, 0};
    }
    const Card& card = humanHand.cards[place];
    RECT visible = {card.x, card.y, card.x + card.width, card.y + card.height};
    // Later cards are drawn over this one: the next on its line covers its
    // right part, the next line its lower part.
    for (int32_t i = place + 1; i < cardCount(humanHand); ++i) {
        const Card& later = humanHand.cards[i];
        if (later.y <= card.y && later.x > card.x) {
            visible.right = std::min(visible.right, later.x);
        } else if (later.y > card.y && later.x <= card.x) {
            visible.bottom = std::min(visible.bottom, later.y);
        }
    }
    // When the card before it reaches under it (the hand's overlapping
    // layouts), the frame's left side lies on this card's own edge, so that
    // the earlier card keeps its index whole.
    const Card* before = place > 0 ? &humanHand.cards[place - 1] : nullptr;
    const bool under = before != nullptr && before->y == card.y && before->x < card.x &&
                       before->x + before->width > card.x;
    return RECT{under ? visible.left : visible.left - frameWidth, visible.top - frameWidth,
                visible.right + frameWidth, visible.bottom + frameWidth};
}

void updateFocusMark() {
    if (focusMarkShown != 0) {
        tieTo(focusedCard());
    }
    const RECT now = focusMarkRect();
    if (sameRect(now, markedRect)) {
        return;
    }
    if (!isEmpty(markedRect)) {
        InvalidateRect(mainWindow, &markedRect, FALSE);
    }
    if (!isEmpty(now)) {
        InvalidateRect(mainWindow, &now, FALSE);
    }
    markedRect = now;
}

void paintFocusMark(HDC dc) {
    const RECT mark = focusMarkRect();
    if (isEmpty(mark)) {
        return;
    }
    const int32_t innerTop = mark.top + frameWidth;
    const int32_t innerBottom = mark.bottom - frameWidth;
    fillArea(dc, mark.left, mark.top, mark.right, innerTop, focusBrush);
    fillArea(dc, mark.left, innerBottom, mark.right, mark.bottom, focusBrush);
    fillArea(dc, mark.left, innerTop, mark.left + frameWidth, innerBottom, focusBrush);
    fillArea(dc, mark.right - frameWidth, innerTop, mark.right, innerBottom, focusBrush);
}
