// SPDX-License-Identifier: MIT
// The program's part of the script's state line.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace platform {

// The reporter set with SetStateReporter, or {"event":"state"} without one.
nlohmann::ordered_json reportState();

// The whole state line: the program's fields, then the open dialog, as one
// line of JSON.
std::string stateLine();

} // namespace platform
