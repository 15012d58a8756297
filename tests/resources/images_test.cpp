// The compiled-in pixel art: every image decodes at the size the table is
// laid out for, and holds the colours the painting code relies on.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>

#include "platform/raster/surface.h"
#include "resources/resource_ids.h"
#include "resources/resource_table.h"

namespace {

constexpr uint32_t WHITE = 0xFFFFFF;
constexpr uint32_t BLACK = 0x000000;
constexpr uint32_t RED = 0xE00000;
constexpr uint32_t TOOLBAR_GREY = 0xC0C0C0;

platform::Surface bitmap(int id) {
    const resources::XpmImage* image = resources::findBitmap(id);
    if (image == nullptr) {
        ADD_FAILURE() << "no bitmap " << id;
        return {};
    }
    return platform::surfaceFromXpm(image->lines, image->lineCount);
}

std::set<uint32_t> coloursOf(const platform::Surface& surface) {
    return {surface.pixels.begin(), surface.pixels.end()};
}

bool sameImage(const platform::Surface& a, const platform::Surface& b) {
    return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

struct Expected {
    int id;
    int32_t width;
    int32_t height;
};

TEST(Bitmaps, EveryImageDecodesAtItsSize) {
    const Expected all[] = {
        {IDB_DIAMOND, 9, 9},         {IDB_HEART, 9, 9},
        {IDB_SPADE, 9, 9},           {IDB_CLUB, 9, 9},
        {IDB_RANKS_RED, 170, 10},    {IDB_RANKS_BLACK, 170, 10},
        {IDB_BACK_MAT, 28, 40},      {IDB_BACK_FISH, 28, 40},
        {IDB_BACK_PORTRAIT, 28, 40}, {IDB_BACK_GRADIENT, 28, 40},
        {IDB_BACK_ORNAMENT, 28, 40}, {IDB_BUTTON_SORT, 32, 32},
        {IDB_BUTTON_OK, 32, 32},     {IDB_BUTTON_TAKE, 32, 32},
        {IDB_COMMAND_BAR, 114, 16},
    };
    for (const Expected& e : all) {
        platform::Surface surface = bitmap(e.id);
        EXPECT_EQ(surface.width, e.width) << "bitmap " << e.id;
        EXPECT_EQ(surface.height, e.height) << "bitmap " << e.id;
    }
}

TEST(Bitmaps, IconIsThirtyTwoSquare) {
    const resources::XpmImage* icon = resources::findIcon(IDI_APP);
    ASSERT_NE(icon, nullptr);
    platform::Surface surface = platform::surfaceFromXpm(icon->lines, icon->lineCount);
    EXPECT_EQ(surface.width, 32);
    EXPECT_EQ(surface.height, 32);
    EXPECT_GT(coloursOf(surface).size(), 2u);
}

TEST(Bitmaps, UnknownNumbersFindNothing) {
    for (int id : {0, -1, 1, 3, 104, 109, 114, 130, 136, 142, 40012, IDI_APP}) {
        EXPECT_EQ(resources::findBitmap(id), nullptr) << id;
    }
    for (int id : {0, -1, 100, 102, IDB_DIAMOND}) {
        EXPECT_EQ(resources::findIcon(id), nullptr) << id;
    }
}

// ---- suit glyphs ---------------------------------------------------------

void expectSuitGlyph(int id, uint32_t ink, const char* name) {
    SCOPED_TRACE(name);
    platform::Surface glyph = bitmap(id);
    ASSERT_EQ(glyph.width, 9);
    EXPECT_EQ(coloursOf(glyph), (std::set<uint32_t>{WHITE, ink}));
    int inked = 0;
    for (int32_t y = 0; y < glyph.height; ++y) {
        for (int32_t x = 0; x < glyph.width; ++x) {
            inked += glyph.at(x, y) == ink;
            // the pips are drawn upright and mirror-symmetric
            EXPECT_EQ(glyph.at(x, y), glyph.at(glyph.width - 1 - x, y)) << x << "," << y;
        }
    }
    // a recognisable shape, neither a dot nor a filled square
    EXPECT_GT(inked, 25);
    EXPECT_LT(inked, 75);
}

TEST(SuitGlyphs, DiamondsAndHeartsAreRedClubsAndSpadesBlack) {
    expectSuitGlyph(IDB_DIAMOND, RED, "diamond");
    expectSuitGlyph(IDB_HEART, RED, "heart");
    expectSuitGlyph(IDB_CLUB, BLACK, "club");
    expectSuitGlyph(IDB_SPADE, BLACK, "spade");
}

TEST(SuitGlyphs, AllFourDiffer) {
    const int ids[] = {IDB_DIAMOND, IDB_HEART, IDB_CLUB, IDB_SPADE};
    for (int a : ids) {
        for (int b : ids) {
            if (a != b) {
                EXPECT_FALSE(sameImage(bitmap(a), bitmap(b))) << a << " vs " << b;
            }
        }
    }
}

// ---- rank strips ---------------------------------------------------------

struct GlyphBox {
    const char* rank;
    int32_t x;
    int32_t width;
};

// Where the card painter cuts each rank out of the strip.
constexpr GlyphBox boxes[] = {
    {"A", 1, 9},   {"2", 15, 7},  {"3", 27, 7},  {"4", 39, 7}, {"5", 51, 7},
    {"6", 63, 7},  {"7", 75, 7},  {"8", 87, 7},  {"9", 99, 7}, {"10", 112, 14},
    {"J", 131, 5}, {"Q", 141, 8}, {"K", 154, 8},
};

const GlyphBox* boxAt(int32_t x) {
    for (const GlyphBox& box : boxes) {
        if (x >= box.x && x < box.x + box.width) {
            return &box;
        }
    }
    return nullptr;
}

void expectRankStrip(int id, uint32_t ink, const char* name) {
    SCOPED_TRACE(name);
    platform::Surface strip = bitmap(id);
    ASSERT_EQ(strip.width, 170);
    ASSERT_EQ(strip.height, 10);
    EXPECT_EQ(coloursOf(strip), (std::set<uint32_t>{WHITE, ink}));
    for (int32_t x = 0; x < strip.width; ++x) {
        if (boxAt(x) != nullptr) {
            continue;
        }
        for (int32_t y = 0; y < strip.height; ++y) {
            EXPECT_EQ(strip.at(x, y), WHITE) << "ink outside every glyph at " << x << "," << y;
        }
    }
    for (const GlyphBox& box : boxes) {
        SCOPED_TRACE(box.rank);
        int inked = 0;
        bool topRow = false;
        bool bottomRow = false;
        bool leftHalf = false;
        bool rightHalf = false;
        for (int32_t y = 0; y < strip.height; ++y) {
            for (int32_t x = box.x; x < box.x + box.width; ++x) {
                if (strip.at(x, y) != ink) {
                    continue;
                }
                ++inked;
                topRow = topRow || y == 0;
                bottomRow = bottomRow || y == strip.height - 1;
                leftHalf = leftHalf || x < box.x + box.width / 2;
                rightHalf = rightHalf || x >= box.x + (box.width + 1) / 2;
            }
        }
        EXPECT_GT(inked, 0);
        // every glyph stands the full height of the line and spreads across
        // its box, so the corner indices line up on the card
        EXPECT_TRUE(topRow);
        EXPECT_TRUE(bottomRow);
        EXPECT_TRUE(leftHalf);
        EXPECT_TRUE(rightHalf);
    }
}

TEST(RankStrips, GlyphsLieInsideTheirBoxes) {
    expectRankStrip(IDB_RANKS_RED, RED, "red");
    expectRankStrip(IDB_RANKS_BLACK, BLACK, "black");
}

TEST(RankStrips, RedAndBlackDrawTheSameGlyphs) {
    platform::Surface red = bitmap(IDB_RANKS_RED);
    platform::Surface black = bitmap(IDB_RANKS_BLACK);
    ASSERT_EQ(red.pixels.size(), black.pixels.size());
    for (size_t i = 0; i < red.pixels.size(); ++i) {
        EXPECT_EQ(red.pixels[i] == RED, black.pixels[i] == BLACK) << "pixel " << i;
    }
}

TEST(RankStrips, NoTwoGlyphsAlike) {
    platform::Surface strip = bitmap(IDB_RANKS_BLACK);
    std::set<std::string> shapes;
    for (const GlyphBox& box : boxes) {
        std::string shape = std::to_string(box.width) + ":";
        for (int32_t y = 0; y < strip.height; ++y) {
            for (int32_t x = box.x; x < box.x + box.width; ++x) {
                shape += strip.at(x, y) == BLACK ? '#' : '.';
            }
        }
        EXPECT_TRUE(shapes.insert(shape).second) << box.rank;
    }
}

// ---- card backs ----------------------------------------------------------

TEST(CardBacks, EachHasADarkOutlineAndItsOwnPicture) {
    const int ids[] = {IDB_BACK_MAT, IDB_BACK_FISH, IDB_BACK_PORTRAIT, IDB_BACK_GRADIENT,
                       IDB_BACK_ORNAMENT};
    std::set<std::vector<uint32_t>> seen;
    for (int id : ids) {
        SCOPED_TRACE(id);
        platform::Surface back = bitmap(id);
        ASSERT_EQ(back.width, 28);
        ASSERT_EQ(back.height, 40);
        for (int32_t y = 0; y < back.height; ++y) {
            for (int32_t x = 0; x < back.width; ++x) {
                if (x != 0 && y != 0 && x != back.width - 1 && y != back.height - 1) {
                    continue;
                }
                uint32_t p = back.at(x, y);
                // every channel dark, so the card stands off any table colour
                EXPECT_LT((p >> 16) & 0xFF, 0x80u) << x << "," << y;
                EXPECT_LT((p >> 8) & 0xFF, 0x80u) << x << "," << y;
                EXPECT_LT(p & 0xFF, 0x80u) << x << "," << y;
            }
        }
        EXPECT_GE(coloursOf(back).size(), 3u);
        EXPECT_TRUE(seen.insert(back.pixels).second);
    }
}

TEST(CardBacks, GradientRunsFromBlueToRed) {
    platform::Surface back = bitmap(IDB_BACK_GRADIENT);
    ASSERT_EQ(back.width, 28);
    uint32_t topLeft = back.at(5, 5);
    uint32_t bottomRight = back.at(22, 34);
    EXPECT_GT(topLeft & 0xFF, (topLeft >> 16) & 0xFF) << std::hex << topLeft;
    EXPECT_GT((bottomRight >> 16) & 0xFF, bottomRight & 0xFF) << std::hex << bottomRight;
}

// ---- buttons and command bar --------------------------------------------

TEST(Buttons, AreWhiteDrawingsOnBlack) {
    std::set<std::vector<uint32_t>> seen;
    for (int id : {IDB_BUTTON_OK, IDB_BUTTON_TAKE, IDB_BUTTON_SORT}) {
        SCOPED_TRACE(id);
        platform::Surface face = bitmap(id);
        ASSERT_EQ(face.width, 32);
        // laid on the table with a bitwise or: black lets the table show
        // through, so any other colour would tint it
        EXPECT_EQ(coloursOf(face), (std::set<uint32_t>{BLACK, WHITE}));
        EXPECT_TRUE(seen.insert(face.pixels).second);
    }
}

TEST(CommandBar, SevenDistinctButtonsOnToolbarGrey) {
    platform::Surface strip = bitmap(IDB_COMMAND_BAR);
    ASSERT_EQ(strip.width, 114);
    ASSERT_EQ(strip.height, 16);
    for (int32_t y = 0; y < 16; ++y) {
        EXPECT_EQ(strip.at(112, y), TOOLBAR_GREY);
        EXPECT_EQ(strip.at(113, y), TOOLBAR_GREY);
    }
    std::set<std::vector<uint32_t>> seen;
    for (int32_t image = 0; image < 7; ++image) {
        SCOPED_TRACE(image);
        std::vector<uint32_t> cell;
        int drawn = 0;
        for (int32_t y = 0; y < 16; ++y) {
            for (int32_t x = image * 16; x < image * 16 + 16; ++x) {
                cell.push_back(strip.at(x, y));
                drawn += strip.at(x, y) != TOOLBAR_GREY;
            }
        }
        EXPECT_GT(drawn, 12);
        EXPECT_TRUE(seen.insert(cell).second);
    }
}

TEST(CommandBar, RulesButtonsCarryARedLetter) {
    platform::Surface strip = bitmap(IDB_COMMAND_BAR);
    ASSERT_EQ(strip.width, 114);
    auto redPixels = [&](int32_t image) {
        int red = 0;
        for (int32_t y = 0; y < 16; ++y) {
            for (int32_t x = image * 16; x < image * 16 + 16; ++x) {
                red += strip.at(x, y) == RED;
            }
        }
        return red;
    };
    EXPECT_EQ(redPixels(3), 0); // About: a plain "?"
    EXPECT_GT(redPixels(4), 5); // Russian rules
    EXPECT_GT(redPixels(5), 5); // English rules
}

} // namespace
