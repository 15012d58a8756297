// The stored options and win counts, through the program's own accessors.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "game/end_of_game.h"
#include "game/game_state.h"
#include "platform/registry/registry_store.h"
#include "platform/registry_api.h"
#include "settings/settings_store.h"

namespace {

class SettingsStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/talonix-settings-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        file = folder / "talonix" / "settings.reg";
        platform::useMemorySettings();
        resetSettingValues();
        resetGameState();
    }
    void TearDown() override {
        platform::useMemorySettings();
        resetSettingValues();
        resetGameState();
        std::filesystem::remove_all(folder);
    }

    std::string readFile() const {
        std::ifstream in(file, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void writeFile(const std::string& text) const {
        std::filesystem::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary);
        out << text;
    }
    // Mirrors filled with values no read would give, so a read that is
    // skipped shows.
    static void scribbleOverMirrors() {
        cardBackIndex = tableColourIndex = doubleTapPlays = showTalonCount = 99;
        computerWins = humanWins = 99;
        gameType = transferVariant = 99;
    }

    std::filesystem::path folder;
    std::filesystem::path file;
};

TEST_F(SettingsStoreTest, FirstRunWithNoFileGivesZeroesAndTheFannedHand) {
    platform::useSettingsFile(file.string());
    scribbleOverMirrors();
    ReadStartupSettings();
    ReadGameTypeSetting();
    EXPECT_EQ(tableColourIndex, 0);
    EXPECT_EQ(cardBackIndex, 0);
    EXPECT_EQ(doubleTapPlays, 0);
    EXPECT_EQ(showTalonCount, 0);
    EXPECT_EQ(computerWins, 0u);
    EXPECT_EQ(humanWins, 0u);
    EXPECT_EQ(gameType, 0);
    EXPECT_EQ(transferVariant, 0);
    EXPECT_EQ(computerHandStyle, 4);
    EXPECT_FALSE(std::filesystem::exists(file)) << "reading creates nothing";
}

TEST_F(SettingsStoreTest, ResetGoesBackToTheValuesBeforeAnyRead) {
    scribbleOverMirrors();
    computerHandStyle = 5;
    resetSettingValues();
    EXPECT_EQ(cardBackIndex, 0);
    EXPECT_EQ(tableColourIndex, 0);
    EXPECT_EQ(doubleTapPlays, 0);
    EXPECT_EQ(showTalonCount, 0);
    EXPECT_EQ(computerHandStyle, 4);
    EXPECT_EQ(computerWins, 0u);
    EXPECT_EQ(humanWins, 0u);
}

TEST_F(SettingsStoreTest, StoredTypeIsUsedUnchangedWithItsTransferFlag) {
    setGameType(7);
    ReadGameTypeSetting();
    EXPECT_EQ(gameType, 7);
    EXPECT_EQ(transferVariant, 0);

    for (uint32_t type = 0; type < 6; ++type) {
        setGameType(type);
        ReadGameTypeSetting();
        EXPECT_EQ(gameType, static_cast<int32_t>(type));
        EXPECT_EQ(transferVariant, type % 2 == 1 ? 1 : 0) << "type " << type;
    }
}

TEST_F(SettingsStoreTest, StartupReadFillsEachMirrorFromItsOwnName) {
    setTableColour(1);
    setCardBack(2);
    setComputerWins(3);
    setHumanWins(4);
    setDoubleTapPlays(5);
    setShowTalonCount(6);
    setComputerHandStyle(5);
    setGameType(3);

    ReadStartupSettings();
    EXPECT_EQ(tableColourIndex, 1);
    EXPECT_EQ(cardBackIndex, 2);
    EXPECT_EQ(computerWins, 3u);
    EXPECT_EQ(humanWins, 4u);
    EXPECT_EQ(doubleTapPlays, 5);
    EXPECT_EQ(showTalonCount, 6);
    EXPECT_EQ(computerHandStyle, 5);
    EXPECT_EQ(gameType, 0) << "the type is read only after the command line";

    ReadGameTypeSetting();
    EXPECT_EQ(gameType, 3);
    EXPECT_EQ(transferVariant, 1);
}

TEST_F(SettingsStoreTest, OnlyAStoredFiveStacksTheComputersHand) {
    platform::useSettingsFile(file.string());
    const struct {
        const char* value; // the "hidev" line of the file, or none
        int32_t style;
    } cases[] = {{nullptr, 4},          {"dword:00000004", 4}, {"dword:00000005", 5},
                 {"dword:00000007", 4}, {"dword:00000000", 4}, {"\"5\"", 4}};
    for (const auto& c : cases) {
        std::string text = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\qm\\tlx]\n";
        if (c.value != nullptr) {
            text += std::string("\"hidev\"=") + c.value + "\n";
        }
        writeFile(text);
        platform::useSettingsFile(file.string());
        computerHandStyle = 99;
        ReadStartupSettings();
        EXPECT_EQ(computerHandStyle, c.style) << (c.value != nullptr ? c.value : "absent");
    }
}

