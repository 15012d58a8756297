// SPDX-License-Identifier: MIT
// The browser build's command line: what the page's address asks for.
#pragma once

namespace platform::web {

// Replaces main's arguments (the program's name kept) by those of the
// page's query string (page_query.h).
void usePageArguments(int& argc, char**& argv);

} // namespace platform::web
