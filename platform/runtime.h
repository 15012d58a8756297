// SPDX-License-Identifier: MIT
// Process start-up: the command line, the choice of backend, and the hooks by
// which the headless script runner reaches into the program.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "platform/win_types.h"

using WinMainFunction = int (*)(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine,
                                int showCommand);

// Parses the command line, sets up the clock, the settings file and the
// backend (SDL2 window, or the headless script runner), then calls winMain
// with the program's arguments joined by single spaces. Returns the exit
// status for main().
int RunPlatform(int argc, char** argv, WinMainFunction winMain);

// The interface language asked for with --lang (LANG_RUSSIAN or
// LANG_ENGLISH), or 0 when the command line did not ask for one.
WORD RequestedUILanguage();

// The opponent asked for with --opponent (0 handheld, 1 beginner, 2
// expert), or -1 when the command line did not ask for one.
int RequestedOpponent();

// The pace asked for with --pace (0 at once, 1 normal, 2 slow), or -1 when
// the command line did not ask for one.
int RequestedPace();

// The headless `state` line: the program gives every field of its state in
// order; the platform adds "dialog" and writes the line.
using StateReporter = nlohmann::ordered_json (*)();
void SetStateReporter(StateReporter reporter);

// The headless `deal` line: what the state line does not hold (the deal's
// code, the undo history). Without a reporter it is {"event":"deal"}.
using DealReporter = nlohmann::ordered_json (*)();
void SetDealReporter(DealReporter reporter);

// --deal CODE: checked before anything runs by the program's check (an
// empty text for a good code, else what is wrong), then handed to it.
using DealCodeCheck = std::string (*)(const std::string& code);
void SetDealCodeCheck(DealCodeCheck check);
// The code given with --deal, or an empty text.
const std::string& RequestedDealCode();
// --resume (headless): continue the game in progress. Windows always do.
bool RequestedResume();

// Where the game records are written: --records FOLDER, or for a window
// without it $XDG_DATA_HOME/talonix/games; empty for a headless run that
// did not ask (it writes none).
const std::string& RequestedRecordsFolder();
// --replay FILE (FILE#N for the N-th game), or an empty text; --check
// (headless): replay every game of the file and say where one does not.
const std::string& RequestedReplay();
bool RequestedReplayCheck();
// The status the run ends with, when the program has one to give.
void SetExitStatus(int status);
