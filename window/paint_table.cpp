// The main window's paint handler: the whole table drawn from the game's
// state on every paint, clipped by the platform to what was invalidated.
#include "cards/table.h"
#include "game/game_state.h"
#include "game/status_line.h"
#include "platform/gdi_api.h"
#include "platform/screen.h"
#include "platform/text_format.h"
#include "platform/window_api.h"
#include "settings/settings_store.h"
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

// The defender's row goes last, so each answer lies over the card it
// answers.
void paintTableRows(HDC dc) {
    if (computerAttacks != 0) {
        paint(computerTableRow, dc);
        paint(humanTableRow, dc);
    } else {
        paint(humanTableRow, dc);
        paint(computerTableRow, dc);
    }
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
    paintTableColour(window, dc, colour);
    platform::setBackdropColour(colour);
    paintSidePanel(dc);

    SetBkColor(dc, colour);
    SetTextColor(dc, textColour);
    SetBkMode(dc, OPAQUE);

    // The talon covers all of the trump card but its lower 25 pixels.
    paintCard(trumpCard, dc);
    paintCard(talonCard, dc);
    paint(computerHand, dc);
    paintTableRows(dc);
    paint(humanHand, dc);
    paintFocusMark(dc);
    if (trumpCard.hidden == 1) {
        paintSuitMark(dc, trumpCard.suit, suitMarkX, suitMarkY);
    }
    paintStatus(dc);
    if (showTalonCount == 1) {
        paintTalonCount(dc);
    }
    EndPaint(window, &paintInfo);
}
