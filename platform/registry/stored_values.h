// SPDX-License-Identifier: MIT
// The program's kept numbers (resources/stored_values.h), read and written
// by their row: every stored value goes through this one pair.
#pragma once

#include "platform/registry_api.h"
#include "resources/stored_values.h"

namespace platform {

// The stored number when it lies in the row's range; the row's reading for a
// missing value (or one of another type) or for one out of range.
DWORD readStoredValue(resources::StoredValue value);
// A value the command line asked for (`asked` 0 or more) is stored first, so
// that later runs keep it; then the value is read as above.
DWORD readStoredValueAsked(resources::StoredValue value, int32_t asked);
// The status of the write: ERROR_SUCCESS once the settings file holds it.
LSTATUS writeStoredValue(resources::StoredValue value, DWORD number);
// One more on a stored count (countDwordUp in dword_values.h): the new count,
// or `shown` + 1 while the file cannot take it.
DWORD countStoredValueUp(resources::StoredValue value, DWORD shown);

} // namespace platform
