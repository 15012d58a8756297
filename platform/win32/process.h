// SPDX-License-Identifier: MIT
// What a Windows process needs before the program's start-up code runs: the
// same bytes on standard output as on Linux, and the command line in UTF-8.
#pragma once

#include <string>
#include <vector>

namespace platform::win32 {

// Standard input, output and error pass bytes as they are (no carriage
// return added before a line feed, no end at Ctrl+Z), and a console shows
// the UTF-8 they carry as UTF-8.
void useBinaryStandardStreams();

// Replaces main's arguments, which Windows gives in the ANSI code page
// (losing what it cannot show), by those of the wide command line in UTF-8.
// They live until the process ends.
void useUtf8Arguments(int& argc, char**& argv);

// A window run started from Explorer also got a console of its own: it is
// let go, so that only the window shows. A console the program shares with
// the shell that started it is kept.
void releaseOwnConsole();

} // namespace platform::win32
