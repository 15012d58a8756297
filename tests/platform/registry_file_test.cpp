// The settings file on disk: what a write leaves there, what survives it, and
// how a damaged file is read.

#include <sys/stat.h>

#include "registry_fixture.h"

namespace {

constexpr const char* header = "REGEDIT4\n\n";

TEST_F(RegistryFileTest, FirstWriteCreatesTheFileInRegistryExportForm) {
    ASSERT_EQ(setDword(tlxKey, u"back", 10), ERROR_SUCCESS);
    EXPECT_EQ(readFile(), "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\qm\\tlx]\n"
                          "\"back\"=dword:0000000a\n");
    EXPECT_EQ(queryDword(tlxKey, u"back"), 10);
}

TEST_F(RegistryFileTest, ValuesRoundTripThroughTheFile) {
    ASSERT_EQ(setDword(tlxKey, u"statc", 0xFFFFFFFF), ERROR_SUCCESS);
    ASSERT_EQ(setDword(tlxKey, u"statu", 0), ERROR_SUCCESS);
    ASSERT_EQ(setDword(tlxKey, u"type", 0x1234abcd), ERROR_SUCCESS);
    EXPECT_EQ(queryDword(tlxKey, u"statc"), 0xFFFFFFFF);
    EXPECT_EQ(queryDword(tlxKey, u"statu"), 0);
    EXPECT_EQ(queryDword(tlxKey, u"type"), 0x1234abcd);
    EXPECT_NE(readFile().find("\"type\"=dword:1234abcd\n"), std::string::npos);

    // A second store on the same file sees what the first one wrote.
    platform::useMemorySettings();
    EXPECT_EQ(queryDword(tlxKey, u"type"), -1);
    platform::useSettingsFile(file.string());
    EXPECT_EQ(queryDword(tlxKey, u"type"), 0x1234abcd);
}

TEST_F(RegistryFileTest, EveryQueryReadsTheFileAfresh) {
    ASSERT_EQ(setDword(tlxKey, u"back", 1), ERROR_SUCCESS);
    writeFile(std::string(header) +
              "[HKEY_CURRENT_USER\\Software\\qm\\tlx]\n\"back\"=dword:00000003\n");
    EXPECT_EQ(queryDword(tlxKey, u"back"), 3);
}

TEST_F(RegistryFileTest, RewritingAValueChangesOnlyItsLine) {
    const std::string before = "REGEDIT4\r\n"
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
    writeFile(before);
    ASSERT_EQ(setDword(tlxKey, u"back", 2), ERROR_SUCCESS);

    std::string expected = before;
    expected.replace(expected.find("\"back\"=dword:00000001"), 21, "\"back\"=dword:00000002");
    EXPECT_EQ(readFile(), expected);
    EXPECT_EQ(queryDword(u"Software\\qm\\tlx\\sub", u"back"), 5);
}

TEST_F(RegistryFileTest, NewValueGoesAtTheEndOfItsSectionWithTheFilesLineEnds) {
    writeFile(
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\qm\\tlx]\r\n\"back\"=dword:00000001\r\n"
        "\r\n[HKEY_CURRENT_USER\\Software\\Other]\r\n\"x\"=dword:00000009\r\n");
    ASSERT_EQ(setDword(tlxKey, u"wc", 1), ERROR_SUCCESS);
    EXPECT_EQ(
        readFile(),
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\qm\\tlx]\r\n\"back\"=dword:00000001\r\n"
        "\"wc\"=dword:00000001\r\n"
        "\r\n[HKEY_CURRENT_USER\\Software\\Other]\r\n\"x\"=dword:00000009\r\n");
}

TEST_F(RegistryFileTest, NewSectionFollowsAFileWithoutAFinalLineEnd) {
    writeFile("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Other]\n\"x\"=dword:00000009");
    ASSERT_EQ(setDword(tlxKey, u"cidc", 1), ERROR_SUCCESS);
    EXPECT_EQ(readFile(), "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Other]\n\"x\"=dword:00000009\n"
                          "\n[HKEY_CURRENT_USER\\Software\\qm\\tlx]\n\"cidc\"=dword:00000001\n");
    EXPECT_EQ(queryDword(u"Software\\Other", u"x"), 9);
}

TEST_F(RegistryFileTest, WritingTwiceLeavesOneLine) {
    ASSERT_EQ(setDword(tlxKey, u"statc", 4), ERROR_SUCCESS);
    ASSERT_EQ(setDword(tlxKey, u"statc", 5), ERROR_SUCCESS);
    std::string text = readFile();
    EXPECT_EQ(text.find("\"statc\""), text.rfind("\"statc\""));
    EXPECT_EQ(queryDword(tlxKey, u"statc"), 5);
}

