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
LSTATUS writeDwordValue(LPCWSTR keyPath, LPCWSTR name, DWORD value);

} // namespace platform
