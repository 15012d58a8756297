// Positions for the computer player's tests: rows built from two-character
// card names ("7C AH TD"), a chosen trump and a talon of a chosen size.
#pragma once

#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "cards/card.h"
#include "cards/card_row.h"
#include "support/card_notation.h"

using namespace notation;

// Ranks 6-9, T, J, Q, K, A; suits D, H, C, S. "7C" is the seven of clubs.
Card cardNamed(const std::string& name);
// Turns up the trump card and marks trumps in all four rows.
void setTrump(const std::string& name);
// The Japanese set-up: diamonds trump, no card turned up.
void setJapaneseTrump();
// A talon of exactly `size` cards.
void setTalon(int32_t size);
void setGameType(int32_t type);

class ComputerTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
};
