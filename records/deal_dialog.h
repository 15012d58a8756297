// SPDX-License-Identifier: MIT
// The Deal number dialog: shows the code of the deal on the table and takes
// another.
#pragma once

#include "platform/win_types.h"
#include "records/deal_code.h"

// True when a code was given and read; deal holds it.
bool ShowDealNumber(HWND owner, DealCode& deal);
