// SPDX-License-Identifier: MIT
// The opponents' part of the tap-and-hold menu: who plays the device's side
// (the current one checked), the hint and "Why?".
#pragma once

#include "platform/win_types.h"

void AppendOpponentItems(HMENU menu);
// Carries out one of the items' commands; false for any other command.
bool RunOpponentCommand(WPARAM id);
