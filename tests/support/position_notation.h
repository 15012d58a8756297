// SPDX-License-Identifier: MIT
// Positions in tests, written on one line in one order, top of the table
// to bottom but with the hands first:
//
//   "TYPE TRUMP TALON: computer hand / human hand / computer table / human table"
//
//   "0 9H 16: 8C TC AC / 6H 8D / - / 7C"
//
// TYPE is the variant's number (0 to 5). TRUMP is the turned-up card ("9H");
// "9H!" when it has already gone to a hand; "-" in the Japanese variants,
// where diamonds are trump and nothing is turned up. TALON is the number of
// cards left in it. Each row is card names in array order (card_notation.h);
// "-" or nothing is an empty row, and rows left out at the end are empty.
// Each fixture lays the position out in its own world: the computer's tests
// in bare rows, the game's on a real main window.
#pragma once

#include <cstdint>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

namespace notation {

struct Position {
    int32_t type = 0;
    std::string trump = "9H"; // "-": diamonds, none turned up
    bool trumpDealt = false;  // the turned-up trump has gone to a hand
    std::string computerHand = "";
    std::string humanHand = "";
    std::string computerTable = "";
    std::string humanTable = "";
    int32_t talon = 23;
};

inline Position parsePosition(const std::string& text) {
    std::istringstream words(text);
    Position position;
    std::string talon;
    words >> position.type >> position.trump >> talon;
    if (!words || talon.empty() || talon.back() != ':') {
        ADD_FAILURE() << "not a position: \"" << text << "\"";
        return position;
    }
    position.talon = std::stoi(talon);
    position.trumpDealt = position.trump.ends_with('!');
    if (position.trumpDealt) {
        position.trump.pop_back();
    }
    for (std::string* row : {&position.computerHand, &position.humanHand, &position.computerTable,
                             &position.humanTable}) {
        std::string part;
        std::getline(words, part, '/');
        std::istringstream cards(part);
        for (std::string card; cards >> card;) {
            *row += (row->empty() ? "" : " ") + card;
        }
        *row = *row == "-" ? "" : *row;
    }
    return position;
}

} // namespace notation
