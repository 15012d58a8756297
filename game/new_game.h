// SPDX-License-Identifier: MIT
// Dealing a new game and topping hands up from the talon.
#pragma once

#include "cards/card_row.h"

void NewGame();
void Refill(CardRow& hand);
void ChooseFirstAttacker();
