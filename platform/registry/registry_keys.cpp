// SPDX-License-Identifier: MIT
// The registry calls over the settings text. A key handle is a number looked
// up in a table of open keys; it names a key path, not a place in the text,
// so the file may change between calls and the handle still means the same.

#include <cstring>
#include <map>
#include <optional>

#include "platform/registry/regedit_file.h"
#include "platform/registry/registry_store.h"
#include "platform/registry/settings_text.h"
#include "platform/registry_api.h"

namespace platform::registry {

namespace {

constexpr uintptr_t currentUserHandle = 0x80000001;

struct OpenKeys {
    std::map<uintptr_t, KeyPath> keys;
    // Handles are never reused, so a stale one can never reach a newer key.
    uintptr_t nextHandle = 0x1000;
};

OpenKeys& openKeys() {
    static OpenKeys table;
    return table;
}

uintptr_t handleValue(HKEY key) {
    return reinterpret_cast<uintptr_t>(key);
}

std::optional<KeyPath> keyOf(HKEY key) {
    if (handleValue(key) == currentUserHandle) {
        return KeyPath{};
    }
    const auto& keys = openKeys().keys;
    auto found = keys.find(handleValue(key));
    if (found == keys.end()) {
        return std::nullopt;
    }
    return found->second;
}

HKEY openHandle(KeyPath path) {
    OpenKeys& table = openKeys();
    uintptr_t value = table.nextHandle;
    table.nextHandle += 4;
    table.keys.emplace(value, std::move(path));
    return reinterpret_cast<HKEY>(value);
}

std::u16string_view nameOrEmpty(LPCWSTR text) {
    return text == nullptr ? std::u16string_view() : std::u16string_view(text);
}

// A name or path that could not be written on one line of the file.
bool fitsOnOneLine(std::u16string_view text) {
    return text.find_first_of(u"\r\n") == std::u16string_view::npos;
}

KeyPath joinKeys(KeyPath base, std::u16string_view subKey) {
    for (std::u16string& part : splitKeyPath(subKey)) {
        base.push_back(std::move(part));
    }
    return base;
}

// The settings as a document, parsed again only when their text changed.
RegeditDocument& currentDocument() {
    static std::optional<RegeditDocument> document;
    const std::string& text = loadSettingsText();
    if (!document || !document->hasText(text)) {
        document.emplace(text);
    }
    return *document;
}

// Saves the edited current document. Should the text not be taken, it
// differs from the document's, which is then parsed again.
void saveDocument(const RegeditDocument& document) {
    saveSettingsText(document.text());
}

} // namespace

void closeAllKeys() {
    openKeys().keys.clear();
}

} // namespace platform::registry

using namespace platform::registry;

HKEY HKEY_CURRENT_USER_KEY() {
    return reinterpret_cast<HKEY>(currentUserHandle);
}

LSTATUS RegOpenKeyExW(HKEY key, LPCWSTR subKey, DWORD /*options*/, REGSAM /*access*/,
                      HKEY* result) {
    if (result == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    *result = nullptr;
    std::optional<KeyPath> base = keyOf(key);
    if (!base) {
        return ERROR_INVALID_HANDLE;
    }
    KeyPath path = joinKeys(*base, nameOrEmpty(subKey));
    if (!currentDocument().keyExists(path)) {
        return ERROR_FILE_NOT_FOUND;
    }
    *result = openHandle(std::move(path));
    return ERROR_SUCCESS;
}

LSTATUS RegCreateKeyExW(HKEY key, LPCWSTR subKey, DWORD /*reserved*/, LPWSTR /*keyClass*/,
                        DWORD /*options*/, REGSAM /*access*/, void* /*security*/, HKEY* result,
                        DWORD* disposition) {
    if (result == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    *result = nullptr;
    std::optional<KeyPath> base = keyOf(key);
    if (!base) {
        return ERROR_INVALID_HANDLE;
    }
    if (!fitsOnOneLine(nameOrEmpty(subKey))) {
        return ERROR_INVALID_PARAMETER;
    }
    KeyPath path = joinKeys(*base, nameOrEmpty(subKey));
    platform::SettingsUpdate update;
    RegeditDocument& document = currentDocument();
    bool existed = document.keyExists(path);
    if (!existed) {
        document.addSection(path);
        saveDocument(document);
        if (LSTATUS status = update.finish(); status != ERROR_SUCCESS) {
            return status;
        }
    }
    if (disposition != nullptr) {
        *disposition = existed ? REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY;
    }
    *result = openHandle(std::move(path));
    return ERROR_SUCCESS;
}

LSTATUS RegQueryValueExW(HKEY key, LPCWSTR valueName, DWORD* reserved, DWORD* type, BYTE* data,
                         DWORD* dataSize) {
    std::optional<KeyPath> path = keyOf(key);
    if (!path) {
        return ERROR_INVALID_HANDLE;
    }
    if (reserved != nullptr || (data != nullptr && dataSize == nullptr)) {
        return ERROR_INVALID_PARAMETER;
    }
    std::optional<StoredValue> value = currentDocument().findValue(*path, nameOrEmpty(valueName));
    if (!value) {
        return ERROR_FILE_NOT_FOUND;
    }
    if (type != nullptr) {
        *type = value->type;
    }
    auto size = static_cast<DWORD>(value->data.size());
    if (dataSize == nullptr) {
        return ERROR_SUCCESS;
    }
    DWORD room = *dataSize;
    *dataSize = size;
    if (data == nullptr) {
        return ERROR_SUCCESS;
    }
    if (room < size) {
        return ERROR_MORE_DATA;
    }
    if (size > 0) {
        std::memcpy(data, value->data.data(), size);
    }
    return ERROR_SUCCESS;
}

LSTATUS RegSetValueExW(HKEY key, LPCWSTR valueName, DWORD /*reserved*/, DWORD type,
                       const BYTE* data, DWORD dataSize) {
    std::optional<KeyPath> path = keyOf(key);
    if (!path) {
        return ERROR_INVALID_HANDLE;
    }
    std::u16string_view name = nameOrEmpty(valueName);
    if (data == nullptr || type != REG_DWORD || dataSize != 4 || !fitsOnOneLine(name)) {
        return ERROR_INVALID_PARAMETER;
    }
    StoredValue value{type, {data, data + dataSize}};
    platform::SettingsUpdate update;
    RegeditDocument& document = currentDocument();
    const std::optional<StoredValue> stored = document.findValue(*path, name);
    // A value stored already, exactly so, is not written again.
    if (!stored || stored->type != value.type || stored->data != value.data) {
        document.setValue(*path, name, value);
        saveDocument(document);
    }
    return update.finish();
}

LSTATUS RegCloseKey(HKEY key) {
    if (handleValue(key) == currentUserHandle) {
        return ERROR_SUCCESS;
    }
    if (openKeys().keys.erase(handleValue(key)) == 0) {
        return ERROR_INVALID_HANDLE;
    }
    return ERROR_SUCCESS;
}
