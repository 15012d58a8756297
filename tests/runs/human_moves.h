// SPDX-License-Identifier: MIT
// A simple legal strategy for the human in whole games: select cards and
// play them, or press the action button.
#pragma once

#include "table_checker.h"

struct HumanMove {
    std::vector<CardKey> cards; // to select, then play; empty: the action button
    bool answerYes = false;     // a trump transfer: confirm the question
    std::string what;           // for failure messages
};

// The human's move in this state; `moveNumber` varies the choice between
// a transfer with a trump and a cover.
HumanMove chooseHumanMove(const nlohmann::json& state, int moveNumber);
