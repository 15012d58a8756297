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

TEST_F(DialogTextLayout, BreaksAtCrLfLfAndCr) {
    EXPECT_EQ(breakLines(dc(), u"6S\r\nTD\nAH\rKC", 0, LongWords::Clip),
              (Lines{u"6S", u"TD", u"AH", u"KC"}));
    EXPECT_EQ(breakLines(dc(), u"", 0, LongWords::Clip), (Lines{u""}));
    EXPECT_EQ(breakLines(dc(), u"6S\r\n", 0, LongWords::Clip), (Lines{u"6S", u""}));
    EXPECT_EQ(breakLines(dc(), u"\r\n\r\n", 100, LongWords::Clip), (Lines{u"", u"", u""}));
}

TEST_F(DialogTextLayout, WithoutAWidthNothingWraps) {
    std::u16string longLine(300, u'a');
    EXPECT_EQ(breakLines(dc(), longLine, 0, LongWords::Break), (Lines{longLine}));
}

TEST_F(DialogTextLayout, WrapsAtBlanksAndDropsThem) {
    int width = textWidth(dc(), u"Наваленный дурак");
    Lines lines = breakLines(dc(), u"Наваленный дурак Японский дурак", width, LongWords::Clip);
    EXPECT_EQ(lines, (Lines{u"Наваленный дурак", u"Японский дурак"}));
}

TEST_F(DialogTextLayout, KeepsBlanksAtTheStartOfAParagraph) {
    int width = textWidth(dc(), u"   Цель игры");
    Lines lines = breakLines(dc(), u"   Цель игры и ход", width, LongWords::Clip);
    EXPECT_EQ(lines, (Lines{u"   Цель игры", u"и ход"}));
}

TEST_F(DialogTextLayout, ATrailingBlankMakesNoEmptyLine) {
    int width = textWidth(dc(), u"Человек");
    EXPECT_EQ(breakLines(dc(), u"КПК\nЧеловек ", width, LongWords::Clip),
              (Lines{u"КПК", u"Человек"}));
}

TEST_F(DialogTextLayout, ALongWordIsClippedOnALabelAndCutInAnEdit) {
    std::u16string word(40, u'ш');
    int width = textWidth(dc(), u"шшшшш");
    EXPECT_EQ(breakLines(dc(), u"a " + word + u" b", width, LongWords::Clip),
              (Lines{u"a", word, u"b"}));
    Lines cut = breakLines(dc(), word, width, LongWords::Break);
    ASSERT_EQ(cut.size(), 8u);
    for (const auto& piece : cut) {
        EXPECT_EQ(piece, u"шшшшш");
    }
}

TEST_F(DialogTextLayout, EvenAWidthNarrowerThanOneLetterMakesProgress) {
    Lines cut = breakLines(dc(), u"abc", 1, LongWords::Break);
    EXPECT_EQ(cut, (Lines{u"a", u"b", u"c"}));
}

} // namespace
