// SPDX-License-Identifier: MIT
// The device's side played by an opponent other than the handheld's rules:
// the beginner or the expert over the rules engine. They answer at the same
// points of the bout as the handheld's rules, through the same game flow.
#pragma once

#include <cstdint>

// 0 the handheld's rules (the default), 1 the beginner, 2 the expert; the
// stored value "opponent".
constexpr int32_t OPPONENT_HANDHELD = 0;
constexpr int32_t OPPONENT_BEGINNER = 1;
constexpr int32_t OPPONENT_EXPERT = 2;
extern int32_t opponentKind;

// "opponent" from the settings, or the one asked for on the command line,
// which is then stored.
void ReadOpponentSetting();
// Another opponent from now on, stored for later runs.
void ChooseOpponent(int32_t kind);

// The same results and the same changes of the game state as
// ComputerDefend, ComputerLead and ComputerThrowIn; `adding` is what may
// still be added while the human takes (0 during the attack).
int32_t OpponentDefend();
int32_t OpponentLead();
int32_t OpponentThrowIn(int32_t allowTrumps, int32_t adding);

// Marks the cards the expert would play for the human (or names the button)
// and says it in the status line; nothing when it is not the human's turn.
void ShowHint();

// Shows in a message box why the computer made its last move: the expert's
// choice against the next best with their shares of won playouts, what the
// beginner did; the handheld's rules keep no reasons.
void ShowWhy();
