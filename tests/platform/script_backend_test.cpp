// The headless script: which input each line becomes, and its errors.
#include <gtest/gtest.h>

#include <sstream>

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

TEST_F(ScriptLines, TapIsDownThenUpAndDoubleTapIsItsFourEvents) {
    ScriptRun run("# comment\n\ntap 10 20\ndbl 5 6\n");
    std::vector<Type> types;
    for (int i = 0; i < 6; ++i) {
        platform::InputEvent event = run.backend.waitEvent();
        types.push_back(event.type);
        if (i < 2) {
            EXPECT_EQ(event.x, 10);
            EXPECT_EQ(event.y, 20);
        }
    }
    EXPECT_EQ(types, (std::vector<Type>{Type::PenDown, Type::PenUp, Type::PenDown, Type::PenUp,
                                        Type::PenDoubleTap, Type::PenUp}));
}

TEST_F(ScriptLines, CommandsKeysAndTheEndOfTheScript) {
    ScriptRun run("command 40012\nkey alt+n\nkey alt+f4\nkey alt+/\n");
    platform::InputEvent command = run.backend.waitEvent();
    EXPECT_EQ(command.type, Type::Command);
    EXPECT_EQ(command.id, 40012);
    platform::InputEvent newGame = run.backend.waitEvent();
    EXPECT_EQ(newGame.type, Type::Key);
    EXPECT_EQ(newGame.key, static_cast<uint32_t>('N'));
    EXPECT_TRUE(newGame.alt);
    EXPECT_EQ(run.backend.waitEvent().key, static_cast<uint32_t>(VK_F4));
    platform::InputEvent about = run.backend.waitEvent();
    EXPECT_EQ(about.type, Type::Char);
    EXPECT_EQ(about.key, static_cast<uint32_t>('/'));
    // The end acts as Exit; asked again, the runner stops.
    EXPECT_EQ(run.backend.waitEvent().type, Type::Close);
    EXPECT_EQ(run.backend.waitEvent().type, Type::Quit);
    EXPECT_TRUE(run.err.str().empty());
}

TEST_F(ScriptLines, MalformedLinesStopWithTheirLineNumber) {
    const std::pair<const char*, const char*> cases[] = {
        {"tap 1\n", "script:1: "},
        {"\n\ntap 1 x\n", "script:3: "},
        {"tap 240 10\n", "script:1: "},
        {"down -1 0\n", "script:1: "},
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

TEST_F(ScriptLines, AnswersAreQueuedAndBoxesReportedAsTheyClose) {
    ScriptRun run("answer yes\nanswer no\n");
    EXPECT_EQ(run.backend.waitEvent().type, Type::Close);
    platform::MessageBoxInfo question{u"Перевод?", u"", 0x24};
    std::optional<int> first = run.backend.answerMessageBox(question);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(*first, IDYES);
    run.backend.messageBoxClosed(question, *first);
    EXPECT_EQ(run.backend.answerMessageBox(question).value_or(0), IDNO);
    EXPECT_EQ(run.out.str(),
              "{\"event\":\"messagebox\",\"text\":\"Перевод?\",\"caption\":\"\",\"style\":36,"
              "\"result\":6}\n");
}

nlohmann::ordered_json reportSomething() {
    nlohmann::ordered_json state;
    state["event"] = "state";
    state["status"] = nullptr;
    return state;
}

TEST_F(ScriptLines, StateLinesComeFromTheProgramWithTheDialogLast) {
    SetStateReporter(reportSomething);
    ScriptRun run("state\nstate\n");
    EXPECT_EQ(run.backend.waitEvent().type, Type::Close);
    EXPECT_EQ(run.out.str(), "{\"event\":\"state\",\"status\":null,\"dialog\":null}\n"
                             "{\"event\":\"state\",\"status\":null,\"dialog\":null}\n");
    platform::ScriptBackend& backend = run.backend;
    backend.dialogClosed(131, 1);
    EXPECT_NE(run.out.str().find("{\"event\":\"dialog\",\"template\":131,\"result\":1}\n"),
              std::string::npos);
}

} // namespace
