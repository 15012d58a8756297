// The rule variants and the program-wide state of the game in progress.
#pragma once

#include <cstdint>

#include "platform/win_types.h"

// GameType: 0 thrown-up, 1 thrown-up with transfers, 2 bulk, 3 bulk with
// transfers, 4 Japanese, 5 Japanese with transfers. A stored value outside
// 0..5 is kept as it is and plays as "any other value" of the tables.
extern int32_t gameType;
extern int32_t transferVariant; // 1 for types 1, 3 and 5

constexpr int32_t gameTypeCount = 6;
// The name of a variant, or null for a value outside the table.
LPCWSTR gameTypeName(int32_t type);
int32_t transferVariantFor(int32_t type);
int32_t refillTarget();   // 18 for the bulk variants, 6 otherwise
bool isJapaneseVariant(); // types 4 and 5: diamonds trump, spades beaten only by spades
bool isBulkVariant();     // types 2 and 3

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

// Back to the values at program start (tests).
void resetGameState();
