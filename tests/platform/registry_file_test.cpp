// SPDX-License-Identifier: MIT
// The settings file on disk: what a write leaves there, what survives it, and
// how a damaged file is read; the key handles; where the file goes by default.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/registry/registry_store.h"
#include "platform/registry_api.h"
#include "platform/utf.h"
#include "platform_support.h"
#include "registry_fixture.h"

namespace {

using platform_testing::ScopedEnvironment;

// "name=value ..." read or written in the program's key, or in another key
// as "key:name=value"; "@" names the default value, -1 is absent or not a
// dword.
struct Value {
    std::u16string key;
    std::u16string name;
    int64_t value;
};

std::vector<Value> values(const std::string& text) {
    std::vector<Value> parsed;
    std::istringstream items(text);
    for (std::string item; items >> item;) {
        const size_t colon = item.find(':');
        const size_t start = colon == std::string::npos ? 0 : colon + 1;
        const size_t equals = item.find('=');
        const std::string name = item.substr(start, equals - start);
        parsed.push_back({start == 0 ? tlxKey : utf16FromUtf8(item.substr(0, colon)),
                          name == "@" ? u"" : utf16FromUtf8(name),
                          std::stoll(item.substr(equals + 1), nullptr, 0)});
    }
    return parsed;
}

struct FileCase {
    const char* name;
    std::optional<std::string> before; // no file at all when unset
    const char* readsBefore;
    const char* writes;
    std::string after;
    const char* readsAfter;
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
// "wc": it reads as absent, and a write keeps it and adds a line that reads.
FileCase damaged(const char* line) {
    const std::string before = std::string(tlxSection) + line + "\n\"wc\"=dword:00000001\n";
    return {line, before, "back=-1 wc=1", "back=6", before + "\"back\"=dword:00000006\n", "back=6"};
}

const std::vector<FileCase> FILE_CASES{
    {"a first write creates the file in registry export form", std::nullopt, "back=-1", "back=10",
     std::string(tlxSection) + "\"back\"=dword:0000000a\n", "back=10"},
    {"values round trip", std::nullopt, "", "statc=0xFFFFFFFF statu=0 type=0x1234abcd",
     std::string(tlxSection) +
         "\"statc\"=dword:ffffffff\n\"statu\"=dword:00000000\n\"type\"=dword:1234abcd\n",
     "statc=0xFFFFFFFF statu=0 type=0x1234abcd"},
    {"rewriting a value changes only its line", handEdited, "back=1 title=-1 @=-1", "back=2",
     replaced(handEdited, "\"back\"=dword:00000001", "\"back\"=dword:00000002"),
     "back=2 Software\\qm\\tlx\\sub:back=5"},
    {"a new value goes at the end of its section, with the file's line ends",
     "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\qm\\tlx]\r\n\"back\"=dword:00000001\r\n"
     "\r\n[HKEY_CURRENT_USER\\Software\\Other]\r\n\"x\"=dword:00000009\r\n",
     "", "wc=1",
     "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\qm\\tlx]\r\n\"back\"=dword:00000001\r\n"
     "\"wc\"=dword:00000001\r\n"
     "\r\n[HKEY_CURRENT_USER\\Software\\Other]\r\n\"x\"=dword:00000009\r\n",
     ""},
    {"a file of blank lines gets the header and keeps its blank lines", "\n \n\n", "", "wc=1",
     "REGEDIT4\n\n \n\n[HKEY_CURRENT_USER\\Software\\qm\\tlx]\n\"wc\"=dword:00000001\n", "wc=1"},
    {"a new section follows a file without a final line end",
     "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Other]\n\"x\"=dword:00000009", "", "cidc=1",
     "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Other]\n\"x\"=dword:00000009\n"
     "\n[HKEY_CURRENT_USER\\Software\\qm\\tlx]\n\"cidc\"=dword:00000001\n",
     "Software\\Other:x=9"},
    {"the later of duplicate lines is read, and a write changes that one only",
     std::string(tlxSection) +
         "\"back\"=dword:00000001\n\"x\"=dword:00000000\n\"back\"=dword:00000002\n",
     "back=2", "back=3",
     std::string(tlxSection) +
         "\"back\"=dword:00000001\n\"x\"=dword:00000000\n\"back\"=dword:00000003\n",
     "back=3"},
    {"a continued value ends before a line that is a value of its own",
     std::string(tlxSection) + "\"statc\"=hex:01,\\\n\"statu\"=dword:00000005\n", "statu=5",
     "statc=1", std::string(tlxSection) + "\"statc\"=dword:00000001\n\"statu\"=dword:00000005\n",
     "statc=1 statu=5"},
    {"a value after a continued one is read, and the continued one kept",
     std::string(tlxSection) + "\"keep\"=hex:01,\\\n\"statc\"=dword:00000005\n", "statc=5",
     "statc=6", std::string(tlxSection) + "\"keep\"=hex:01,\\\n\"statc\"=dword:00000006\n",
     "statc=6"},
    {"lone CR line ends are read and written back as they are",
     "REGEDIT4\r\r[HKEY_CURRENT_USER\\Software\\qm\\tlx]\r\"back\"=dword:00000001\r\"x\"=dword:2",
     "back=1 x=2", "back=3 wc=1",
     "REGEDIT4\r\r[HKEY_CURRENT_USER\\Software\\qm\\tlx]\r\"back\"=dword:00000003\r"
     "\"x\"=dword:2\r\"wc\"=dword:00000001\r",
     "back=3 x=2 wc=1"},
    {"short digits, upper case and blanks are accepted",
     std::string(tlxSection) + "\"back\"=DWORD:A\n \"wc\" = dword:0000FFff  \n",
     "back=10 wc=0xFFFF", "",
     std::string(tlxSection) + "\"back\"=DWORD:A\n \"wc\" = dword:0000FFff  \n", ""},
    {"values outside an understood section are not seen",
     "\"back\"=dword:00000001\n[HKEY_CURRENT_USER\\Software\\qm\\tlx\n\"wc\"=dword:00000001\n"
     "[-HKEY_CURRENT_USER\\Software\\qm\\tlx]\n\"cidc\"=dword:00000001\n",
     "back=-1 wc=-1 cidc=-1", "",
     "\"back\"=dword:00000001\n[HKEY_CURRENT_USER\\Software\\qm\\tlx\n\"wc\"=dword:00000001\n"
     "[-HKEY_CURRENT_USER\\Software\\qm\\tlx]\n\"cidc\"=dword:00000001\n",
     ""},
    {"key and value names ignore case and keep how they were written",
     std::string(header) + "[hkey_current_user\\SOFTWARE\\QM\\Tlx]\n\"BACK\"=dword:00000003\n",
     "back=3 software\\qm\\TLX:Back=3", "back=4",
     std::string(header) + "[hkey_current_user\\SOFTWARE\\QM\\Tlx]\n\"BACK\"=dword:00000004\n", ""},
    damaged("\"back\"=dword:123456789"),
    damaged("\"back\"=dword:-0000001"),
    damaged("\"back\"=dword:00000001 junk"),
    damaged("\"back\""),
    damaged("\"back\"=hex:1,2g"),
    damaged("\"back\"=\"open string"),
};

void expectValues(const char* expected, const char* when) {
    for (const Value& v : values(expected)) {
        EXPECT_EQ(queryDword(v.key.c_str(), v.name.c_str()), v.value)
            << when << ": " << utf8FromUtf16(v.name);
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
        for (const Value& v : values(c.writes)) {
            ASSERT_EQ(setDword(v.key.c_str(), v.name.c_str(), static_cast<DWORD>(v.value)),
                      ERROR_SUCCESS);
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

// Another program rewrites the file between two reads: emptied, made shorter,
// or with every line changed and the length kept, it reads as it is now.
TEST_F(RegistryFileTest, AFileChangedOutsideReadsAsItIsNow) {
    const std::string section = "[HKEY_CURRENT_USER\\Software\\qm\\tlx]\n";
    const std::pair<std::string, int64_t> steps[] = {
        {std::string(tlxSection) + "\"back\"=dword:00000003\n", 3},
        {"", -1},
        {std::string(tlxSection) + "\"back\"=dword:00000003\n", 3},
        {section + "\"back\"=dword:00000004\n", 4},
        {"[hkey_current_user\\software\\qm\\tlx]\n\"BACK\"=dword:00000005\n", 5},
    };
    for (const auto& [text, back] : steps) {
        writeFile(text);
        EXPECT_EQ(queryDword(tlxKey, u"back"), back) << text;
    }
}

TEST_F(RegistryFileTest, WriteReplacesTheFileAndLeavesNoTemporaryBehind) {
    writeFile(header);
    struct stat before {};
    ASSERT_EQ(stat(file.c_str(), &before), 0);
    ASSERT_EQ(chmod(file.c_str(), 0640), 0);

    // Held open, the old file keeps its inode number from being given again.
    const int old = open(file.c_str(), O_RDONLY);
    ASSERT_EQ(setDword(tlxKey, u"back", 1), ERROR_SUCCESS);
    ASSERT_EQ(setDword(tlxKey, u"back", 2), ERROR_SUCCESS);
    struct stat after {};
    ASSERT_EQ(stat(file.c_str(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino) << "the file is replaced, not written over";
    close(old);
    EXPECT_EQ(after.st_mode & 07777, 0640u) << "the replacement keeps the permissions";
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"settings.reg"});

    const std::string text = readFile();
    ASSERT_EQ(setDword(tlxKey, u"back", 2), ERROR_SUCCESS);
    struct stat same {};
    ASSERT_EQ(stat(file.c_str(), &same), 0);
    EXPECT_EQ(same.st_ino, after.st_ino) << "a value stored already does not replace the file";
    EXPECT_EQ(readFile(), text);
}

// Creating a key writes its section at once; creating it again opens it.
TEST_F(RegistryFileTest, ACreatedKeyIsWrittenAndOpenedTheNextTime) {
    for (DWORD expected : {DWORD{REG_CREATED_NEW_KEY}, DWORD{REG_OPENED_EXISTING_KEY}}) {
        HKEY key = nullptr;
        DWORD disposition = 0;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, tlxKey, 0, nullptr, 0, 0, nullptr, &key,
                                  &disposition),
                  ERROR_SUCCESS);
        RegCloseKey(key);
        EXPECT_EQ(disposition, expected);
        EXPECT_EQ(readFile(), tlxSection);
    }
}

// Handles closed, foreign or left over from another store are refused.
TEST(RegistryHandles, ClosedForeignAndStaleHandlesAreRefused) {
    platform::useMemorySettings();
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, tlxKey, 0, nullptr, 0, 0, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    DWORD value = 1;
    int local = 0;
    for (HKEY bad : {key, reinterpret_cast<HKEY>(&local), HKEY{nullptr}}) {
        EXPECT_EQ(RegCloseKey(bad), ERROR_INVALID_HANDLE);
        EXPECT_EQ(RegSetValueExW(bad, u"back", 0, REG_DWORD, reinterpret_cast<BYTE*>(&value), 4),
                  ERROR_INVALID_HANDLE);
    }
    EXPECT_EQ(queryDword(tlxKey, u"back"), -1) << "nothing was written through a bad handle";
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, tlxKey, 0, nullptr, 0, 0, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    platform::useMemorySettings();
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE) << "a switch of stores closes every key";
}

TEST(DefaultSettingsPath, FollowsAnAbsoluteXdgConfigHomeElseTheHomeConfigFolder) {
    ScopedEnvironment home("HOME", "/home/player");
    const std::pair<const char*, const char*> cases[] = {
        {"/tmp/talonix-config", "/tmp/talonix-config/talonix/settings.reg"},
        {nullptr, "/home/player/.config/talonix/settings.reg"},
        {"", "/home/player/.config/talonix/settings.reg"},
        {"relative/dir", "/home/player/.config/talonix/settings.reg"},
    };
    for (const auto& [config, expected] : cases) {
        ScopedEnvironment setting("XDG_CONFIG_HOME", config);
        EXPECT_EQ(platform::defaultSettingsPath(), expected) << (config ? config : "(unset)");
    }
}

} // namespace
