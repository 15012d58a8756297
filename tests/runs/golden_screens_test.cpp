// Golden screenshots: scripted headless runs of the program with a fixed
// clock, each `shot` compared pixel by pixel with a PNG kept in
// tests/data/golden. TALONIX_UPDATE_GOLDENS=1 writes the PNGs instead of
// comparing (see docs/testing.md); a mismatching shot is written under
// golden-actual/ beside the program in the build folder.
#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>
#include <zlib.h>

#include "platform/raster/surface.h"
#include "program_session.h"

namespace {

namespace fs = std::filesystem;

// Script lines, then a shot compared with the golden picture. The fields
// are checked on the state line written just before the shot, so that a
// change of the game flow reads as such and not as a mysterious picture. A
// case named otherwise than its golden must show the same picture and never
// rewrites it.
struct GoldenCase {
    std::string name;
    std::string settings; // "type=0 cidc=1"
    std::string lines;    // separated by ';'
    std::string fields;
    std::string clock = "10:20:30.400";
    std::string golden = ""; // "" for the case's name
};

uint32_t bigEndian(const std::string& bytes, size_t at) {
    uint32_t value = 0;
    for (size_t i = at; i < at + 4; ++i) {
        value = value << 8 | static_cast<unsigned char>(bytes[i]);
    }
    return value;
}

// Undoes a row's filter in place: none, left, up, average and Paeth. The
// filter's number is the byte before the row.
void unfilterRow(uint8_t* row, const uint8_t* above, size_t length) {
    for (size_t x = 0; x < length; ++x) {
        const int left = x >= 3 ? row[x - 3] : 0;
        const int up = above != nullptr ? above[x] : 0;
        const int upLeft = above != nullptr && x >= 3 ? above[x - 3] : 0;
        const int toLeft = std::abs(up - upLeft);
        const int toUp = std::abs(left - upLeft);
        const int toUpLeft = std::abs(left + up - 2 * upLeft);
        const int paeth = toLeft <= toUp && toLeft <= toUpLeft ? left
                          : toUp <= toUpLeft                   ? up
                                                               : upLeft;
        const int predicted[] = {0, left, up, (left + up) / 2, paeth};
        row[x] = static_cast<uint8_t>(row[x] + predicted[row[-1]]);
    }
}

// A screenshot or golden as pixels: 8-bit RGB PNG, not interlaced, the rows
// filtered in any way (the program writes them unfiltered, an optimiser may
// not). False for anything else.
bool readPng(const fs::path& path, platform::Surface& out) {
    std::ifstream in(path, std::ios::binary);
    const std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (file.rfind("\x89PNG\r\n\x1A\n", 0) != 0) {
        return false;
    }
    std::string header;
    std::string packed;
    for (size_t at = 8; at + 12 <= file.size(); at += 12 + bigEndian(file, at)) {
        const size_t length = bigEndian(file, at);
        if (length > file.size() - at - 12) {
            return false;
        }
        if (file.compare(at + 4, 4, "IHDR") == 0) {
            header = file.substr(at + 8, length);
        } else if (file.compare(at + 4, 4, "IDAT") == 0) {
            packed += file.substr(at + 8, length);
        }
    }
    if (header.size() != 13 || header.compare(8, 5, std::string("\x08\x02\0\0\0", 5)) != 0 ||
        bigEndian(header, 0) - 1 >= 16384 || bigEndian(header, 4) - 1 >= 16384) {
        return false;
    }
    const size_t width = bigEndian(header, 0);
    const size_t height = bigEndian(header, 4);
    const size_t rowBytes = width * 3 + 1; // the filter, then the pixels
    std::vector<uint8_t> rows(rowBytes * height);
    uLongf size = static_cast<uLongf>(rows.size());
    if (uncompress(rows.data(), &size, reinterpret_cast<const Bytef*>(packed.data()),
                   static_cast<uLong>(packed.size())) != Z_OK ||
        size != rows.size()) {
        return false;
    }
    platform::Surface result(static_cast<int32_t>(width), static_cast<int32_t>(height));
    for (size_t y = 0; y < height; ++y) {
        uint8_t* row = &rows[y * rowBytes + 1];
        const uint8_t* above = y > 0 ? row - rowBytes : nullptr;
        if (row[-1] > 4) {
            return false;
        }
        unfilterRow(row, above, rowBytes - 1);
        for (size_t x = 0; x < width; ++x) {
            result.at(static_cast<int32_t>(x), static_cast<int32_t>(y)) =
                uint32_t{row[3 * x]} << 16 | uint32_t{row[3 * x + 1]} << 8 | row[3 * x + 2];
        }
    }
    out = std::move(result);
    return true;
}

// A case named otherwise than its golden only compares; its mismatch is kept
// under the case's name.
void compareWithGolden(const fs::path& shot, const std::string& name, const std::string& label) {
    const fs::path golden = fs::path(TALONIX_TEST_DATA) / "golden" / (name + ".png");
    platform::Surface actual;
    platform::Surface expected;
    ASSERT_TRUE(readPng(shot, actual)) << "no shot was written for " << name;
    const char* update = std::getenv("TALONIX_UPDATE_GOLDENS");
    if (label == name && update != nullptr && std::string(update) == "1") {
        fs::copy_file(shot, golden, fs::copy_options::overwrite_existing);
        return;
    }
    ASSERT_TRUE(readPng(golden, expected))
        << "missing golden " << golden << "; run with TALONIX_UPDATE_GOLDENS=1 to make it";
    ASSERT_EQ(actual.pixels.size(), expected.pixels.size()) << label << ": another size";
    const auto width = static_cast<size_t>(actual.width);
    size_t differences = 0;
    size_t first = 0;
    for (size_t i = 0; i < actual.pixels.size(); ++i) {
        if (actual.pixels[i] != expected.pixels[i] && differences++ == 0) {
            first = i;
        }
    }
    if (differences != 0) {
        const fs::path kept =
            fs::path(TALONIX_BINARY).parent_path() / "golden-actual" / (label + ".png");
        fs::create_directories(kept.parent_path());
        fs::copy_file(shot, kept, fs::copy_options::overwrite_existing);
        ADD_FAILURE() << label << ": " << differences << " pixels differ from " << golden
                      << ", the first at " << first % width << "," << first / width << ": "
                      << std::hex << actual.pixels[first] << " instead of "
                      << expected.pixels[first] << "; the actual screen is in " << kept;
    }
}

// The moves of a human who attacks with the lowest card, covers with the
// lowest card that beats, takes or says ok otherwise: a number selects the
// card at that x and plays it, "b" presses the action button.
std::string moves(const std::string& list) {
    std::istringstream words(list);
    std::string script;
    for (std::string word; words >> word;) {
        script += word == "b" ? ";tap 220 186" : ";tap " + word + " 143;tap 100 110";
    }
    return script.substr(1);
}

// Recorded with the clock given; each stops where its shot is taken.
const std::string trumpLeft =
    moves("4 4 b 4 b 4 4 32 b 60 60 b 4 32 b 4 4 b 60 60 4 b b 18 4 4 4 4 b 32 b");
const std::string japaneseTalonEmpty =
    moves("4 4 4 32 b 4 b 32 116 b 102 4 b 88 4 4 60 60 b 4 4 4 b 144 32 32 b 4 60 b");
const GoldenCase singleShots[] = {
    {"first_deal_type0", "type=0", "", "/trumpCard/hidden=0|/computerAttacks=0"},
    {"first_deal_type2", "type=2", "", "/trumpCard/hidden=1|humanHandCount=18"},
    {"first_deal_type4", "type=4", "", "/computerAttacks=1|computerTableRowCount=1"},
    {"selected_card", "type=0", "tap 4 143", "/humanHand/cards/0/selected=1"},
    {"covered_human_attacks", "type=0", moves("4"),
     "/computerAttacks=0|humanTableRowCount=1|computerTableRowCount=1"},
    {"covered_computer_attacks", "type=4", moves("4 4 4 32 b 4 b 32"),
     "/computerAttacks=1|humanTableRowCount=1|computerTableRowCount=2"},
    {"pressed_sort_button", "type=0", "down 220 136", "/buttonPressed=1"},
    {"pressed_action_button", "type=0", moves("4") + ";down 220 186",
     "/buttonPressed=1|/computerAttacks=1"},
    {"talon_count_type0", "type=0 cidc=1", "", "/remaining=23"},
    {"talon_count_type4", "type=4 cidc=1", "", "/remaining=24"},
    // Bulk deals the trump card at once: no count, the same screen as without.
    {"talon_count_type2", "type=2 cidc=1", "", "/remaining=0", "10:20:30.400", "first_deal_type2"},
    {"talon_count_trump_left", "type=0 cidc=1", trumpLeft,
     "/remaining=0|/trumpCard/hidden=0|/lastWinner=-1", "10:20:31.000"},
    {"suit_mark_trump_dealt", "type=0 cidc=1", trumpLeft + ";" + moves("60 116 b 88 102"),
     "/trumpCard/hidden=1|/lastWinner=-1", "10:20:31.000"},
    {"talon_count_japanese_empty", "type=4 cidc=1", japaneseTalonEmpty,
     "/remaining=0|/lastWinner=-1"}};

std::vector<GoldenCase> goldenCases() {
    std::vector<GoldenCase> cases(std::begin(singleShots), std::end(singleShots));
    // Shots along one script, each case running it up to its own shot: the
    // English table with a status text, each dialog, a tooltip held under the
    // pen and the take face; the keyboard's focus mark on the third card (the
    // first Right brings it to the first), moved with the hand as the card
    // before it is played, gone after a tap.
    using Step = std::array<std::string, 3>; // lines, golden, fields
    const auto along = [&cases](const char* settings, const std::vector<Step>& steps) {
        std::string lines;
        for (const auto& [step, name, fields] : steps) {
            lines += (lines.empty() ? "" : ";") + step;
            cases.push_back({name, settings, lines, fields});
        }
    };
    along("lang=1", {{"tap 100 110", "english_table_status", "/status=\"Please select cards!\""},
                     {"command 40014", "english_options", "/dialog/template=130"},
                     {"press 2;command 40015", "english_statistics", "/dialog/template=131"},
                     {"press 2;key f1", "english_rules", "/dialog/template=132|/rulesLanguage=0"},
                     {"press 2;down 10 10", "english_tooltip", "/dialog=null"},
                     {"up 10 10;" + moves("4") + ";down 220 186", "english_take_pressed",
                      "/buttonPressed=1|/computerAttacks=1"}});
    along("", {{"key right;key right;key right", "focus_mark_third_card",
                "/humanHand/cards/2/selected=0"},
               {"key home;key space;key enter", "focus_mark_after_a_lead", "humanTableRowCount=1"},
               {"tap 150 60", "focus_mark_hidden_by_a_tap", "humanHandCount=5"}});
    // Backs show on the computer's hand and the talon; the first pair is the
    // first deal of type 0.
    for (const std::string value : {"1", "2", "3", "4"}) {
        cases.push_back({"table_colour_and_back_" + value,
                         "type=0 blackbg=" + value + " back=" + value, "",
                         "/tableColourIndex=" + value + "|/cardBackIndex=" + value});
    }
    // A settings file edited by hand: values past the tables paint the first
    // colour and the first back.
    for (const auto& [stored, read] : {std::pair{"5", "5"},
                                       {"9", "9"},
                                       {"0x7FFFFFFF", "2147483647"},
                                       {"0xFFFFFFFF", "-1"},
                                       {"0x80000000", "-2147483648"}}) {
        cases.push_back({std::string("out_of_range_") + stored,
                         std::string("type=0 blackbg=") + stored + " back=" + stored, "",
                         std::string("/tableColourIndex=") + read + "|/cardBackIndex=" + read,
                         "10:20:30.400", "first_deal_type0"});
    }
    return cases;
}

void PrintTo(const GoldenCase& c, std::ostream* out) {
    *out << c.name;
}

class GoldenScreenTest : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenScreenTest, ShotMatchesItsGolden) {
    const GoldenCase& c = GetParam();
    const std::string folder = makeScratchFolder();
    const std::string settings = folder + "/settings.reg";
    writeTextFile(settings, settingsText(c.settings));
    const fs::path shot = fs::path(folder) / "shot.png";
    std::string script = c.lines.empty() ? "" : c.lines + ";";
    std::replace(script.begin(), script.end(), ';', '\n');
    // Blanks round the file name are not part of it.
    const RunResult result = runScript({"--clock", c.clock, "--registry", settings},
                                       script + "state\nshot \t" + shot.string() + " \t\n");
    EXPECT_EQ(result.status, 0);
    std::vector<nlohmann::json> states = eventsOf(result.output);
    std::erase_if(states, [](const auto& event) {
        return !event.is_object() || event.value("event", "") != "state";
    });
    ASSERT_EQ(states.size(), 1u);
    expectFields(states[0], c.fields);
    compareWithGolden(shot, c.golden.empty() ? c.name : c.golden, c.name);
    fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(, GoldenScreenTest, ::testing::ValuesIn(goldenCases()),
                         [](const auto& item) { return item.param.name; });

} // namespace
