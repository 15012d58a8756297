// SPDX-License-Identifier: MIT
// Deciding a game, scoring it and starting the next; formatted message boxes.
#pragma once

#include <cstdint>

#include "platform/win_types.h"

// Scores and announces a decided game and deals the next one. Increments
// newGameSerial when it starts a new game, so that an operation interrupted
// by it can tell and end.
void GameOverCheck();
int ShowMessage(HWND owner, LPCWSTR format, ...);

// Counts every NewGame. An operation notes it before a step that may decide
// the game and returns once it has changed.
extern uint32_t newGameSerial;
