// SPDX-License-Identifier: MIT
// FindResourceW, LoadResource and LockResource for dialog templates, the
// only kind of resource the program looks up this way, in the interface
// language.
#include "platform/resource_api.h"
#include "platform/resources/numbered_handles.h"
#include "platform/resources/ui_language.h"
#include "resources/resource_table.h"

using namespace platform::resources_calls;

namespace {

constexpr uintptr_t DIALOG_TYPE = 5;

} // namespace

HRSRC FindResourceW(HMODULE /*module*/, LPCWSTR name, LPCWSTR type) {
    if (name == nullptr || type == nullptr || !IS_INTRESOURCE(name) || !IS_INTRESOURCE(type) ||
        reinterpret_cast<uintptr_t>(type) != DIALOG_TYPE) {
        return nullptr;
    }
    int id = static_cast<int>(reinterpret_cast<uintptr_t>(name));
    if (resources::findDialog(id) == nullptr) {
        return nullptr;
    }
    return handleFor<HRSRC>(FOUND_RESOURCE_BASE, id);
}

HGLOBAL LoadResource(HMODULE /*module*/, HRSRC resource) {
    auto id = idFor(FOUND_RESOURCE_BASE, resource);
    if (!id || resources::findDialog(*id) == nullptr) {
        return nullptr;
    }
    return handleFor<HGLOBAL>(LOADED_RESOURCE_BASE, *id);
}

const void* LockResource(HGLOBAL data) {
    auto id = idFor(LOADED_RESOURCE_BASE, data);
    return id ? resources::findDialog(*id, platform::resourceLanguage()) : nullptr;
}
