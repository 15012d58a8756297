#include "platform/registry/dword_values.h"

namespace platform {

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

} // namespace platform
