// SPDX-License-Identifier: MIT
// The one card-beating rule: the human's covers are checked against it, and
// the computer player chooses its covers by it.
#pragma once

#include "cards/card.h"

// Whether `candidate` beats `target`, in the variant being played.
bool Beats(const Card& candidate, const Card& target);
