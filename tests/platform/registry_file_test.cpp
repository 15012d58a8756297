// The settings file on disk: what a write leaves there, what survives it, and
// how a damaged file is read; then the key handles the calls take.

#include <sys/stat.h>

#include <cstring>
#include <optional>

#include "platform/utf.h"
#include "registry_fixture.h"

namespace {

constexpr const char* header = "REGEDIT4\n\n";
constexpr const char* tlxSection = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\qm\\tlx]\n";

struct Value {
    LPCWSTR key;
    LPCWSTR name;
    int64_t value; // -1: absent, or not a dword
};

struct FileCase {
    const char* name;
    std::optional<std::string> before; // no file at all when unset
    std::vector<Value> readsBefore;
    std::vector<Value> writes;
    std::string after;
    std::vector<Value> readsAfter;
};

const std::string handEdited = "REGEDIT4\r\n"
                               "; kept by hand\r\n"
                               "\r\n"
                               "[HKEY_LOCAL_MACHINE\\Software\\Other]\r\n"
                               "\"back\"=dword:00000007\r\n"
                               "\r\n"
                               "[HKEY_CURRENT_USER\\Software\\qm\\tlx]\r\n"
                               "\"title\"=\"Дурак \\\"q\\\" \\\\ end\"\r\n"
                               "\"blob\"=hex:01,02,ff\r\n"
                               "\"multi\"=hex(7):61,00,00,00,\\\r\n"
                               "  00,00\r\n"
                               "@=\"default\"\r\n"
                               "\"back\"=dword:00000001\r\n"
                               "this line means nothing\r\n"
                               "\r\n"
                               "[HKEY_CURRENT_USER\\Software\\qm\\tlx\\sub]\r\n"
                               "\"back\"=dword:00000005\r\n";

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

// A line that does not read as a dword "back", between the header and a good
// "wc": it reads as absent and a write replaces it.
FileCase damaged(const char* line) {
    return {line,
            std::string(tlxSection) + line + "\n\"wc\"=dword:00000001\n",
            {{tlxKey, u"back", -1}, {tlxKey, u"wc", 1}},
            {{tlxKey, u"back", 6}},
            std::string(tlxSection) + "\"back\"=dword:00000006\n\"wc\"=dword:00000001\n",
            {{tlxKey, u"back", 6}}};
}

