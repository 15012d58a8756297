// SPDX-License-Identifier: MIT
// The program-wide state of the game in progress.
#pragma once

#include <cstdint>

#include "game/variants.h"
#include "platform/win_types.h"

// The variant played, a row of the variant table (game/variants.h), and
// whether it allows transfers; both are kept as they were stored.
extern int32_t gameType;
extern int32_t transferVariant;

extern int32_t computerAttacks;    // 1 while the computer attacks the bout
extern int32_t transferOpen;       // 1 while the defender may still transfer
extern int32_t computerLed;        // 1 when the computer opened the bout
extern int32_t lastWinner;         // -1 none yet, 1 the computer, 0 the human
extern int32_t computerHandAtLead; // computer's hand size when the human last led
extern int32_t humanHandAtLead;    // human's hand size when the computer last led
extern int32_t throwInAllowance;   // -1 outside the throw-in phase

// The game-flow requests, sent to the main window as WM_USER with this wParam.
constexpr WPARAM REQUEST_NEW_GAME = 0;
constexpr WPARAM REQUEST_COMPUTER_ATTACK = 1;
constexpr WPARAM REQUEST_COMPUTER_ANSWER = 2;
void sendRequest(WPARAM request);

// "type" from the settings file into gameType, and transferVariant from it.
void ReadGameTypeSetting();

// Back to the values at program start (tests).
void resetGameState();
