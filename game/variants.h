// SPDX-License-Identifier: MIT
// The six rule variants. The table here is the one place that knows what a
// game type number means; everything else asks it for a variant's rules.
#pragma once

#include <cstdint>

#include "platform/win_types.h"

struct Variant {
    int nameId;              // string id of its name, 0 for none
    int32_t handSize;        // every hand is refilled to this many cards
    bool transfers;          // the defender may pass the attack on
    bool diamondsTrump;      // diamonds always trump, no card is turned up
    bool spadesOnlyBySpades; // a spade is beaten by a higher spade only
};

// Game types 0 to 5: throw-in, bulk (the whole pack dealt) and Japanese,
// each without and with transfers.
constexpr int32_t gameTypeCount = 6;

// The rules of a game type. A stored type outside 0..5 is kept as it is and
// plays as throw-in without transfers, with no name.
const Variant& variantOf(int32_t type);
// The rules of the game in progress (gameType).
const Variant& currentVariant();

// The name of a variant, or null for a type outside the table.
LPCWSTR gameTypeName(int32_t type);
int32_t transferVariantFor(int32_t type); // the stored transferVariant: 1 or 0
int32_t refillTarget();                   // hand size of the game in progress
