// The stored options and win counts, through the program's own accessors.
#include "platform/registry/registry_store.h"
#include "settings_dialog_support.h"

namespace {

using namespace settings_dialog_testing;

class SettingsStoreTest : public SettingsDialogTest {
  protected:
    // The file as written, read back by a fresh run over mirrors filled with
    // values no read would give, so that a read that is skipped shows.
    void startWith(const std::string& text) const {
        if (!text.empty()) {
            std::ofstream(file, std::ios::binary) << text;
        }
        cardBackIndex = tableColourIndex = doubleTapPlays = showTalonCount = 99;
        computerWins = humanWins = 99;
        gameType = transferVariant = 99;
        ReadStartupSettings();
    }
};

const std::string header = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\qm\\tlx]\n";

TEST_F(SettingsStoreTest, FirstRunWithNoFileGivesZeroesAndCreatesNothing) {
    startWith("");
    EXPECT_EQ(mirrors(), "type 99/99 back 0 colour 0 dbl 0 count 0 style 4 wins 0/0");
    ReadGameTypeSetting();
    EXPECT_EQ(mirrors(), "type 0/0 back 0 colour 0 dbl 0 count 0 style 4 wins 0/0");
    EXPECT_FALSE(std::filesystem::exists(file)) << "reading creates nothing";
}

// Each accessor has its own value name; the hand style is not read at
// start-up, and the type only after the command line.
TEST_F(SettingsStoreTest, EachAccessorUsesItsOwnValueName) {
    setGameType(3);
    setCardBack(2);
    setTableColour(1);
    setDoubleTapPlays(5);
    setShowTalonCount(6);
    setComputerHandStyle(5);
    setComputerWins(7);
    setHumanWins(0x80000001u);
    EXPECT_EQ(valuesIn(readFile()),
              "type=3 back=2 blackbg=1 wc=5 cidc=6 hidev=5 statc=7 statu=2147483649");
    EXPECT_EQ(readFile().substr(0, header.size()), header);
    startWith(readFile());
    EXPECT_EQ(mirrors(), "type 99/99 back 2 colour 1 dbl 5 count 6 style 5 wins 7/2147483649");
    ReadGameTypeSetting();
    EXPECT_EQ(mirrors(), "type 3/1 back 2 colour 1 dbl 5 count 6 style 5 wins 7/2147483649");
}

TEST_F(SettingsStoreTest, WritingTwiceLeavesOneValue) {
    EXPECT_EQ(WriteSetting(u"back", 3), ERROR_SUCCESS);
    EXPECT_EQ(WriteSetting(u"back", 3), ERROR_SUCCESS);
    EXPECT_EQ(readFile(), header + "\"back\"=dword:00000003\n");
    EXPECT_EQ(ReadSetting(u"back"), 3u);
}

// Four bytes of binary, a string, three bytes: as good as absent.
TEST_F(SettingsStoreTest, ValuesThatAreNotDwordsReadAsZero) {
    startWith(header + "\"back\"=hex:02,00,00,00\n\"blackbg\"=\"2\"\n\"statc\"=hex(4):05,00,00\n" +
              "\"statu\"=dword:00000009\n");
    EXPECT_EQ(mirrors(), "type 99/99 back 0 colour 0 dbl 0 count 0 style 4 wins 0/9");
}

TEST_F(SettingsStoreTest, ACorruptFileReadsAsZeroAndIsWrittenAfterwards) {
    startWith(std::string("\x7f"
                          "ELF\x02\x01\x01\0\0\0",
                          10) +
              "\n[HKEY_CURRENT_USER\\Software\\qm\\tlx]\n\"statc\"=dword:xyz\n\"wc\"=dword:1\n");
    EXPECT_EQ(mirrors(), "type 99/99 back 0 colour 0 dbl 1 count 0 style 4 wins 0/0")
        << "a good line next to a bad one is still read";
    EXPECT_EQ(WriteSetting(u"statc", 2), ERROR_SUCCESS);
    EXPECT_EQ(getComputerWins() * 10 + getDoubleTapPlays(), 21u);
}

TEST_F(SettingsStoreTest, AFailedWriteIsReportedAndChangesNothing) {
    // A file stands where the settings folder should be made.
    std::ofstream(folder / "blocker") << "x";
    platform::useSettingsFile((folder / "blocker" / "settings.reg").string());
    EXPECT_NE(WriteSetting(u"back", 1), ERROR_SUCCESS);
    EXPECT_EQ(ReadSetting(u"back"), 0u);
}

} // namespace
