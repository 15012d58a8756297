// SPDX-License-Identifier: MIT
// LoadStringW: a numbered string of the interface language.
#include <algorithm>
#include <string_view>

#include "platform/resource_api.h"
#include "platform/resources/ui_language.h"
#include "resources/resource_table.h"

int LoadStringW(HINSTANCE /*instance*/, UINT id, LPWSTR buffer, int bufferMax) {
    if (buffer == nullptr || bufferMax <= 0) {
        return 0;
    }
    LPCWSTR text = id <= 0xFFFF
                       ? resources::findString(static_cast<int>(id), platform::resourceLanguage())
                       : nullptr;
    if (text == nullptr) {
        buffer[0] = u'\0';
        return 0;
    }
    // Cut to the buffer, which always ends with a terminator.
    std::u16string_view whole(text);
    size_t copied = std::min(whole.size(), static_cast<size_t>(bufferMax) - 1);
    std::copy_n(whole.begin(), copied, buffer);
    buffer[copied] = u'\0';
    return static_cast<int>(copied);
}