TEST_F(RegistryFileTest, DuplicateLinesCollapseIntoTheFirstOnWrite) {
    writeFile(std::string(header) + "[HKEY_CURRENT_USER\\Software\\qm\\tlx]\n"
                                    "\"back\"=dword:00000001\n\"x\"=dword:00000000\n"
                                    "\"back\"=dword:00000002\n");
    // As when the file is imported: the later line wins.
    EXPECT_EQ(queryDword(tlxKey, u"back"), 2);
    ASSERT_EQ(setDword(tlxKey, u"back", 3), ERROR_SUCCESS);
    EXPECT_EQ(readFile(), std::string(header) + "[HKEY_CURRENT_USER\\Software\\qm\\tlx]\n"
                                                "\"back\"=dword:00000003\n\"x\"=dword:00000000\n");
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

TEST_F(RegistryFileTest, AFolderThatCannotBeMadeGivesAnErrorAndNoCrash) {
    writeFile(header);
    platform::useSettingsFile((file / "settings.reg").string());
    EXPECT_EQ(queryDword(tlxKey, u"back"), -1);
    EXPECT_NE(setDword(tlxKey, u"back", 2), ERROR_SUCCESS);
    EXPECT_EQ(queryDword(tlxKey, u"back"), -1);
    EXPECT_EQ(readFile(), header) << "the file in the way is left alone";
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
    std::string text = readFile();
    EXPECT_EQ(text.substr(0, junk.size()), junk) << "the junk is kept as it was";
}

TEST_F(RegistryFileTest, AFolderInPlaceOfTheFileReadsAsEmpty) {
    std::filesystem::create_directory(file);
    EXPECT_EQ(queryDword(tlxKey, u"back"), -1);
    EXPECT_NE(setDword(tlxKey, u"back", 1), ERROR_SUCCESS);
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"settings.reg"});
}

struct DamagedLine {
    const char* line;
    const char* why;
};

void PrintTo(const DamagedLine& damaged, std::ostream* out) {
    *out << damaged.why;
}

class DamagedDwordTest : public RegistryFileTest,
                         public ::testing::WithParamInterface<DamagedLine> {};

TEST_P(DamagedDwordTest, ReadsAsAbsentAndIsReplacedByAWrite) {
    const std::string section = "[HKEY_CURRENT_USER\\Software\\qm\\tlx]\n";
    writeFile(std::string(header) + section + GetParam().line + "\n\"wc\"=dword:00000001\n");
    EXPECT_EQ(queryDword(tlxKey, u"back"), -1) << GetParam().why;
    EXPECT_EQ(queryDword(tlxKey, u"wc"), 1) << "a bad line spoils only itself";

    ASSERT_EQ(setDword(tlxKey, u"back", 6), ERROR_SUCCESS);
    EXPECT_EQ(queryDword(tlxKey, u"back"), 6);
    EXPECT_EQ(readFile(),
              std::string(header) + section + "\"back\"=dword:00000006\n\"wc\"=dword:00000001\n");
}

INSTANTIATE_TEST_SUITE_P(
    Lines, DamagedDwordTest,
    ::testing::Values(DamagedLine{"\"back\"=dword:123456789", "nine digits"},
                      DamagedLine{"\"back\"=dword:0000000g", "not hex"},
                      DamagedLine{"\"back\"=dword:", "no digits"},
                      DamagedLine{"\"back\"=dword:-0000001", "a sign"},
                      DamagedLine{"\"back\"=dword:00000001 junk", "trailing text"},
                      DamagedLine{"\"back\"=dwurd:00000001", "unknown kind"},
                      DamagedLine{"\"back\"", "no value"}, DamagedLine{"\"back\"=-", "a deletion"},
                      DamagedLine{"\"back\"=hex:1,2g", "bad hex list"},
                      DamagedLine{"\"back\"=\"open string", "unterminated string"}));

TEST_F(RegistryFileTest, ShortDwordDigitsAndUpperCaseAreAccepted) {
    writeFile(std::string(header) + "[HKEY_CURRENT_USER\\Software\\qm\\tlx]\n"
                                    "\"back\"=DWORD:A\n \"wc\" = dword:0000FFff  \n");
    EXPECT_EQ(queryDword(tlxKey, u"back"), 10);
    EXPECT_EQ(queryDword(tlxKey, u"wc"), 0xFFFF);
}

TEST_F(RegistryFileTest, ValuesOutsideAnyUnderstoodSectionAreNotSeen) {
    writeFile("\"back\"=dword:00000001\n"
              "[HKEY_CURRENT_USER\\Software\\qm\\tlx\n"
              "\"wc\"=dword:00000001\n"
              "[-HKEY_CURRENT_USER\\Software\\qm\\tlx]\n"
              "\"cidc\"=dword:00000001\n");
    EXPECT_EQ(queryDword(tlxKey, u"back"), -1);
    EXPECT_EQ(queryDword(tlxKey, u"wc"), -1);
    EXPECT_EQ(queryDword(tlxKey, u"cidc"), -1);
}

TEST_F(RegistryFileTest, KeyAndValueNamesIgnoreCase) {
    writeFile(std::string(header) +
              "[hkey_current_user\\SOFTWARE\\QM\\Tlx]\n\"BACK\"=dword:00000003\n");
    EXPECT_EQ(queryDword(tlxKey, u"back"), 3);
    EXPECT_EQ(queryDword(u"software\\qm\\TLX", u"Back"), 3);

    // The value keeps the name it was written with; no second section appears.
    ASSERT_EQ(setDword(tlxKey, u"back", 4), ERROR_SUCCESS);
    EXPECT_EQ(readFile(), std::string(header) +
                              "[hkey_current_user\\SOFTWARE\\QM\\Tlx]\n\"BACK\"=dword:00000004\n");
}

TEST_F(RegistryFileTest, CyrillicNamesIgnoreCaseToo) {
    ASSERT_EQ(setDword(u"Software\\Дурак", u"Счёт", 7), ERROR_SUCCESS);
    EXPECT_EQ(queryDword(u"software\\ДУРАК", u"СЧЁТ"), 7);
    EXPECT_NE(readFile().find("[HKEY_CURRENT_USER\\Software\\Дурак]\n\"Счёт\"=dword:00000007\n"),
              std::string::npos);
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

} // namespace
