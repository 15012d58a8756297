// SPDX-License-Identifier: MIT
#include "game/texts.h"

#include <map>
#include <string>
#include <utility>

#include "platform/resource_api.h"

LPCWSTR textOf(int id) {
    // Each text is loaded once per language; the map's strings never move.
    static std::map<std::pair<LANGID, int>, std::u16string> loaded;
    const std::pair<LANGID, int> key{GetThreadUILanguage(), id};
    auto found = loaded.find(key);
    if (found == loaded.end()) {
        WCHAR buffer[256] = {};
        LoadStringW(nullptr, static_cast<UINT>(id), buffer, 256);
        found = loaded.emplace(key, std::u16string(buffer)).first;
    }
    return found->second.c_str();
}
