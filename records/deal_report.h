// SPDX-License-Identifier: MIT
// The headless `deal` line and the check of --deal, as the platform asks
// for them (platform/runtime.h).
#pragma once

#include <nlohmann/json.hpp>
#include <string>

nlohmann::ordered_json ReportDeal();
std::string CheckDealCode(const std::string& code);
