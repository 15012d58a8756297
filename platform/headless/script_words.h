// SPDX-License-Identifier: MIT
// A script line's words, and a line as an error message shows it.
#pragma once

#include <string>
#include <vector>

namespace platform {

// The words of a line, separated by white space as a stream reads them. The
// vector is reused from line to line.
void splitWords(const std::string& line, std::vector<std::string>& words);

// The message as shown: control bytes written as \x1b and the like, so that
// a line echoed to a terminal cannot steer it, and at most 200 characters
// (a line may be any length), cut between whole UTF-8 sequences.
std::string shownMessage(const std::string& what);

} // namespace platform
