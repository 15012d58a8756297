// SPDX-License-Identifier: MIT
// The stored options and win counts through the program's own accessors,
// and one settings file under stress: two instances ending games on it at
// once, instances killed in the middle of their writes, and the Options
// dialog's values replacing the file together.
#include <signal.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sys/stat.h>

#include <algorithm>
#include <random>

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
    platform::writeStoredValue(StoredValue::GameType, 3);
    platform::writeStoredValue(StoredValue::CardBack, 2);
    platform::writeStoredValue(StoredValue::TableColour, 1);
    platform::writeStoredValue(StoredValue::DoubleTapPlays, 5);
    platform::writeStoredValue(StoredValue::ShowTalonCount, 6);
    platform::writeStoredValue(StoredValue::ComputerHandStyle, 5);
    platform::writeStoredValue(StoredValue::ComputerWins, 7);
    platform::writeStoredValue(StoredValue::HumanWins, 0x80000001u);
    EXPECT_EQ(valuesIn(readFile()),
              "type=3 back=2 blackbg=1 wc=5 cidc=6 hidev=5 statc=7 statu=2147483649");
    EXPECT_EQ(readFile().substr(0, header.size()), header);
    startWith(readFile());
    EXPECT_EQ(mirrors(), "type 99/99 back 2 colour 1 dbl 5 count 6 style 5 wins 7/2147483649");
    ReadGameTypeSetting();
    EXPECT_EQ(mirrors(), "type 3/1 back 2 colour 1 dbl 5 count 6 style 5 wins 7/2147483649");
}

// Our own values, read at each end of their range and just past it: a
// value edited out of range reads as it would when missing, or as the
// handheld's own choice.
TEST_F(SettingsStoreTest, OurValuesReadWithinTheirRangesOnly) {
    const struct {
        StoredValue value;
        const char* line;
        uint32_t read;
    } cases[] = {
        {StoredValue::ComputerHandStyle, "\"hidev\"=dword:00000005", 5},
        {StoredValue::ComputerHandStyle, "\"hidev\"=dword:00000006", 4},
        {StoredValue::ComputerHandStyle, "\"hidev\"=dword:00000003", 4},
        {StoredValue::Language, "\"lang\"=dword:00000001", 1},
        {StoredValue::Language, "\"lang\"=dword:00000002", 0},
        {StoredValue::Scale, "\"scale\"=dword:00000001", 1},
        {StoredValue::Scale, "\"scale\"=dword:00000008", 8},
        {StoredValue::Scale, "\"scale\"=dword:00000009", 0},
        {StoredValue::Opponent, "\"opponent\"=dword:00000002", 2},
        {StoredValue::Opponent, "\"opponent\"=dword:00000003", 0},
        {StoredValue::Opponent, "\"opponent\"=dword:ffffffff", 0},
        {StoredValue::Pace, "\"pace\"=dword:00000000", 0},
        {StoredValue::Pace, "\"pace\"=dword:00000002", 2},
        {StoredValue::Pace, "\"pace\"=dword:00000003", 1},
        {StoredValue::Pace, "\"other\"=dword:00000000", 1},
    };
    for (const auto& c : cases) {
        startWith(header + c.line + "\n");
        EXPECT_EQ(platform::readStoredValue(c.value), c.read) << c.line;
    }
}

TEST_F(SettingsStoreTest, WritingTwiceLeavesOneValue) {
    EXPECT_EQ(platform::writeStoredValue(StoredValue::CardBack, 3), ERROR_SUCCESS);
    EXPECT_EQ(platform::writeStoredValue(StoredValue::CardBack, 3), ERROR_SUCCESS);
    EXPECT_EQ(readFile(), header + "\"back\"=dword:00000003\n");
    EXPECT_EQ(platform::readStoredValue(StoredValue::CardBack), 3u);
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
    EXPECT_EQ(platform::writeStoredValue(StoredValue::ComputerWins, 2), ERROR_SUCCESS);
    EXPECT_EQ(platform::readStoredValue(StoredValue::ComputerWins) * 10 +
                  platform::readStoredValue(StoredValue::DoubleTapPlays),
              21u);
}

TEST_F(SettingsStoreTest, AFailedWriteIsReportedAndChangesNothing) {
    // A file stands where the settings folder should be made.
    std::ofstream(folder / "blocker") << "x";
    platform::useSettingsFile((folder / "blocker" / "settings.reg").string());
    EXPECT_NE(platform::writeStoredValue(StoredValue::CardBack, 1), ERROR_SUCCESS);
    EXPECT_EQ(platform::readStoredValue(StoredValue::CardBack), 0u);
}

