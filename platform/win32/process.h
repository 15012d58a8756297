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

// The arguments as the user typed them, in UTF-8 (main's are in the ANSI
// code page, which loses what it cannot show).
std::vector<std::string> utf8Arguments();

// A window run started from Explorer also got a console of its own: it is
// let go, so that only the window shows. A console the program shares with
// the shell that started it is kept.
void releaseOwnConsole();

} // namespace platform::win32
