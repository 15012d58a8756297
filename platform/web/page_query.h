// SPDX-License-Identifier: MIT
// The page's address as the program's command line. Plain C++ (no browser
// call), so that it is checked and fuzzed on the desktop too.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform::web {

// The arguments that the query string (with or without its '?') asks for,
// read as a browser reads a form's fields: fields split at '&', the name
// before the first '=', '+' a space and %XX a byte in names and values;
// the first field of a name counts.
//
//   clock=HH:MM:SS.mmm   --clock=HH:MM:SS.mmm
//   lang=en              --lang=en
//   deal=CODE            --deal=CODE
//   q7K anywhere         q7K, last
//
// A field with an empty value, or one holding a NUL byte, asks for nothing.
// Each value is joined to its option, so that a value that looks like an
// option is still a value, and the program's own options check it.
std::vector<std::string> pageArguments(std::string_view query);

} // namespace platform::web
