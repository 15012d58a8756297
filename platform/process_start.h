// SPDX-License-Identifier: MIT
// What the process needs before start-up reads its command line, on each
// system: standard streams that pass the program's bytes as they are, and
// the arguments in UTF-8 (or from the page's address).
#pragma once

namespace platform {

// On Linux, a standard descriptor closed at start is opened on /dev/null;
// on Windows, the streams are made binary and main's arguments are replaced
// by the wide command line in UTF-8; in the browser, by what the page's
// address asks for.
void prepareProcess(int& argc, char**& argv);

} // namespace platform
