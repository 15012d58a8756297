// SPDX-License-Identifier: MIT
#include "platform/registry/stored_values.h"

#include "platform/registry/dword_values.h"

namespace platform {

DWORD readStoredValue(resources::StoredValue value) {
    const resources::StoredValueRow& row = resources::storedValueRow(value);
    const std::optional<DWORD> stored = readDwordValue(resources::SETTINGS_KEY, row.name);
    if (!stored) {
        return row.missing;
    }
    return *stored >= row.lowest && *stored <= row.highest ? *stored : row.outOfRange;
}

DWORD readStoredValueAsked(resources::StoredValue value, int32_t asked) {
    if (asked >= 0) {
        writeStoredValue(value, static_cast<DWORD>(asked));
    }
    return readStoredValue(value);
}

LSTATUS writeStoredValue(resources::StoredValue value, DWORD number) {
    return writeDwordValue(resources::SETTINGS_KEY, resources::storedValueRow(value).name, number);
}

DWORD countStoredValueUp(resources::StoredValue value, DWORD shown) {
    return countDwordUp(resources::SETTINGS_KEY, resources::storedValueRow(value).name, shown);
}

} // namespace platform
