// SPDX-License-Identifier: MIT
// The last bout as the players saw it: who attacked, each attacking card
// with the card that beat it in the order they were played, the cards that
// transferred it, the cards thrown in to the taker, and how the bout ended. Kept from the steps the
// game announces (game/bout_steps.h).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cards/card.h"
#include "platform/win_types.h"

struct BoutPair {
    Card attack;
    Card beater; // suit UNSET while unbeaten
    bool thrownToTaker = false;
    bool transferred = false; // laid on the lead's rank before any cover
};

struct BoutRecord {
    bool finished = false;
    int32_t computerAttacked = 0; // who led the bout
    std::vector<BoutPair> pairs;  // in the order the attacks were played
    int32_t taker = -1;           // -1 discarded, 0 the human, 1 the computer
};

// Starts keeping the record (the main window, once it exists).
void KeepLastBout();
const BoutRecord& LastBout();
// The last bout in the interface language, one line for each pair.
std::u16string LastBoutText(const BoutRecord& bout);
// Shows it in a message box; nothing before a bout has ended.
void ShowLastBout(HWND window);
