// SPDX-License-Identifier: MIT
// The headless script: malformed lines stop the run with their line number,
// and pen lines reach every edge of the screen.
#include <sstream>
#include <tuple>

#include <gtest/gtest.h>

#include "platform/headless/script_backend.h"
#include "platform/runtime.h"
#include "platform/testing.h"
#include "platform/window_api.h"

namespace {

using Type = platform::InputEvent::Type;

struct ScriptRun {
    std::istringstream script;
    std::ostringstream out;
    std::ostringstream err;
    platform::ScriptBackend backend;

    explicit ScriptRun(const std::string& text) : script(text), backend(script, out, err) {}
};

class ScriptLines : public ::testing::Test {
  protected:
    void SetUp() override {
        platform_testing::resetPlatform();
        SetStateReporter(nullptr);
    }
};

TEST_F(ScriptLines, MalformedLinesStopWithTheirLineNumber) {
    const std::pair<const char*, const char*> cases[] = {
        {"tap 1\n", "script:1: "},
        {"\n\ntap 1 x\n", "script:3: "},
        {"tap 240 10\n", "script:1: "},
        {"down -1 0\n", "script:1: "},
        {"down 0 320\n", "script:1: "},
        {"up 5 -1\n", "script:1: "},
        {"key alt+q\n", "script:1: "},
        {"answer maybe\n", "script:1: "},
        {"press 1\n", "script:1: "},
        {"check 1011 1\n", "script:1: "},
        {"state now\n", "script:1: "},
        {"jump 1 2\n", "script:1: "},
        {"command 70000\n", "script:1: "},
        {"shot\n", "script:1: "},
        {"shot /nonexistent-folder/a.png\n", "script:1: cannot write the screenshot"},
    };
    for (const auto& [text, prefix] : cases) {
        ScriptRun run(text);
        platform::InputEvent event = run.backend.waitEvent();
        EXPECT_EQ(event.type, Type::Quit) << text;
        EXPECT_EQ(event.exitCode, 2) << text;
        EXPECT_EQ(run.err.str().rfind(prefix, 0), 0u) << text << " gave " << run.err.str();
    }
}

// Every pixel of the screen's edges is a place for the pen.
TEST_F(ScriptLines, PenLinesReachTheScreensEdges) {
    for (const auto& [text, x, y] : {std::tuple{"down 0 0\n", 0, 0},
                                     {"down 239 319\n", 239, 319},
                                     {"down 0 319\n", 0, 319},
                                     {"down 239 0\n", 239, 0}}) {
        ScriptRun run(text);
        const platform::InputEvent event = run.backend.waitEvent();
        EXPECT_EQ(event.type, Type::PenDown) << text << run.err.str();
        EXPECT_EQ(event.x * 1000 + event.y, x * 1000 + y) << text;
    }
}

} // namespace
