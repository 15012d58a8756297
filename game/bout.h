// SPDX-License-Identifier: MIT
// The bout: the human's moves and the computer's turns as steps of it.
#pragma once

#include <cstdint>

void HumanPlay();
void HumanThrowInToTaker();
void EndBout(int32_t force);
void HumanTakes();
void ToggleHandSort();
void ComputerTurn();
int32_t ComputerAttackStep();
void ComputerAnswerTurn();
void ComputerTakes();
void ComputerTakesAll();
int32_t ComputerAddsToTake(int32_t n);
