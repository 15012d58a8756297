// SPDX-License-Identifier: MIT
// The program's `deal` line.
#pragma once

#include <nlohmann/json.hpp>

namespace platform {

nlohmann::ordered_json reportDeal();

} // namespace platform
