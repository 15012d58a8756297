// SPDX-License-Identifier: MIT
// The program-wide card objects: the four rows, the two stand-alone cards and
// the deck. Built before the program starts, alive for the whole run.
#pragma once

#include "cards/card.h"
#include "cards/card_row.h"
#include "cards/deck.h"

extern CardRow computerHand;     // the device's hand
extern CardRow computerTableRow; // what the device has laid in this bout
extern CardRow humanTableRow;    // what the human has laid in this bout
extern CardRow humanHand;        // the human's hand
extern Card trumpCard;           // turned up under the talon
extern Card talonCard;           // the face-down talon picture
extern Deck deck;
