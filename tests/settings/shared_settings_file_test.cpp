// One settings file under stress: two instances ending games on it at once,
// instances killed in the middle of their writes, and the Options dialog's
// values replacing the file together.
#include <signal.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <random>

#include "resources/resource_ids.h"
#include "settings_dialog_support.h"

namespace {

using namespace settings_dialog_testing;

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

    // Confirms Options with back and colour `choice`, and both check boxes
    // set to its lowest bit.
    void confirmOptions(int choice) {
        platform::setBackend(std::make_unique<StepBackend>(&steps, &closed));
        steps.clear();
        select(IDC_CARD_BACK, choice);
        select(IDC_TABLE_COLOUR, choice);
        check(IDC_DOUBLE_TAP, choice % 2);
        check(IDC_SHOW_TALON_COUNT, choice % 2);
        press(IDOK);
        ShowOptions();
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

    std::vector<std::string> temporaries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            std::string name = entry.path().filename().string();
            if (name.starts_with(".settings.reg.")) {
                names.push_back(name);
            }
        }
        return names;
    }
};

TEST_F(SharedSettingsFile, TwoInstancesKeepTheSumOfTheirWins) {
    WriteSetting(u"statc", 10);
    constexpr int games = 60;
    pid_t first = startInstance([] {
        for (int i = 0; i < games; ++i) {
            endGame();
        }
    });
    pid_t second = startInstance([] {
        for (int i = 0; i < games; ++i) {
            endGame();
        }
    });
    ASSERT_GT(first, 0);
    ASSERT_GT(second, 0);
    for (pid_t pid : {first, second}) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(stored(u"statc"), 10u + 2 * games);
    EXPECT_EQ(stored(u"statu"), 2u * games);

    // This instance counts on from the file, not from its own count of 0.
    ReadStartupSettings();
    computerWins = 3;
    endGame();
    EXPECT_EQ(computerWins, 11u + 2 * games);
    EXPECT_EQ(stored(u"statc"), 11u + 2 * games);
}

TEST_F(SharedSettingsFile, ConfirmingOptionsReplacesTheFileOnce) {
    WriteSetting(u"statc", 3);
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
    EXPECT_EQ(stored(u"back"), 3u);
    EXPECT_EQ(stored(u"blackbg"), 3u);
    EXPECT_EQ(stored(u"wc"), 1u);
    EXPECT_EQ(stored(u"statc"), 3u);
}

// Kills at random moments while an instance ends games and confirms
// Options. After each kill the file reads whole, each value is the old or
// the new one (the dialog's together), counts never go back, and a
// temporary the kill left is gone once the next instance has written.
TEST_F(SharedSettingsFile, KillsLoseNothingAndLeaveNoStaleTemporaries) {
    std::mt19937 random(12345);
    WriteSetting(u"statc", 0);
    WriteSetting(u"statu", 0);
    uint32_t lastCount = 0;
    uint32_t lastAhead = 0;
    std::vector<std::string> leftByKill;
    int killedMidway = 0;
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

        std::optional<uint32_t> computer = stored(u"statc");
        std::optional<uint32_t> human = stored(u"statu");
        ASSERT_TRUE(computer && human) << readFile();
        EXPECT_GE(*computer, lastCount);
        // A game counts the computer's win, then the human's: a kill between
        // the two writes leaves one more computer win.
        uint32_t ahead = *computer - *human;
        EXPECT_TRUE(ahead == lastAhead || ahead == lastAhead + 1) << readFile();
        lastAhead = ahead;
        std::optional<uint32_t> back = stored(u"back");
        if (back) {
            EXPECT_EQ(stored(u"blackbg"), back) << readFile();
            EXPECT_EQ(stored(u"wc"), *back % 2) << readFile();
            EXPECT_EQ(stored(u"cidc"), *back % 2) << readFile();
        }
        if (*computer > lastCount) { // this instance wrote: older leftovers are gone
            for (const std::string& name : temporaries()) {
                EXPECT_EQ(std::count(leftByKill.begin(), leftByKill.end(), name), 0) << name;
            }
        }
        lastCount = *computer;
        std::vector<std::string> left = temporaries();
        size_t added = std::count_if(left.begin(), left.end(), [&](const std::string& name) {
            return std::count(leftByKill.begin(), leftByKill.end(), name) == 0;
        });
        EXPECT_LE(added, 1u) << "one write at a time";
        killedMidway += added > 0 ? 1 : 0;
        leftByKill = left;
    }
    std::cout << killedMidway << " of 60 kills left a temporary file\n";
}

} // namespace
