// SPDX-License-Identifier: MIT
// The texts the player reads, looked up by string id (resources/resource_ids.h)
// in the interface language.
#pragma once

#include "platform/win_types.h"

// The text of the id, or "" for an id without one. The pointer stays valid
// for the whole run.
LPCWSTR textOf(int id);
