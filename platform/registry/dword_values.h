// SPDX-License-Identifier: MIT
// A DWORD value of one key under HKEY_CURRENT_USER, read and written the
// way every stored number of the program is.
#pragma once

#include <optional>

#include "platform/registry_api.h"

namespace platform {

// The value, or nothing when the key or value is missing, or the value is
// of another type or size (as good as absent).
std::optional<DWORD> readDwordValue(LPCWSTR keyPath, LPCWSTR name);
// Creates the key when needed; the status of creating it, or of closing it,
// which is when the settings file is written.
// Any counting of that value not yet saved is forgotten: the value set wins.
LSTATUS writeDwordValue(LPCWSTR keyPath, LPCWSTR name, DWORD value);
// One more on a stored count, under the settings lock: the stored value (as
// another instance may have left it) plus this one and those counted while
// the file could not be written. Returns the new count, or `shown` + 1 when
// the file cannot take it now; counts stop at 4294967295 rather than wrap.
DWORD countDwordUp(LPCWSTR keyPath, LPCWSTR name, DWORD shown);

} // namespace platform
