// SPDX-License-Identifier: MIT
#include "platform/registry/dword_values.h"

#include <limits>
#include <map>
#include <string>

#include "platform/registry/registry_store.h"

namespace platform {

namespace {

// Counts made while the file could not be written, by key and value name.
std::map<std::u16string, DWORD>& unsavedCounts() {
    static std::map<std::u16string, DWORD> counts;
    return counts;
}

std::u16string countName(LPCWSTR keyPath, LPCWSTR name) {
    return std::u16string(keyPath) + u'\0' + name;
}

DWORD addUpTo4G(DWORD a, DWORD b) {
    constexpr DWORD most = std::numeric_limits<DWORD>::max();
    return a > most - b ? most : a + b;
}

} // namespace

std::optional<DWORD> readDwordValue(LPCWSTR keyPath, LPCWSTR name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD value = 0;
    DWORD type = REG_NONE;
    DWORD size = 4;
    LSTATUS status =
        RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != 4) {
        return std::nullopt;
    }
    return value;
}

LSTATUS writeDwordValue(LPCWSTR keyPath, LPCWSTR name, DWORD value) {
    unsavedCounts().erase(countName(keyPath, name));
    HKEY key = nullptr;
    WCHAR noClass[] = u"";
    DWORD disposition = 0;
    LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, keyPath, 0, noClass, 0, KEY_ALL_ACCESS,
                                     nullptr, &key, &disposition);
    if (status != ERROR_SUCCESS) {
        return status;
    }
    RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4);
    return RegCloseKey(key);
}

DWORD countDwordUp(LPCWSTR keyPath, LPCWSTR name, DWORD shown) {
    const std::u16string counter = countName(keyPath, name);
    const DWORD unsaved = addUpTo4G(unsavedCounts()[counter], 1);
    SettingsUpdate update;
    const DWORD total = addUpTo4G(readDwordValue(keyPath, name).value_or(0), unsaved);
    writeDwordValue(keyPath, name, total);
    if (update.finish() == ERROR_SUCCESS) {
        return total;
    }
    unsavedCounts()[counter] = unsaved;
    return addUpTo4G(shown, 1);
}

} // namespace platform
