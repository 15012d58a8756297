// Breaking control texts into lines: at line breaks of every kind, and at
// blanks to fit a width.
#include <gtest/gtest.h>

#include "platform/dialogs/paint_tools.h"
#include "platform/dialogs/text_layout.h"
#include "platform/testing.h"

namespace {

using namespace platform::dialogs;
using Lines = std::vector<std::u16string>;

class DialogTextLayout : public ::testing::Test {
  protected:
    void SetUp() override {
        platform_testing::resetPlatform();
        font = CreateFontW(13, FW_NORMAL);
        measuring = std::make_unique<MeasuringDC>(font);
    }
    void TearDown() override {
        measuring.reset();
        platform_testing::resetPlatform();
    }
    HDC dc() const { return measuring->get(); }

    HFONT font = nullptr;
    std::unique_ptr<MeasuringDC> measuring;
};

// The width is that of `fits` in the dialog font, or none when empty.
struct LayoutCase {
    const char* name;
    std::u16string text;
    std::u16string fits;
    LongWords longWords;
    Lines expected;
};

const std::u16string longWord(40, u'ш');
const std::u16string piece(5, u'ш');

const LayoutCase LAYOUT_CASES[] = {
    {"CR LF, LF and CR", u"6S\r\nTD\nAH\rKC", u"", LongWords::Clip, {u"6S", u"TD", u"AH", u"KC"}},
    {"empty text", u"", u"", LongWords::Clip, {u""}},
    {"a final break", u"6S\r\n", u"", LongWords::Clip, {u"6S", u""}},
    {"breaks alone", u"\r\n\r\n", u"wide", LongWords::Clip, {u"", u"", u""}},
    {"no width: no wrap",
     std::u16string(300, u'a'),
     u"",
     LongWords::Break,
     {std::u16string(300, u'a')}},
    {"wraps at blanks and drops them",
     u"Наваленный дурак Японский дурак",
     u"Наваленный дурак",
     LongWords::Clip,
     {u"Наваленный дурак", u"Японский дурак"}},
    {"keeps blanks at the start of a paragraph",
     u"   Цель игры и ход",
     u"   Цель игры",
     LongWords::Clip,
     {u"   Цель игры", u"и ход"}},
    {"a trailing blank makes no empty line",
     u"КПК\nЧеловек ",
     u"Человек",
     LongWords::Clip,
     {u"КПК", u"Человек"}},
    {"a long word keeps its own line on a label",
     u"a " + longWord + u" b",
     piece,
     LongWords::Clip,
     {u"a", longWord, u"b"}},
    {"a long word is cut in an edit",
     longWord,
     piece,
     LongWords::Break,
     {piece, piece, piece, piece, piece, piece, piece, piece}},
};

TEST_F(DialogTextLayout, EachTextBreaksIntoItsLines) {
    for (const LayoutCase& c : LAYOUT_CASES) {
        int width = c.fits.empty() ? 0 : textWidth(dc(), c.fits);
        EXPECT_EQ(breakLines(dc(), c.text, width, c.longWords), c.expected) << c.name;
    }
    EXPECT_EQ(breakLines(dc(), u"abc", 1, LongWords::Break), (Lines{u"a", u"b", u"c"}))
        << "even a width narrower than one letter makes progress";
}

} // namespace
