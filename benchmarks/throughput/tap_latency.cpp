// SPDX-License-Identifier: MIT
#include "benchmarks/throughput/tap_latency.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "platform/backend.h"
#include "platform/core/clock.h"
#include "platform/registry/registry_store.h"
#include "platform/window_api.h"
#include "window/main_window.h"

namespace {

using Clock = std::chrono::steady_clock;

// The headless backend's answers to message boxes, without a script: input
// is taps that select one card of the hand after another. The time from
// handing out a pen-down to the next request for input is the time the
// program takes to act on it and paint everything it invalidated.
class TapTimer final : public platform::Backend, public platform::ScriptHooks {
  public:
    TapTimer(long taps, long warmUp) : taps_(taps), warmUp_(warmUp) {}

    bool showsScreen() const override { return false; }
    std::optional<int> answerMessageBox(const platform::MessageBoxInfo& box) override {
        return platform::takeMessageBoxAnswer(box.style);
    }

    platform::InputEvent waitEvent() override {
        auto now = Clock::now();
        if (timing_) {
            Clock::duration taken = now - penDownAt_;
            total_ += taken;
            batch_ += taken;
            timing_ = false;
            if (++timed_ % batchSize == 0) {
                bestBatch_ = std::min(bestBatch_, batch_);
                batch_ = Clock::duration{};
            }
        }
        platform::InputEvent event;
        if (step_ / 2 >= taps_ + warmUp_) {
            event.type = platform::InputEvent::Type::Close;
            return event;
        }
        // The first two cards of the hand in turn: each tap selects one and
        // clears the other.
        long tap = step_ / 2;
        event.x = tap % 2 == 0 ? 4 : 32;
        event.y = 143;
        bool down = step_ % 2 == 0;
        ++step_;
        event.type = down ? platform::InputEvent::Type::PenDown : platform::InputEvent::Type::PenUp;
        if (down && tap >= warmUp_) {
            timing_ = true;
            penDownAt_ = Clock::now();
        }
        return event;
    }

    TapFigures figures() const {
        auto micro = [](Clock::duration time, long count) {
            return std::chrono::duration<double, std::micro>(time).count() /
                   static_cast<double>(std::max(1L, count));
        };
        return TapFigures{micro(total_, timed_), micro(bestBatch_, batchSize)};
    }

  private:
    long taps_;
    long warmUp_;
    long step_ = 0;
    long timed_ = 0;
    bool timing_ = false;
    Clock::time_point penDownAt_;
    Clock::duration total_{};
    // The machine may be shared: the fastest batch shows the cost without
    // the time other processes took.
    static constexpr long batchSize = 1000;
    Clock::duration batch_{};
    Clock::duration bestBatch_ = Clock::duration::max();
};

} // namespace

TapFigures measureTapLatency(long taps) {
    platform::useMemorySettings();
    platform::setFixedClock(12, 34, 56, 789);
    auto timer = std::make_unique<TapTimer>(taps, 10000);
    TapTimer* watch = timer.get();
    platform::setBackend(std::move(timer));
    static char instanceTag;
    WinMain(reinterpret_cast<HINSTANCE>(&instanceTag), nullptr, nullptr, SW_SHOW);
    return watch->figures();
}

std::optional<TapFigures> latencyOf(const std::filesystem::path& tool, long taps) {
    if (!std::filesystem::exists(tool)) {
        return std::nullopt;
    }
    std::string command = tool.string() + " --latency-only --taps " + std::to_string(taps);
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    TapFigures figures;
    if (!pipe || std::fscanf(pipe.get(), "%lf %lf", &figures.average, &figures.bestBatch) != 2) {
        return std::nullopt;
    }
    return figures;
}

void printLatency(const char* build, TapFigures figures) {
    std::printf("one-card selection, pen-down to pixels, %-10s  average %7.3f us  (fastest "
                "batch of 1000: %7.3f us)\n",
                build, figures.average, figures.bestBatch);
}
