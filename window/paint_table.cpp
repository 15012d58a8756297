// SPDX-License-Identifier: MIT
// The main window's paint handler: the whole table drawn from the game's
// state on every paint, clipped by the platform to what was invalidated.
#include <algorithm>
#include <vector>

#include "cards/table.h"
#include "game/game_state.h"
#include "game/status_line.h"
#include "platform/gdi_api.h"
#include "platform/screen.h"
#include "platform/text_format.h"
#include "platform/window_api.h"
#include "settings/settings_store.h"
#include "window/image_blit.h"
#include "window/keyboard_play.h"
#include "window/painting.h"
#include "window/table_colours.h"
#include "window/table_layout.h"

namespace {

constexpr COLORREF textColour = 0xFFFFFF;
constexpr int32_t suitMarkX = 214;
constexpr int32_t suitMarkY = 72;

void paintTableColour(HWND window, HDC dc, COLORREF colour) {
    RECT client{};
    GetClientRect(window, &client);
    const HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &client, brush);
    DeleteObject(brush);
}

// Every card on the table from the lowest up, each lying over those before
// it. The talon covers all of the trump card but its lower 25 pixels; the
// defender's row goes after the attacker's, so each answer lies over the
// card it answers.
const std::vector<const Card*>& cardsUpwards() {
    static std::vector<const Card*> cards;
    cards.clear();
    auto add = [](const CardRow& row) {
        for (const Card& card : row.cards) {
            cards.push_back(&card);
        }
    };
    cards.push_back(&trumpCard);
    cards.push_back(&talonCard);
    add(computerHand);
    add(computerAttacks != 0 ? computerTableRow : humanTableRow);
    add(computerAttacks != 0 ? humanTableRow : computerTableRow);
    add(humanHand);
    return cards;
}

// Drawn from the top card down, each cut out of the clip once drawn, no
// pixel a card covers is drawn twice, nor the table colour under it. This
// gives the picture of drawing them the other way round as long as every
// card draws only inside the area it covers.
bool paintCardsDownwards(HDC dc, const RECT& renewed, const std::vector<const Card*>& cards) {
    if (!std::all_of(cards.begin(), cards.end(),
                     [](const Card* card) { return drawsOnlyInside(*card); })) {
        return false;
    }
    for (auto card = cards.rbegin(); card != cards.rend(); ++card) {
        paintCardAndCutOut(**card, dc, renewed);
    }
    return true;
}

void paintStatus(HDC dc) {
    if (statusText == nullptr) {
        return;
    }
    RECT area = statusRect;
    DrawTextW(dc, statusText, -1, &area, DT_LEFT | DT_TOP);
}

// Where diamonds are always trump no trump card lies on the table, so the
// count is the talon's own and shows 0 once it is empty. Elsewhere the turned-up
// trump is the talon's last card: it is counted, and once it has gone to a
// hand (hidden) the talon is used up and nothing is shown.
void paintTalonCount(HDC dc) {
    const bool noTrumpCard = currentVariant().diamondsTrump;
    if (trumpCard.hidden != 0 && !noTrumpCard) {
        return;
    }
    const int32_t count = noTrumpCard ? remaining(deck) : remaining(deck) + 1;
    WCHAR text[16] = {};
    wsprintfW(text, u"%d", count);
    RECT area = talonCountRect;
    DrawTextW(dc, text, -1, &area, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

} // namespace

void PaintTable(HWND window) {
    PAINTSTRUCT paintInfo{};
    const HDC dc = BeginPaint(window, &paintInfo);
    const COLORREF colour = tableColour(tableColourIndex);
    const std::vector<const Card*>& cards = cardsUpwards();
    BeginImageTransfers(dc);
    SaveDC(dc);
    const bool cardsDrawn = paintCardsDownwards(dc, paintInfo.rcPaint, cards);
    paintTableColour(window, dc, colour);
    platform::setBackdropColour(colour);
    paintSidePanel(dc);
    RestoreDC(dc, -1);

    SetBkColor(dc, colour);
    SetTextColor(dc, textColour);
    SetBkMode(dc, OPAQUE);

    if (!cardsDrawn) {
        for (const Card* card : cards) {
            paintCard(*card, dc);
        }
    }
    paintFocusMark(dc);
    if (trumpCard.hidden == 1) {
        paintSuitMark(dc, trumpCard.suit, suitMarkX, suitMarkY);
    }
    paintStatus(dc);
    if (showTalonCount == 1) {
        paintTalonCount(dc);
    }
    EndImageTransfers();
    EndPaint(window, &paintInfo);
}
