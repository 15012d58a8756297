// The interface language chosen and remembered; golden screenshots of the
// English interface and of the keyboard's focus mark, compared pixel by pixel
// with tests/data/golden/ as the Russian ones are (TALONIX_UPDATE_GOLDENS=1
// writes them; see docs/testing.md).
#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "platform/raster/surface.h"
#include "png_reader.h"
#include "program_session.h"

namespace {

namespace fs = std::filesystem;

struct Shot {
    const char* lines; // script lines before the shot
    const char* golden;
};

struct ScreensCase {
    const char* name;
    const char* language;
    std::vector<Shot> shots;
};

void PrintTo(const ScreensCase& run, std::ostream* out) {
    *out << run.name;
}

void expectSameAsGolden(const fs::path& shot, const std::string& name) {
    const fs::path golden = fs::path(TALONIX_TEST_DATA) / "golden" / (name + ".png");
    const char* update = std::getenv("TALONIX_UPDATE_GOLDENS");
    if (update != nullptr && std::string(update) == "1") {
        fs::copy_file(shot, golden, fs::copy_options::overwrite_existing);
        return;
    }
    platform::Surface actual;
    platform::Surface expected;
    ASSERT_TRUE(readPng(shot.string(), actual)) << name << ": no shot";
    ASSERT_TRUE(readPng(golden.string(), expected)) << "missing golden " << golden;
    ASSERT_EQ(actual.pixels.size(), expected.pixels.size()) << name;
    size_t differing = 0;
    for (size_t i = 0; i < actual.pixels.size(); ++i) {
        differing += actual.pixels[i] != expected.pixels[i] ? 1 : 0;
    }
    if (differing != 0) {
        const fs::path kept = fs::path(TALONIX_BINARY).parent_path() / "golden-actual";
        fs::create_directories(kept);
        fs::copy_file(shot, kept / (name + ".png"), fs::copy_options::overwrite_existing);
        ADD_FAILURE() << name << ": " << differing << " pixels differ; the actual screen is in "
                      << kept / (name + ".png");
    }
}

class ScreensTest : public ::testing::TestWithParam<ScreensCase> {};

TEST_P(ScreensTest, MatchTheirGoldens) {
    const ScreensCase& run = GetParam();
    const std::string folder = makeScratchFolder();
    std::string script;
    for (const Shot& shot : run.shots) {
        script += std::string(shot.lines) + "\nshot " + folder + "/" + shot.golden + ".png\n";
    }
    const RunResult result = runScript(
        {"--clock", "10:20:30.400", "--registry", folder + "/settings.reg", "--lang", run.language},
        script);
    ASSERT_EQ(result.status, 0) << result.output;
    for (const Shot& shot : run.shots) {
        expectSameAsGolden(fs::path(folder) / (std::string(shot.golden) + ".png"), shot.golden);
    }
    fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, ScreensTest,
    ::testing::Values(
        // The table with a status text and the English button faces, the
        // take face, each dialog, and a tooltip held under the pen.
        ScreensCase{"English",
                    "en",
                    {{"tap 100 110", "english_table_status"},
                     {"command 40014", "english_options"},
                     {"press 2\ncommand 40015", "english_statistics"},
                     {"press 2\nkey f1", "english_rules"},
                     {"press 2\ndown 10 10", "english_tooltip"},
                     {"up 10 10\ntap 4 143\ntap 100 110\ndown 220 186", "english_take_pressed"}}},
        // The focus mark: on the third card, moved with the hand as the
        // card before it is played, and gone after a pen tap.
        ScreensCase{"FocusMark",
                    "ru",
                    {{"key right\nkey right", "focus_mark_third_card"},
                     {"key home\nkey space\nkey enter", "focus_mark_after_a_lead"},
                     {"tap 150 60", "focus_mark_hidden_by_a_tap"}}}),
    [](const auto& screens) { return std::string(screens.param.name); });

struct LanguageCase {
    const char* stored; // the "lang" line of the settings file, or ""
    const char* option; // --lang, or ""
    const char* title;  // the first variant's name in the language shown
    const char* after;  // the "lang" line afterwards, or ""
};

TEST(InterfaceLanguage, TheOptionIsRememberedAndAnythingButOneIsRussian) {
    const LanguageCase cases[] = {
        {"", "", "Подкидной", ""},
        {"", "en", "Throw-in", "\"lang\"=dword:00000001"},
        {"\"lang\"=dword:00000001", "", "Throw-in", "\"lang\"=dword:00000001"},
        {"\"lang\"=dword:00000001", "ru", "Подкидной", "\"lang\"=dword:00000000"},
        {"\"lang\"=dword:00000007", "", "Подкидной", "\"lang\"=dword:00000007"},
    };
    for (const LanguageCase& language : cases) {
        SCOPED_TRACE(std::string(language.stored) + " --lang " + language.option);
        const std::string folder = makeScratchFolder();
        const std::string settings = folder + "/settings.reg";
        writeTextFile(settings,
                      std::string("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\qm\\tlx]\n") +
                          language.stored + "\n");
        std::vector<std::string> arguments = {"--registry", settings};
        if (*language.option != '\0') {
            arguments.insert(arguments.end(), {"--lang", language.option});
        }
        const RunResult result = runScript(arguments, "state\n");
        const nlohmann::json state = nlohmann::json::parse(result.output, nullptr, false);
        ASSERT_TRUE(state.is_object()) << result.output;
        EXPECT_EQ(state["title"], language.title);
        const std::string stored = readTextFile(settings);
        if (*language.after == '\0') {
            EXPECT_EQ(stored.find("\"lang\""), std::string::npos) << stored;
        } else {
            EXPECT_NE(stored.find(language.after), std::string::npos) << stored;
        }
        fs::remove_all(folder);
    }
}

} // namespace
