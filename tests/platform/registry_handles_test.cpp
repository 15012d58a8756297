// Key handles and the calls that take them, on the in-memory store.

#include <cstring>

#include "registry_fixture.h"

namespace {

class RegistryHandleTest : public ::testing::Test {
  protected:
    void SetUp() override { platform::useMemorySettings(); }
    void TearDown() override { platform::useMemorySettings(); }

    HKEY create(LPCWSTR subKey, DWORD* disposition = nullptr) {
        HKEY key = nullptr;
        WCHAR emptyClass[] = u"";
        EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, subKey, 0, emptyClass, 0, KEY_ALL_ACCESS,
                                  nullptr, &key, disposition),
                  ERROR_SUCCESS);
        return key;
    }
};

TEST_F(RegistryHandleTest, OpeningAMissingKeyFailsUntilItIsCreated) {
    HKEY key = reinterpret_cast<HKEY>(uintptr_t{0x1234});
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, tlxKey, 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key, nullptr);

    DWORD disposition = 0;
    HKEY created = create(tlxKey, &disposition);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    EXPECT_EQ(RegCloseKey(created), ERROR_SUCCESS);

    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, tlxKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    EXPECT_NE(key, nullptr);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);

    HKEY again = create(tlxKey, &disposition);
    EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
    EXPECT_EQ(RegCloseKey(again), ERROR_SUCCESS);
}

TEST_F(RegistryHandleTest, KeysAboveACreatedKeyExistAndOpenRelativeToEachOther) {
    RegCloseKey(create(tlxKey));
    HKEY software = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"SOFTWARE", 0, KEY_READ, &software), ERROR_SUCCESS);
    HKEY tlx = nullptr;
    ASSERT_EQ(RegOpenKeyExW(software, u"qm\\TLX", 0, KEY_READ, &tlx), ERROR_SUCCESS);
    HKEY other = nullptr;
    EXPECT_EQ(RegOpenKeyExW(software, u"other", 0, KEY_READ, &other), ERROR_FILE_NOT_FOUND);

    DWORD value = 11;
    ASSERT_EQ(RegSetValueExW(tlx, u"back", 0, REG_DWORD, reinterpret_cast<BYTE*>(&value), 4),
              ERROR_SUCCESS);
    EXPECT_EQ(queryDword(tlxKey, u"back"), 11);
    EXPECT_EQ(RegCloseKey(tlx), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(software), ERROR_SUCCESS);
}

TEST_F(RegistryHandleTest, ClosedAndForeignHandlesAreRefused) {
    HKEY key = create(tlxKey);
    ASSERT_EQ(RegCloseKey(key), ERROR_SUCCESS);

    DWORD value = 1;
    DWORD size = 4;
    HKEY sub = nullptr;
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
    EXPECT_EQ(
        RegQueryValueExW(key, u"back", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size),
        ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegSetValueExW(key, u"back", 0, REG_DWORD, reinterpret_cast<BYTE*>(&value), 4),
              ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegOpenKeyExW(key, u"", 0, KEY_READ, &sub), ERROR_INVALID_HANDLE);

    int local = 0;
    HKEY foreign = reinterpret_cast<HKEY>(&local);
    EXPECT_EQ(RegCloseKey(foreign), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(nullptr), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegQueryValueExW(foreign, u"back", nullptr, nullptr, nullptr, nullptr),
              ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCreateKeyExW(foreign, u"x", 0, nullptr, 0, 0, nullptr, &sub, nullptr),
              ERROR_INVALID_HANDLE);
    EXPECT_EQ(queryDword(tlxKey, u"back"), -1) << "nothing was written through a bad handle";
}

TEST_F(RegistryHandleTest, SwitchingStoresInvalidatesOpenHandles) {
    HKEY key = create(tlxKey);
    platform::useMemorySettings();
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
}

TEST_F(RegistryHandleTest, NewHandlesNeverRepeatClosedOnes) {
    HKEY first = create(tlxKey);
    RegCloseKey(first);
    HKEY second = create(tlxKey);
    EXPECT_NE(first, second);
    EXPECT_EQ(RegCloseKey(first), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(second), ERROR_SUCCESS);
}

