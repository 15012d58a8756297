// SPDX-License-Identifier: MIT
// The match command of the program's command line.
#pragma once

namespace players {

// Whether the command line asks for a match (it holds "--match").
bool isMatchCommand(int argc, char** argv);
// Parses the match command line, plays the match and prints it; the exit
// status.
int runMatchCommand(int argc, char** argv);

} // namespace players