TEST_F(SettingsStoreTest, EachAccessorUsesItsOwnValueName) {
    platform::useSettingsFile(file.string());
    setGameType(1);
    setCardBack(2);
    setTableColour(3);
    setDoubleTapPlays(4);
    setShowTalonCount(5);
    setComputerHandStyle(6);
    setComputerWins(7);
    setHumanWins(8);
    EXPECT_EQ(readFile(), "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\qm\\tlx]\n"
                          "\"type\"=dword:00000001\n"
                          "\"back\"=dword:00000002\n"
                          "\"blackbg\"=dword:00000003\n"
                          "\"wc\"=dword:00000004\n"
                          "\"cidc\"=dword:00000005\n"
                          "\"hidev\"=dword:00000006\n"
                          "\"statc\"=dword:00000007\n"
                          "\"statu\"=dword:00000008\n");
    EXPECT_EQ(getGameType(), 1u);
    EXPECT_EQ(getCardBack(), 2u);
    EXPECT_EQ(getTableColour(), 3u);
    EXPECT_EQ(getDoubleTapPlays(), 4u);
    EXPECT_EQ(getShowTalonCount(), 5u);
    EXPECT_EQ(getComputerWins(), 7u);
    EXPECT_EQ(getHumanWins(), 8u);
}

TEST_F(SettingsStoreTest, WritingTwiceLeavesOneValueAndCreatesTheKey) {
    platform::useSettingsFile(file.string());
    EXPECT_EQ(WriteSetting(u"back", 3), ERROR_SUCCESS);
    EXPECT_EQ(WriteSetting(u"back", 3), ERROR_SUCCESS);
    EXPECT_EQ(readFile(),
              "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\qm\\tlx]\n\"back\"=dword:00000003\n");
    EXPECT_EQ(ReadSetting(u"back"), 3u);
}

TEST_F(SettingsStoreTest, WinCountsRoundTripThroughTheFile) {
    platform::useSettingsFile(file.string());
    setComputerWins(12);
    setHumanWins(0x80000001u);

    // As in a later run: nothing in memory, the same file.
    platform::useMemorySettings();
    resetSettingValues();
    platform::useSettingsFile(file.string());
    ReadStartupSettings();
    EXPECT_EQ(computerWins, 12u);
    EXPECT_EQ(humanWins, 0x80000001u);
    EXPECT_NE(readFile().find("\"statu\"=dword:80000001"), std::string::npos);
}

TEST_F(SettingsStoreTest, ValuesThatAreNotDwordsReadAsZero) {
    writeFile("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\qm\\tlx]\n"
              "\"back\"=hex:02,00,00,00\n"
              "\"blackbg\"=\"2\"\n"
              "\"statc\"=hex(4):05,00,00\n"
              "\"statu\"=dword:00000009\n");
    platform::useSettingsFile(file.string());
    scribbleOverMirrors();
    ReadStartupSettings();
    EXPECT_EQ(cardBackIndex, 0) << "four bytes, but binary";
    EXPECT_EQ(tableColourIndex, 0) << "a string";
    EXPECT_EQ(computerWins, 0u) << "three bytes";
    EXPECT_EQ(humanWins, 9u);
}

TEST_F(SettingsStoreTest, ACorruptFileReadsAsZeroAndIsWrittenAfterwards) {
    writeFile(std::string("\x7f"
                          "ELF\x02\x01\x01\0\0\0",
                          10) +
              "\n[HKEY_CURRENT_USER\\Software\\qm\\tlx]\n\"statc\"=dword:xyz\n\"wc\"=dword:1\n");
    platform::useSettingsFile(file.string());
    scribbleOverMirrors();
    ReadStartupSettings();
    EXPECT_EQ(computerWins, 0u);
    EXPECT_EQ(doubleTapPlays, 1) << "a good line next to a bad one is still read";

    EXPECT_EQ(WriteSetting(u"statc", 2), ERROR_SUCCESS);
    EXPECT_EQ(getComputerWins(), 2u);
    EXPECT_EQ(getDoubleTapPlays(), 1u);
}

TEST_F(SettingsStoreTest, AFailedWriteIsReportedAndChangesNothing) {
    // A file stands where the settings folder should be made.
    std::ofstream(folder / "blocker") << "x";
    platform::useSettingsFile((folder / "blocker" / "settings.reg").string());
    EXPECT_NE(WriteSetting(u"back", 1), ERROR_SUCCESS);
    EXPECT_EQ(ReadSetting(u"back"), 0u);
}

} // namespace
