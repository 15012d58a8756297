// The program's part of the script's state line.
#pragma once

#include <nlohmann/json.hpp>

namespace platform {

// The reporter set with SetStateReporter, or {"event":"state"} without one.
nlohmann::ordered_json reportState();

} // namespace platform