const std::vector<FileCase> FILE_CASES{
    {"a first write creates the file in registry export form",
     std::nullopt,
     {{tlxKey, u"back", -1}},
     {{tlxKey, u"back", 10}},
     std::string(tlxSection) + "\"back\"=dword:0000000a\n",
     {{tlxKey, u"back", 10}}},
    {"values round trip",
     std::nullopt,
     {},
     {{tlxKey, u"statc", 0xFFFFFFFF}, {tlxKey, u"statu", 0}, {tlxKey, u"type", 0x1234abcd}},
     std::string(tlxSection) +
         "\"statc\"=dword:ffffffff\n\"statu\"=dword:00000000\n\"type\"=dword:1234abcd\n",
     {{tlxKey, u"statc", 0xFFFFFFFF}, {tlxKey, u"statu", 0}, {tlxKey, u"type", 0x1234abcd}}},
    {"rewriting a value changes only its line",
     handEdited,
     {{tlxKey, u"back", 1}, {tlxKey, u"title", -1}, {tlxKey, u"", -1}},
     {{tlxKey, u"back", 2}},
     replaced(handEdited, "\"back\"=dword:00000001", "\"back\"=dword:00000002"),
     {{tlxKey, u"back", 2}, {u"Software\\qm\\tlx\\sub", u"back", 5}}},
    {"a value continued over lines is rewritten whole",
     handEdited,
     {{tlxKey, u"multi", -1}},
     {{tlxKey, u"multi", 1}},
     replaced(handEdited, "\"multi\"=hex(7):61,00,00,00,\\\r\n  00,00", "\"multi\"=dword:00000001"),
     {{tlxKey, u"multi", 1}}},
    {"a new value goes at the end of its section, with the file's line ends",
     "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\qm\\tlx]\r\n\"back\"=dword:00000001\r\n"
     "\r\n[HKEY_CURRENT_USER\\Software\\Other]\r\n\"x\"=dword:00000009\r\n",
     {},
     {{tlxKey, u"wc", 1}},
     "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\qm\\tlx]\r\n\"back\"=dword:00000001\r\n"
     "\"wc\"=dword:00000001\r\n"
     "\r\n[HKEY_CURRENT_USER\\Software\\Other]\r\n\"x\"=dword:00000009\r\n",
     {}},
    {"a new section follows a file without a final line end",
     "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Other]\n\"x\"=dword:00000009",
     {},
     {{tlxKey, u"cidc", 1}},
     "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Other]\n\"x\"=dword:00000009\n"
     "\n[HKEY_CURRENT_USER\\Software\\qm\\tlx]\n\"cidc\"=dword:00000001\n",
     {{u"Software\\Other", u"x", 9}}},
    {"writing twice leaves one line",
     std::nullopt,
     {},
     {{tlxKey, u"statc", 4}, {tlxKey, u"statc", 5}},
     std::string(tlxSection) + "\"statc\"=dword:00000005\n",
     {{tlxKey, u"statc", 5}}},
    {"the later of duplicate lines is read; a write collapses them into the first",
     std::string(tlxSection) +
         "\"back\"=dword:00000001\n\"x\"=dword:00000000\n\"back\"=dword:00000002\n",
     {{tlxKey, u"back", 2}},
     {{tlxKey, u"back", 3}},
     std::string(tlxSection) + "\"back\"=dword:00000003\n\"x\"=dword:00000000\n",
     {{tlxKey, u"back", 3}}},
    {"a later string hides an earlier dword of that name",
     std::string(tlxSection) + "\"back\"=dword:00000001\n\"back\"=\"2\"\n",
     {{tlxKey, u"back", -1}},
     {{tlxKey, u"back", 3}},
     std::string(tlxSection) + "\"back\"=dword:00000003\n",
     {{tlxKey, u"back", 3}}},
    {"a dword written as hex(4) reads as one",
     std::string(tlxSection) + "\"back\"=hex(4):05,00,00,00\n\"wc\"=hex:05,00,00,00\n",
     {{tlxKey, u"back", 5}, {tlxKey, u"wc", -1}},
     {},
     std::string(tlxSection) + "\"back\"=hex(4):05,00,00,00\n\"wc\"=hex:05,00,00,00\n",
     {}},
    {"short digits, upper case and blanks are accepted",
     std::string(tlxSection) + "\"back\"=DWORD:A\n \"wc\" = dword:0000FFff  \n",
     {{tlxKey, u"back", 10}, {tlxKey, u"wc", 0xFFFF}},
     {},
     std::string(tlxSection) + "\"back\"=DWORD:A\n \"wc\" = dword:0000FFff  \n",
     {}},
    {"values outside an understood section are not seen",
     "\"back\"=dword:00000001\n[HKEY_CURRENT_USER\\Software\\qm\\tlx\n\"wc\"=dword:00000001\n"
     "[-HKEY_CURRENT_USER\\Software\\qm\\tlx]\n\"cidc\"=dword:00000001\n",
     {{tlxKey, u"back", -1}, {tlxKey, u"wc", -1}, {tlxKey, u"cidc", -1}},
     {},
     "\"back\"=dword:00000001\n[HKEY_CURRENT_USER\\Software\\qm\\tlx\n\"wc\"=dword:00000001\n"
     "[-HKEY_CURRENT_USER\\Software\\qm\\tlx]\n\"cidc\"=dword:00000001\n",
     {}},
    {"key and value names ignore case and keep how they were written",
     std::string(header) + "[hkey_current_user\\SOFTWARE\\QM\\Tlx]\n\"BACK\"=dword:00000003\n",
     {{tlxKey, u"back", 3}, {u"software\\qm\\TLX", u"Back", 3}},
     {{tlxKey, u"back", 4}},
     std::string(header) + "[hkey_current_user\\SOFTWARE\\QM\\Tlx]\n\"BACK\"=dword:00000004\n",
     {}},
    {"Cyrillic names ignore case too",
     std::nullopt,
     {},
     {{u"Software\\Дурак", u"Счёт", 7}},
     std::string(header) + "[HKEY_CURRENT_USER\\Software\\Дурак]\n\"Счёт\"=dword:00000007\n",
     {{u"software\\ДУРАК", u"СЧЁТ", 7}}},
    {"quotes and backslashes in names, and the unnamed value",
     std::nullopt,
     {},
     {{tlxKey, u"a \"quoted\" \\ name", 3}, {tlxKey, nullptr, 4}},
     std::string(tlxSection) + "\"a \\\"quoted\\\" \\\\ name\"=dword:00000003\n@=dword:00000004\n",
     {{tlxKey, u"a \"quoted\" \\ name", 3}, {tlxKey, u"", 4}}},
    damaged("\"back\"=dword:123456789"),
    damaged("\"back\"=dword:0000000g"),
    damaged("\"back\"=dword:"),
    damaged("\"back\"=dword:-0000001"),
    damaged("\"back\"=dword:00000001 junk"),
    damaged("\"back\"=dwurd:00000001"),
    damaged("\"back\""),
    damaged("\"back\"=-"),
    damaged("\"back\"=hex:1,2g"),
    damaged("\"back\"=hex(4):05,00,00,0g"),
    damaged("\"back\"=\"open string"),
};

