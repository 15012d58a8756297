// SPDX-License-Identifier: MIT
#include "records/replay_check.h"

#include <iostream>
#include <optional>

#include "platform/runtime.h"
#include "records/record_reading.h"
#include "records/replay_game.h"

int RunReplayCheck(HWND window) {
    RecordFile file;
    if (std::string problem = readRecordFile(RequestedReplay(), file); !problem.empty()) {
        std::cerr << problem << "\n";
        return 2;
    }
    for (size_t i = 0; i < file.games.size(); ++i) {
        if (file.chosen != 0 && i + 1 != file.chosen) {
            continue;
        }
        if (std::optional<ReplayFailure> failure = ReplayGame(window, file.games[i], nullptr)) {
            std::cerr << file.name << ":" << failure->line << ": " << failure->what << "\n";
            return 2;
        }
    }
    return 0;
}