TEST_F(RegistryHandleTest, TooSmallBufferGivesMoreDataAndTheSizeNeeded) {
    HKEY key = create(tlxKey);
    const BYTE blob[] = {1, 2, 3, 4, 5, 6};
    ASSERT_EQ(RegSetValueExW(key, u"blob", 0, 3, blob, sizeof blob), ERROR_SUCCESS);

    BYTE buffer[4] = {9, 9, 9, 9};
    DWORD size = sizeof buffer;
    DWORD type = REG_NONE;
    EXPECT_EQ(RegQueryValueExW(key, u"blob", nullptr, &type, buffer, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 6u);
    EXPECT_EQ(type, 3u);

    BYTE big[8] = {};
    size = sizeof big;
    ASSERT_EQ(RegQueryValueExW(key, u"blob", nullptr, &type, big, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 6u);
    EXPECT_EQ(std::memcmp(big, blob, sizeof blob), 0);

    // Asking for the size alone.
    size = 0;
    EXPECT_EQ(RegQueryValueExW(key, u"blob", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 6u);
    RegCloseKey(key);
}

TEST_F(RegistryHandleTest, ValuesOfOtherTypesComeBackWithTheirType) {
    HKEY key = create(tlxKey);
    const char16_t text[] = u"Дурак \"q\" \\";
    ASSERT_EQ(RegSetValueExW(key, u"name", 0, 1, reinterpret_cast<const BYTE*>(text), sizeof text),
              ERROR_SUCCESS);
    const BYTE expandable[] = {'a', 0, 0, 0};
    ASSERT_EQ(RegSetValueExW(key, u"path", 0, 2, expandable, sizeof expandable), ERROR_SUCCESS);

    char16_t buffer[32] = {};
    DWORD size = sizeof buffer;
    DWORD type = REG_NONE;
    ASSERT_EQ(
        RegQueryValueExW(key, u"name", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size),
        ERROR_SUCCESS);
    EXPECT_EQ(type, 1u);
    EXPECT_EQ(size, sizeof text);
    EXPECT_EQ(std::u16string(buffer), std::u16string(text));

    BYTE bytes[8] = {};
    size = sizeof bytes;
    ASSERT_EQ(RegQueryValueExW(key, u"path", nullptr, &type, bytes, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, 2u);
    EXPECT_EQ(size, sizeof expandable);

    // Read as the settings read a dword: the type tells it is not one.
    EXPECT_EQ(queryDword(tlxKey, u"path"), -1);
    EXPECT_EQ(queryDword(tlxKey, u"name"), -1);
    RegCloseKey(key);
}

TEST_F(RegistryHandleTest, ADwordMustBeFourBytes) {
    HKEY key = create(tlxKey);
    const BYTE two[] = {1, 0};
    EXPECT_EQ(RegSetValueExW(key, u"back", 0, REG_DWORD, two, sizeof two), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegSetValueExW(key, u"back", 0, REG_DWORD, nullptr, 4), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(queryDword(tlxKey, u"back"), -1);
    RegCloseKey(key);
}

TEST_F(RegistryHandleTest, NamesThatWouldBreakALineAreRefused) {
    HKEY key = create(tlxKey);
    DWORD value = 1;
    EXPECT_EQ(RegSetValueExW(key, u"two\nlines", 0, REG_DWORD, reinterpret_cast<BYTE*>(&value), 4),
              ERROR_INVALID_PARAMETER);
    HKEY sub = nullptr;
    EXPECT_EQ(RegCreateKeyExW(key, u"a\r\nb", 0, nullptr, 0, 0, nullptr, &sub, nullptr),
              ERROR_INVALID_PARAMETER);
    RegCloseKey(key);
}

TEST_F(RegistryHandleTest, QuotesAndBackslashesInNamesRoundTrip) {
    ASSERT_EQ(setDword(tlxKey, u"a \"quoted\" \\ name", 3), ERROR_SUCCESS);
    ASSERT_EQ(setDword(tlxKey, nullptr, 4), ERROR_SUCCESS);
    EXPECT_EQ(queryDword(tlxKey, u"a \"quoted\" \\ name"), 3);
    EXPECT_EQ(queryDword(tlxKey, u""), 4) << "the unnamed value";
}

TEST_F(RegistryHandleTest, MissingValueIsNotFound) {
    HKEY key = create(tlxKey);
    DWORD value = 0;
    DWORD size = 4;
    EXPECT_EQ(
        RegQueryValueExW(key, u"type", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size),
        ERROR_FILE_NOT_FOUND);
    RegCloseKey(key);
}

TEST_F(RegistryHandleTest, TheMemoryStoreStartsEmptyEachTime) {
    ASSERT_EQ(setDword(tlxKey, u"back", 2), ERROR_SUCCESS);
    EXPECT_EQ(queryDword(tlxKey, u"back"), 2);
    platform::useMemorySettings();
    EXPECT_EQ(queryDword(tlxKey, u"back"), -1);
}

} // namespace