void expectValues(const std::vector<Value>& values, const char* when) {
    for (const Value& v : values) {
        EXPECT_EQ(queryDword(v.key, v.name), v.value)
            << when << ": " << utf8FromUtf16(v.name != nullptr ? v.name : u"@");
    }
}

TEST_F(RegistryFileTest, EachFileCaseReadsAndWritesAsExpected) {
    for (const FileCase& c : FILE_CASES) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(file);
        if (c.before) {
            writeFile(*c.before);
        }
        expectValues(c.readsBefore, "before");
        for (const Value& v : c.writes) {
            ASSERT_EQ(setDword(v.key, v.name, static_cast<DWORD>(v.value)), ERROR_SUCCESS);
        }
        EXPECT_EQ(readFile(), c.after);
        expectValues(c.readsAfter, "after");
    }
}

TEST_F(RegistryFileTest, EveryQueryReadsTheFileAfreshAndEachStoreItsOwn) {
    ASSERT_EQ(setDword(tlxKey, u"back", 1), ERROR_SUCCESS);
    writeFile(std::string(tlxSection) + "\"back\"=dword:00000003\n");
    EXPECT_EQ(queryDword(tlxKey, u"back"), 3);
    platform::useMemorySettings();
    EXPECT_EQ(queryDword(tlxKey, u"back"), -1);
    ASSERT_EQ(setDword(tlxKey, u"back", 2), ERROR_SUCCESS);
    EXPECT_EQ(queryDword(tlxKey, u"back"), 2);
    platform::useMemorySettings();
    EXPECT_EQ(queryDword(tlxKey, u"back"), -1) << "the memory store starts empty each time";
    platform::useSettingsFile(file.string());
    EXPECT_EQ(queryDword(tlxKey, u"back"), 3);
}

TEST_F(RegistryFileTest, WriteReplacesTheFileAndLeavesNoTemporaryBehind) {
    writeFile(header);
    struct stat before {};
    ASSERT_EQ(stat(file.c_str(), &before), 0);
    ASSERT_EQ(chmod(file.c_str(), 0640), 0);

    ASSERT_EQ(setDword(tlxKey, u"back", 1), ERROR_SUCCESS);
    ASSERT_EQ(setDword(tlxKey, u"back", 2), ERROR_SUCCESS);

    struct stat after {};
    ASSERT_EQ(stat(file.c_str(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino) << "the file is replaced, not written over";
    EXPECT_EQ(after.st_mode & 07777, 0640u) << "the replacement keeps the permissions";
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"settings.reg"});
}

TEST_F(RegistryFileTest, MissingFoldersAreCreated) {
    std::filesystem::path deep = folder / "a" / "b" / "settings.reg";
    platform::useSettingsFile(deep.string());
    EXPECT_EQ(queryDword(tlxKey, u"back"), -1);
    ASSERT_EQ(setDword(tlxKey, u"back", 4), ERROR_SUCCESS);
    EXPECT_TRUE(std::filesystem::is_regular_file(deep));
    EXPECT_EQ(queryDword(tlxKey, u"back"), 4);
}

TEST_F(RegistryFileTest, AFileOrFolderInTheWayGivesAnErrorAndNoCrash) {
    writeFile(header);
    platform::useSettingsFile((file / "settings.reg").string());
    EXPECT_EQ(queryDword(tlxKey, u"back"), -1);
    EXPECT_NE(setDword(tlxKey, u"back", 2), ERROR_SUCCESS);
    EXPECT_EQ(queryDword(tlxKey, u"back"), -1);
    EXPECT_EQ(readFile(), header) << "the file in the way is left alone";

    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
    platform::useSettingsFile(file.string());
    EXPECT_EQ(queryDword(tlxKey, u"back"), -1);
    EXPECT_NE(setDword(tlxKey, u"back", 1), ERROR_SUCCESS);
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"settings.reg"});
}

