// SPDX-License-Identifier: MIT
// How long the program's own work takes: dealing a game, a bout's worth of
// computer decisions, painting the whole table, and writing a screenshot.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "cards/random_source.h"
#include "cards/table.h"
#include "computer/attack.h"
#include "computer/defence.h"
#include "game/game_state.h"
#include "platform/screen.h"
#include "platform/testing.h"
#include "platform/window_api.h"
#include "window/main_window.h"
#include "window/painting.h"

namespace {

char instanceTag;

void startProgram() {
    platform_testing::resetPlatform();
    platform_testing::setFixedClock(12, 34, 56, 789);
    resetRandomState();
    resetGameState();
    auto* instance = reinterpret_cast<HINSTANCE>(&instanceTag);
    appInstance = instance;
    LoadCardImages();
    LoadButtonImages();
    RegisterMainClass(instance, u"ДУРАК");
    CreateWindowExW(0, u"ДУРАК", u"Дурак", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
}

void paintPending() {
    MSG message{};
    // The test platform has no input: the loop ends once everything is painted.
    while (GetMessageW(&message, nullptr, 0, 0)) {
        DispatchMessageW(&message);
    }
}

void BM_NewGame(benchmark::State& state) {
    startProgram();
    for (auto _ : state) {
        SendMessageW(mainWindow, WM_USER, REQUEST_NEW_GAME, 0);
        benchmark::DoNotOptimize(remaining(deck));
    }
}
BENCHMARK(BM_NewGame);

void BM_ComputerDefendsALead(benchmark::State& state) {
    startProgram();
    for (auto _ : state) {
        state.PauseTiming();
        SendMessageW(mainWindow, WM_USER, REQUEST_NEW_GAME, 0);
        if (computerAttacks == 0 && cardCount(humanHand) > 0) {
            humanHand.cards[0].selected = 1;
            moveSelected(humanHand, humanTableRow);
        }
        state.ResumeTiming();
        benchmark::DoNotOptimize(ComputerDefend());
    }
}
BENCHMARK(BM_ComputerDefendsALead);

void BM_PaintWholeTable(benchmark::State& state) {
    startProgram();
    paintPending();
    for (auto _ : state) {
        InvalidateRect(mainWindow, nullptr, FALSE);
        paintPending();
    }
}
BENCHMARK(BM_PaintWholeTable);

void BM_PaintOneCard(benchmark::State& state) {
    startProgram();
    paintPending();
    for (auto _ : state) {
        if (cardCount(humanHand) > 0) {
            humanHand.cards[0].selected ^= 1;
            repaintCard(humanHand.cards[0]);
        }
        paintPending();
    }
}
BENCHMARK(BM_PaintOneCard);

void BM_WriteScreenshot(benchmark::State& state) {
    startProgram();
    paintPending();
    const std::string path =
        (std::filesystem::temp_directory_path() / "talonix-bench-shot.png").string();
    for (auto _ : state) {
        benchmark::DoNotOptimize(platform::writePng(platform::composeScreen(), path));
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}
BENCHMARK(BM_WriteScreenshot)->Unit(benchmark::kMicrosecond);

} // namespace
