#include "window/keyboard_play.h"

#include <algorithm>

#include "cards/table.h"
#include "platform/window_api.h"
#include "window/image_blit.h"
#include "window/main_window.h"

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
    return visible;
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
    const int32_t width = mark.right - mark.left;
    const int32_t height = mark.bottom - mark.top;
    invertArea(dc, mark.left, mark.top, width, frameWidth);
    invertArea(dc, mark.left, mark.bottom - frameWidth, width, frameWidth);
    invertArea(dc, mark.left, mark.top + frameWidth, frameWidth, height - 2 * frameWidth);
    invertArea(dc, mark.right - frameWidth, mark.top + frameWidth, frameWidth,
               height - 2 * frameWidth);
}
