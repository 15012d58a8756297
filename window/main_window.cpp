// SPDX-License-Identifier: MIT
// The main window procedure: creation and destruction, pen input, commands
// and the requests the game sends to its own window.
#include "window/main_window.h"

#include "cards/random_source.h"
#include "cards/table.h"
#include "game/bout.h"
#include "game/game_state.h"
#include "game/new_game.h"
#include "game/status_line.h"
#include "game/table_view.h"
#include "game/texts.h"
#include "opponents/opponent.h"
#include "platform/commandbar_api.h"
#include "platform/messages.h"
#include "platform/window_api.h"
#include "records/table_records.h"
#include "resources/resource_ids.h"
#include "settings/dialogs.h"
#include "settings/settings_store.h"
#include "window/keyboard_play.h"
#include "window/painting.h"
#include "window/table_layout.h"

HINSTANCE appInstance = nullptr;
HWND mainWindow = nullptr;
HWND commandBar = nullptr;
int32_t computerHandFaceDown = 1;
int32_t buttonPressed = 0;
WCHAR aboutText[256] = {};

void invalidateActionButton() {
    InvalidateRect(mainWindow, &actionButtonRect, FALSE);
}

namespace {

// How the game shows itself in this window (game/table_view.h).
HWND theMainWindow() {
    return mainWindow;
}
int32_t computerHandFaceDownSwitch() {
    return computerHandFaceDown;
}
void invalidateStatusLine() {
    InvalidateRect(mainWindow, &statusRect, FALSE);
}
void invalidateTalonCount() {
    InvalidateRect(mainWindow, &talonCountRect, FALSE);
}
void raiseBothButtons() {
    buttonPressed = 0;
    InvalidateRect(mainWindow, &actionButtonRect, FALSE);
    InvalidateRect(mainWindow, &sortButtonRect, FALSE);
}

// Set before main runs, so the game never deals without its view.
[[maybe_unused]] const bool tableViewSet =
    (setTableView({theMainWindow, computerHandFaceDownSwitch, invalidateStatusLine,
                   invalidateTalonCount, invalidateActionButton, raiseBothButtons}),
     true);

constexpr int commandBarButtonCount = 7;

// The bar keeps pointers to these for as long as it lives.
const int commandBarTooltipIds[commandBarButtonCount] = {
    IDS_TIP_NEW_GAME,      IDS_TIP_OPTIONS,       IDS_TIP_STATISTICS, IDS_TIP_ABOUT,
    IDS_TIP_RULES_RUSSIAN, IDS_TIP_RULES_ENGLISH, IDS_TIP_EXIT,
};
LPCWSTR commandBarTooltips[commandBarButtonCount] = {};

const int commandBarCommands[commandBarButtonCount] = {
    IDM_NEW_GAME,      IDM_OPTIONS,       IDM_STATISTICS, IDM_ABOUT,
    IDM_RULES_RUSSIAN, IDM_RULES_ENGLISH, IDM_EXIT,
};

void onCreate(HWND window) {
    TBBUTTON buttons[commandBarButtonCount] = {};
    for (int i = 0; i < commandBarButtonCount; ++i) {
        commandBarTooltips[i] = textOf(commandBarTooltipIds[i]);
        buttons[i].iBitmap = i;
        buttons[i].idCommand = commandBarCommands[i];
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = TBSTYLE_BUTTON;
        buttons[i].dwData = 0;
        buttons[i].iString = 0;
    }
    commandBar = CommandBar_Create(appInstance, window, 1);
    CommandBar_AddBitmap(commandBar, appInstance, IDB_COMMAND_BAR, commandBarButtonCount, 16, 16);
    SendMessageW(commandBar, TB_SETTOOLTIPS, commandBarButtonCount,
                 reinterpret_cast<LPARAM>(commandBarTooltips));
    SendMessageW(commandBar, TB_ADDBUTTONSW, commandBarButtonCount,
                 reinterpret_cast<LPARAM>(buttons));
    seedFromClock();
    // A stored variant outside the table has no name: the title stays as it is.
    const LPCWSTR name = gameTypeName(gameType);
    if (name != nullptr) {
        SetWindowTextW(window, name);
    }
    SendMessageW(window, WM_USER, REQUEST_NEW_GAME, 0);
}

void onDestroy() {
    clear(humanHand);
    clear(computerHand);
    clear(humanTableRow);
    clear(computerTableRow);
    DestroyWindow(commandBar);
    commandBar = nullptr;
    PostQuitMessage(0);
}

void onRequest(WPARAM request) {
    switch (request) {
    case REQUEST_NEW_GAME:
        NewGame();
        break;
    case REQUEST_COMPUTER_ATTACK:
        ComputerTurn();
        break;
    case REQUEST_COMPUTER_ANSWER:
        ComputerAnswerTurn();
        break;
    default:
        break;
    }
}

void playSelected() {
    if (throwInAllowance == -1) {
        HumanPlay();
    } else {
        HumanThrowInToTaker();
    }
}

void clearStatusOnTap() {
    if (statusText != nullptr) {
        SetStatus(nullptr);
    }
}

// Every step runs: a play or a button may have decided the game and dealt
// the next one, and the later steps then look at the new table.
void onPenDown(int32_t x, int32_t y) {
    clearStatusOnTap();
    if (pointInRect(x, y, playAreaRect) != 0) {
        playSelected();
    }
    if (pointInRect(x, y, actionButtonRect) != 0) {
        buttonPressed = 1;
        invalidateActionButton();
        if (computerAttacks == 0) {
            EndBout(0);
        } else {
            HumanTakes();
        }
    }
    if (pointInRect(x, y, sortButtonRect) != 0) {
        buttonPressed = 1;
        InvalidateRect(mainWindow, &sortButtonRect, FALSE);
        ToggleHandSort();
    }
    // Several cards can be picked only to answer a transfer at once.
    if (cardCount(computerTableRow) > 1 && cardCount(humanTableRow) == 0) {
        tapToggle(humanHand, x, y);
    } else {
        tapSelect(humanHand, x, y);
    }
}

void onPenUp(int32_t x, int32_t y) {
    if (pointInRect(x, y, actionButtonRect) != 0) {
        buttonPressed = 0;
        invalidateActionButton();
    }
    if (pointInRect(x, y, sortButtonRect) != 0) {
        buttonPressed = 0;
        InvalidateRect(mainWindow, &sortButtonRect, FALSE);
    }
}

void onDoubleTap(int32_t x, int32_t y) {
    if (doubleTapPlays == 0) {
        return;
    }
    clearStatusOnTap();
    if (tapSelectOnly(humanHand, x, y) == 0) {
        return;
    }
    playSelected();
}

// A key that stands for a tap is a tap: pen down and pen up at a point of
// what it stands for.
void tapAt(int32_t x, int32_t y) {
    onPenDown(x, y);
    onPenUp(x, y);
}

void tapCentreOf(const RECT& rect) {
    tapAt((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

// The table's keys (docs/keyboard.md). Each shows the focus mark.
bool onKeyDown(WPARAM key, LPARAM lParam) {
    if ((lParam & KF_CTRLDOWN_LPARAM) != 0) {
        return false;
    }
    const int32_t place = focusedCard();
    switch (key) {
    // While the mark is hidden an arrow brings it in from the hand's end:
    // Right on the first card, Left on the last.
    case VK_LEFT:
        moveFocus(focusMarkShown != 0 ? place - 1 : cardCount(humanHand) - 1);
        return true;
    case VK_RIGHT:
        moveFocus(focusMarkShown != 0 ? place + 1 : 0);
        return true;
    case VK_HOME:
        moveFocus(0);
        return true;
    case VK_END:
        moveFocus(cardCount(humanHand) - 1);
        return true;
    case VK_SPACE:
        moveFocus(place);
        if (place >= 0) {
            // The card's own corner: the hit area lies two pixels to the
            // left, and the next card begins further right.
            const Card& card = humanHand.cards[place];
            tapAt(card.x + 2, card.y + 2);
        }
        return true;
    case VK_RETURN:
        moveFocus(place);
        tapCentreOf(playAreaRect);
        return true;
    case 'T':
        moveFocus(place);
        tapCentreOf(actionButtonRect);
        return true;
    case 'S':
        moveFocus(place);
        tapCentreOf(sortButtonRect);
        return true;
    case 'H':
        ShowHint();
        return true;
    case 'W':
        ShowWhy();
        return true;
    default:
        return false;
    }
}

LRESULT onCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
    case IDM_NEW_GAME:
        SendMessageW(window, WM_USER, REQUEST_NEW_GAME, 0);
        return 0;
    case IDM_OPTIONS:
        ShowOptions();
        return 0;
    case IDM_STATISTICS:
        ShowStatistics();
        return 0;
    case IDM_RULES_ENGLISH:
        rulesLanguage = rulesLanguageValue(Language::English);
        ShowRules(Language::English);
        return 0;
    case IDM_RULES_RUSSIAN:
        rulesLanguage = rulesLanguageValue(Language::Russian);
        ShowRules(Language::Russian);
        return 0;
    case IDM_RULES:
        return onCommand(
            window, interfaceLanguage == Language::English ? IDM_RULES_ENGLISH : IDM_RULES_RUSSIAN,
            lParam);
    case IDM_ABOUT:
        ShowAbout();
        return 0;
    case IDM_EXIT:
        DestroyWindow(window);
        return 0;
    default:
        return DefWindowProcW(window, WM_COMMAND, wParam, lParam);
    }
}

// Pen coordinates travel as two unsigned 16-bit halves of lParam.
int32_t penX(LPARAM lParam) {
    return LOWORD(static_cast<uintptr_t>(lParam));
}
int32_t penY(LPARAM lParam) {
    return HIWORD(static_cast<uintptr_t>(lParam));
}

LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        onCreate(window);
        return 0;
    case WM_DESTROY:
        onDestroy();
        return 0;
    case WM_PAINT:
        PaintTable(window);
        return 0;
    case WM_COMMAND:
        return onCommand(window, wParam, lParam);
    case WM_KEYDOWN:
        return onKeyDown(wParam, lParam) ? 0 : DefWindowProcW(window, message, wParam, lParam);
    // A pen tap hides the focus mark; the keys' own taps do not pass here.
    case WM_LBUTTONDOWN:
        focusMarkShown = 0;
        onPenDown(penX(lParam), penY(lParam));
        return 0;
    case WM_LBUTTONUP:
        onPenUp(penX(lParam), penY(lParam));
        return 0;
    case WM_LBUTTONDBLCLK:
        focusMarkShown = 0;
        onDoubleTap(penX(lParam), penY(lParam));
        return 0;
    case WM_USER:
        onRequest(wParam);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

LRESULT MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    mainWindow = window;
    const LRESULT result = KeepRecords(window, message, wParam, lParam, handleMessage);
    // Whatever the message changed, the focus mark follows its card.
    if (message != WM_PAINT && message != WM_DESTROY) {
        updateFocusMark();
    }
    return result;
}