class SharedSettingsFile : public SettingsDialogTest {
  protected:
    // Ends a game as a draw: both hands empty, nothing left to draw, so
    // each side counts a win. The boxes take their defaults.
    static void endGame() {
        platform::setBackend(nullptr);
        clear(computerHand);
        clear(humanHand);
        deck.remaining = 0;
        trumpCard.hidden = 1;
        GameOverCheck();
        platform_testing::takeMessageBoxes();
    }
    static void endGames(int games) {
        for (int i = 0; i < games; ++i) {
            endGame();
        }
    }

    // Confirms Options with back and colour `choice`, and both check boxes
    // set to its lowest bit.
    void confirmOptions(int choice) {
        platform::setBackend(std::make_unique<StepBackend>(&steps, &closed));
        steps.clear();
        const std::string c = std::to_string(choice);
        const std::string bit = std::to_string(choice % 2);
        dialogLines("select back " + c + ";select colour " + c + ";check dbl " + bit +
                    ";check count " + bit + ";press ok");
        ShowOptions();
    }

    // Runs `checks` in a child process as a normal user, since folder modes
    // stop nothing that root does, in a folder of that user's own: its path.
    bool passesAsNormalUser(const std::function<void(const std::filesystem::path&)>& checks) {
        const std::filesystem::path own = folder / "own";
        if (chmod(folder.c_str(), 0777) != 0) {
            return false;
        }
        pid_t child = fork();
        if (child == 0) {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
                _exit(3);
            }
            std::filesystem::create_directory(own);
            platform::useSettingsFile((own / "settings.reg").string());
            checks(own);
            _exit(::testing::Test::HasFailure() ? 1 : 0);
        }
        int status = 0;
        return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
               WEXITSTATUS(status) == 0;
    }

    // Another instance: a child process that starts as the program does and
    // then runs `play`.
    static pid_t startInstance(const std::function<void()>& play) {
        pid_t pid = fork();
        if (pid == 0) {
            ReadStartupSettings();
            play();
            _exit(0);
        }
        return pid;
    }
};

TEST_F(SharedSettingsFile, TwoInstancesKeepTheSumOfTheirWins) {
    platform::writeStoredValue(StoredValue::ComputerWins, 10);
    constexpr int games = 60;
    const auto play = [] { endGames(games); };
    const pid_t first = startInstance(play);
    const pid_t second = startInstance(play);
    ASSERT_TRUE(first > 0 && second > 0);
    for (pid_t pid : {first, second}) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(platform::readStoredValue(StoredValue::ComputerWins), 10u + 2 * games);
    EXPECT_EQ(platform::readStoredValue(StoredValue::HumanWins), 2u * games);

    // This instance counts on from the file, not from its own count of 0.
    ReadStartupSettings();
    computerWins = 3;
    endGame();
    EXPECT_EQ(computerWins, 11u + 2 * games);
    EXPECT_EQ(platform::readStoredValue(StoredValue::ComputerWins), 11u + 2 * games);
}

TEST_F(SharedSettingsFile, AFolderThatCannotBeLockedHasTheFileLockedInstead) {
    EXPECT_TRUE(passesAsNormalUser([](const std::filesystem::path& own) {
        ASSERT_EQ(chmod(own.c_str(), 0333), 0) << "write and search, no read";
        ::testing::internal::CaptureStderr();
        constexpr int games = 60;
        const auto play = [] { endGames(games); };
        for (pid_t pid : {startInstance(play), startInstance(play)}) {
            ASSERT_EQ(waitpid(pid, nullptr, 0), pid);
        }
        const std::string errors = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(platform::readStoredValue(StoredValue::ComputerWins), 2u * games);
        const std::string said = "talonix: settings folder not locked: " + own.string() +
                                 ": Permission denied; locking the settings file instead\n";
        EXPECT_EQ(errors, said + said) << "once by each instance";
    }));
}

