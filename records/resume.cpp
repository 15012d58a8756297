// SPDX-License-Identifier: MIT
#include "records/resume.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>

#include "platform/runtime.h"
#include "records/current_deal.h"
#include "records/game_file.h"
#include "records/game_record.h"
#include "records/undo_history.h"

namespace {

bool stopped = false;
std::string lastKept;

std::filesystem::path keptGamePath() {
    const char* state = std::getenv("XDG_STATE_HOME");
    std::filesystem::path folder;
    if (state != nullptr && state[0] == '/') {
        folder = state;
    } else {
        const char* home = std::getenv("HOME");
        folder = std::filesystem::path(home != nullptr ? home : ".") / ".local" / "state";
    }
    return folder / "talonix" / "game.txt";
}

SavedGame currentGame() {
    SavedGame game;
    game.table = TakeSnapshot();
    int undone = 0;
    CopyHistory(game.undo, game.redo, undone);
    game.undone = undone;
    const KeptDeal kept = CurrentKeptDeal();
    game.dealKnown = kept.known ? 1 : 0;
    game.variant = kept.deal.variant;
    game.seed = kept.deal.seed;
    game.steps = static_cast<int64_t>(kept.deal.steps);
    game.lastWinner = kept.deal.lastWinner;
    game.follower = kept.follower;
    if (KeptRecord record; KeepRecord(record)) {
        game.record = std::move(record);
    }
    return game;
}

// A file too large for any game is not read.
constexpr std::uintmax_t largestFile = 64u << 20;

std::string readKeptText() {
    std::error_code error;
    const auto path = keptGamePath();
    if (!std::filesystem::is_regular_file(path, error) ||
        std::filesystem::file_size(path, error) > largestFile) {
        return {};
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Into a file beside it first, then renamed over it: a crash never
// leaves half a game.
void writeKeptText(const std::string& text) {
    std::error_code error;
    const auto path = keptGamePath();
    std::filesystem::create_directories(path.parent_path(), error);
    const auto temporary = path.string() + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out.flush()) {
            return;
        }
    }
    std::filesystem::rename(temporary, path, error);
}

} // namespace

void ResumeKeptGame(HWND /*window*/) {
    if (!RequestedResume()) {
        return;
    }
    const std::optional<SavedGame> game = readSavedGame(readKeptText());
    if (!game) {
        return;
    }
    RestoreSnapshot(game->table);
    PutHistory(game->undo, game->redo, game->undone);
    KeptDeal kept;
    kept.known = game->dealKnown != 0;
    kept.deal =
        DealCode{game->variant, game->seed, static_cast<uint64_t>(game->steps), game->lastWinner};
    kept.follower = game->follower;
    PutKeptDeal(kept);
    // Its record goes on where the last run left it; the deal made
    // meanwhile is no game. A game kept without its record is not recorded
    // further: the moves to come would have no beginning.
    if (game->record) {
        ResumeRecord(*game->record);
    } else {
        DropRecord();
    }
}

void KeepGame() {
    if (stopped || !RequestedResume()) {
        return;
    }
    std::string text = writeSavedGame(currentGame());
    if (text != lastKept) {
        writeKeptText(text);
        lastKept = std::move(text);
    }
}

void StopKeeping() {
    stopped = true;
}