TEST_F(RegistryFileTest, BinaryJunkReadsAsAbsentAndAWriteStillWorks) {
    std::string junk;
    for (int i = 0; i < 4096; ++i) {
        junk.push_back(static_cast<char>((i * 7919 + 13) % 256));
    }
    junk += "\n[HKEY_CURRENT_USER\\Software\\qm\\tlx\n\"back\"=dword:00000003\n\xff\xfe";
    junk.push_back('\0');
    writeFile(junk);
    EXPECT_EQ(queryDword(tlxKey, u"back"), -1);
    ASSERT_EQ(setDword(tlxKey, u"back", 2), ERROR_SUCCESS);
    EXPECT_EQ(queryDword(tlxKey, u"back"), 2);
    EXPECT_EQ(readFile().substr(0, junk.size()), junk) << "the junk is kept as it was";
}

TEST_F(RegistryFileTest, ScrambledRegistryTextNeverUpsetsAReadOrAWrite) {
    // Pieces of the format shuffled into nonsense, to walk every parser path.
    const std::vector<std::string> pieces = {
        "[",        "]",    "\"",   "\\",   "=",     "@",        ":",
        ",",        "hex",  "hex(", ")",    "dword", "0",        "f",
        "zz",       "\r\n", "\n",   " ",    "\t",    "-",        "HKEY_CURRENT_USER",
        "Software", "qm",   "tlx",  "back", "\xd0",  "\xd0\x94", "\xf0\x9f",
        "REGEDIT4"};
    uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7FFF;
    };
    for (int round = 0; round < 200; ++round) {
        std::string text;
        for (uint32_t n = next() % 60; n > 0; --n) {
            text += pieces[next() % pieces.size()];
        }
        writeFile(text);
        queryDword(tlxKey, u"back"); // must merely survive: the sanitizers watch it
        if (round % 20 == 0) {
            ASSERT_EQ(setDword(tlxKey, u"back", 42), ERROR_SUCCESS) << text;
            EXPECT_EQ(queryDword(tlxKey, u"back"), 42) << text;
        }
    }
}

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
    EXPECT_NE(again, created) << "handles are never reused";
    EXPECT_EQ(RegCloseKey(created), ERROR_INVALID_HANDLE);
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

TEST_F(RegistryHandleTest, ClosedForeignAndStaleHandlesAreRefused) {
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

    HKEY stale = create(tlxKey);
    platform::useMemorySettings();
    EXPECT_EQ(RegCloseKey(stale), ERROR_INVALID_HANDLE) << "a switch of stores closes every key";
}

TEST_F(RegistryHandleTest, QueriesGiveTheSizeAndRefuseTooSmallABuffer) {
    HKEY key = create(tlxKey);
    DWORD value = 0x01020304;
    ASSERT_EQ(RegSetValueExW(key, u"back", 0, REG_DWORD, reinterpret_cast<BYTE*>(&value), 4),
              ERROR_SUCCESS);
    BYTE small[2] = {9, 9};
    DWORD size = sizeof small;
    DWORD type = REG_NONE;
    EXPECT_EQ(RegQueryValueExW(key, u"back", nullptr, &type, small, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(small[0], 9);

    size = 0;
    EXPECT_EQ(RegQueryValueExW(key, u"back", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(RegQueryValueExW(key, u"type", nullptr, nullptr, small, &size), ERROR_FILE_NOT_FOUND);
    RegCloseKey(key);
}

TEST_F(RegistryHandleTest, OnlyDwordsOnOneLineAreWritten) {
    HKEY key = create(tlxKey);
    const BYTE four[] = {1, 0, 0, 0};
    const char16_t text[] = u"abc";
    EXPECT_EQ(RegSetValueExW(key, u"back", 0, REG_DWORD, four, 2), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegSetValueExW(key, u"back", 0, REG_DWORD, nullptr, 4), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegSetValueExW(key, u"back", 0, 1, reinterpret_cast<const BYTE*>(text), sizeof text),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegSetValueExW(key, u"back", 0, 3, four, 4), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegSetValueExW(key, u"two\nlines", 0, REG_DWORD, four, 4), ERROR_INVALID_PARAMETER);
    HKEY sub = nullptr;
    EXPECT_EQ(RegCreateKeyExW(key, u"a\r\nb", 0, nullptr, 0, 0, nullptr, &sub, nullptr),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(queryDword(tlxKey, u"back"), -1);
    EXPECT_EQ(RegSetValueExW(key, u"back", 0, REG_DWORD, four, 4), ERROR_SUCCESS);
    EXPECT_EQ(queryDword(tlxKey, u"back"), 1);
    RegCloseKey(key);
}

} // namespace
