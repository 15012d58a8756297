// SPDX-License-Identifier: MIT
// Which deal is on the table: the seed and steps of the random source when
// the game was dealt, followed from deal to deal without touching the draw.
#pragma once

#include <string>

#include "cards/random_source.h"
#include "records/deal_code.h"

// Notes the deal about to be made (called just before every new game):
// the random source's place and who attacks first. A deal asked for on
// the command line, or by the Deal number dialog, is set up here first.
void NoteDealStart();

// Deals this deal at the next new game.
void RequestDeal(const DealCode& deal);

// The code of the deal on the table; empty when it is not known (the
// random source was set from outside, or ran beyond what a code holds).
std::string CurrentDealCode();
bool CurrentDeal(DealCode& deal);

// The deal on the table as a resumed game brings it: the deal and the
// random source as it stood when the deal was dealt.
struct KeptDeal {
    bool known = false;
    DealCode deal;
    RandomState follower;
};
KeptDeal CurrentKeptDeal();
void PutKeptDeal(const KeptDeal& kept);

// Back to no deal noted (tests).
void resetCurrentDeal();
