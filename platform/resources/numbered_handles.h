// SPDX-License-Identifier: MIT
// Handles of compiled-in resources are their numbers moved into a range of
// their own for each kind, so a handle of one kind is never taken for
// another and a number that names nothing is refused.
#pragma once

#include <cstdint>
#include <optional>

namespace platform::resources_calls {

constexpr uintptr_t ACCELERATOR_BASE = 0x0A000000;
constexpr uintptr_t FOUND_RESOURCE_BASE = 0x0B000000;
constexpr uintptr_t LOADED_RESOURCE_BASE = 0x0C000000;
constexpr uintptr_t NUMBER_RANGE = 0x10000;

template <class Handle> Handle handleFor(uintptr_t base, int id) {
    return reinterpret_cast<Handle>(base + static_cast<uintptr_t>(id));
}

template <class Handle> std::optional<int> idFor(uintptr_t base, Handle handle) {
    uintptr_t value = reinterpret_cast<uintptr_t>(handle);
    if (value < base || value >= base + NUMBER_RANGE) {
        return std::nullopt;
    }
    return static_cast<int>(value - base);
}

} // namespace platform::resources_calls
