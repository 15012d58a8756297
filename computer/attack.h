// SPDX-License-Identifier: MIT
// The computer as attacker: the lead, throw-ins and cards added to a take.
#pragma once

#include <cstdint>

int32_t ComputerLead();
int32_t ComputerThrowIn(int32_t allowTrumps);
int32_t PairRank();
int32_t FindSafeLead(); // 1-based position in computerHand, 0 for none
int32_t PlaySafeLead();
int32_t JapaneseLead();
int32_t BasicLead();
