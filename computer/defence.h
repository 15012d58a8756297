// SPDX-License-Identifier: MIT
// The computer as defender: beating, transferring or taking; and the rules
// the whole computer player shares.
#pragma once

#include <cstdint>

#include "cards/card.h"
#include "cards/card_row.h"

bool MaySpendTrump(const Card& card);
bool MaySpendSpade(const Card& card);
bool MatchAll(CardRow& attack, CardRow& defence);
bool WantsTransfer(int32_t rank);
// Passes the attack on with a card of `rank` when the computer wants to and
// may; true when it did.
bool ComputerTransfer(int32_t rank);
bool EndgameCover();
int32_t ComputerDefend();

// Plays card `position` (1-based) of computerHand onto computerTableRow.
// The table is shown as it was for a moment first (game/bout_steps.h);
// placeComputerCard moves the card without that.
void playComputerCard(int32_t position);
void placeComputerCard(int32_t position);
