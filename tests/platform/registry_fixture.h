// SPDX-License-Identifier: MIT
// A settings file of its own for each test, and the program's way of
// storing and reading a DWORD.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/registry/dword_values.h"
#include "platform/registry/registry_store.h"
#include "platform/registry_api.h"

inline std::string contentOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class RegistryFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/talonix-registry-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        file = folder / "settings.reg";
        platform::useSettingsFile(file.string());
    }
    void TearDown() override {
        platform::useMemorySettings();
        std::filesystem::remove_all(folder);
    }

    void writeFile(const std::string& text) const {
        std::ofstream out(file, std::ios::binary);
        out << text;
    }
    std::string readFile() const { return contentOf(file); }
    std::vector<std::string> folderEntries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    std::filesystem::path folder;
    std::filesystem::path file;
};

// Sets a REG_DWORD the way the program does: create, set, close.
inline LSTATUS setDword(LPCWSTR subKey, LPCWSTR name, DWORD value) {
    HKEY key = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, subKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                                     nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) {
        return status;
    }
    status = RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4);
    RegCloseKey(key);
    return status;
}

// The value as a REG_DWORD, or -1 when it cannot be read as one.
inline int64_t queryDword(LPCWSTR subKey, LPCWSTR name) {
    const std::optional<DWORD> value = platform::readDwordValue(subKey, name);
    return value ? int64_t{*value} : -1;
}

inline constexpr LPCWSTR tlxKey = u"Software\\qm\\tlx";

constexpr const char* header = "REGEDIT4\n\n";
constexpr const char* tlxSection = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\qm\\tlx]\n";