// The folder turns read-only and writable again while games end: the wins
// shown go on, and those the file could not take join the next write.
TEST_F(SharedSettingsFile, WinsThatCouldNotBeSavedGoWithTheNextWrite) {
    EXPECT_TRUE(passesAsNormalUser([](const std::filesystem::path& own) {
        ::testing::internal::CaptureStderr();
        std::string seen;
        for (mode_t mode : {0755, 0555, 0755, 0555, 0755}) {
            ASSERT_EQ(chmod(own.c_str(), mode), 0);
            for (int game = 0; game < 3; ++game) {
                endGame();
                seen += std::to_string(computerWins) + " ";
            }
            seen += "file " + std::to_string(platform::readStoredValue(StoredValue::ComputerWins)) +
                    "; ";
        }
        const std::string errors = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(seen, "1 2 3 file 3; 4 5 6 file 3; 7 8 9 file 9; 10 11 12 file 9; "
                        "13 14 15 file 15; ");
        // Said again at the first failure after a success.
        EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 2) << errors;
    }));
}

TEST_F(SharedSettingsFile, WinCountsStopAtTheLargestNumber) {
    platform::writeStoredValue(StoredValue::ComputerWins, 0xfffffff0u);
    ReadStartupSettings();
    endGames(18);
    EXPECT_EQ(computerWins, 0xffffffffu);
    EXPECT_EQ(platform::readStoredValue(StoredValue::ComputerWins), 0xffffffffu);
    EXPECT_EQ(humanWins, 18u);
}

TEST_F(SharedSettingsFile, ConfirmingOptionsReplacesTheFileOnce) {
    platform::writeStoredValue(StoredValue::ComputerWins, 3);
    int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    // Creations come between the renames, so that no two events in a row
    // are alike and folded into one.
    ASSERT_GE(inotify_add_watch(watch, folder.c_str(), IN_CREATE | IN_MOVED_TO), 0);
    confirmOptions(3);
    int replacements = 0;
    alignas(inotify_event) char buffer[4096];
    for (ssize_t length; (length = read(watch, buffer, sizeof buffer)) > 0;) {
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            replacements += (event->mask & IN_MOVED_TO) != 0 && event->len > 0 &&
                            std::string(event->name) == "settings.reg";
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    close(watch);
    EXPECT_EQ(replacements, 1);
    EXPECT_EQ(platform::readStoredValue(StoredValue::CardBack), 3u);
    EXPECT_EQ(platform::readStoredValue(StoredValue::TableColour), 3u);
    EXPECT_EQ(platform::readStoredValue(StoredValue::DoubleTapPlays), 1u);
    EXPECT_EQ(platform::readStoredValue(StoredValue::ComputerWins), 3u);
}

// Kills at random moments while an instance ends games and confirms
// Options. After each kill the file reads whole, each value is the old or
// the new one (the dialog's together) and counts never go back.
TEST_F(SharedSettingsFile, KillsLoseNothing) {
    std::mt19937 random(12345);
    platform::writeStoredValue(StoredValue::ComputerWins, 0);
    platform::writeStoredValue(StoredValue::HumanWins, 0);
    uint32_t lastCount = 0;
    uint32_t lastAhead = 0;
    for (int round = 0; round < 60; ++round) {
        pid_t pid = startInstance([this, round] {
            for (int choice = round % 5;; choice = (choice + 1) % 5) {
                endGame();
                confirmOptions(choice);
            }
        });
        ASSERT_GT(pid, 0);
        usleep(std::uniform_int_distribution<useconds_t>(2000, 30000)(random));
        kill(pid, SIGKILL);
        ASSERT_EQ(waitpid(pid, nullptr, 0), pid);

        const uint32_t computer = platform::readStoredValue(StoredValue::ComputerWins);
        EXPECT_GE(computer, lastCount) << readFile();
        // A game counts the computer's win, then the human's: a kill between
        // the two writes leaves one more computer win.
        const uint32_t ahead = computer - platform::readStoredValue(StoredValue::HumanWins);
        EXPECT_TRUE(ahead == lastAhead || ahead == lastAhead + 1) << readFile();
        lastAhead = ahead;
        const uint32_t back = platform::readStoredValue(StoredValue::CardBack);
        EXPECT_EQ(std::to_string(platform::readStoredValue(StoredValue::TableColour)) +
                      std::to_string(platform::readStoredValue(StoredValue::DoubleTapPlays)) +
                      std::to_string(platform::readStoredValue(StoredValue::ShowTalonCount)),
                  std::to_string(back) + std::to_string(back % 2) + std::to_string(back % 2))
            << readFile();
        lastCount = computer;
    }
}

} // namespace
