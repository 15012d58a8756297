// SPDX-License-Identifier: MIT
// The headless runner's state line: every value a script may check, in a
// fixed order.
#pragma once

#include <nlohmann/json.hpp>

#include "cards/card.h"
#include "cards/card_row.h"
#include "platform/win_types.h"

// Registered with SetStateReporter; the platform appends "dialog".
nlohmann::ordered_json reportState();

nlohmann::ordered_json describeCard(const Card& card);
nlohmann::ordered_json describeRow(const CardRow& row);
