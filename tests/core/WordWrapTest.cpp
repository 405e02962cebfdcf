#include "core/WordWrap.h"

#include "support/FixedWidthTextMeasurer.h"

#include <gtest/gtest.h>

namespace {

struct WrapCase {
    const char* name;
    const char16_t* text;
    int widthPixels; // 10 pixels per character
    const char16_t* firstLine;
};

void PrintTo(const WrapCase& c, std::ostream* out) {
    *out << c.name;
}

class FirstWrappedLine : public ::testing::TestWithParam<WrapCase> {};

TEST_P(FirstWrappedLine, BreaksLikeAWordWrappingBox) {
    const WrapCase& c = GetParam();
    const FixedWidthTextMeasurer measurer(10, 10);
    EXPECT_EQ(firstWrappedLine(QString::fromUtf16(c.text), c.widthPixels, QFont(), measurer),
              QString::fromUtf16(c.firstLine));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FirstWrappedLine,
    ::testing::Values(WrapCase{"WholeTextFits", u"abc def", 200, u"abc def"},
                      WrapCase{"WordsEndingExactlyAtTheEdgeStay", u"abc def ghi", 70, u"abc def "},
                      WrapCase{"OnePixelLessSendsTheWordDown", u"abc def ghi", 69, u"abc "},
                      WrapCase{"SeveralBlanksHangAtTheEnd", u"abc  def", 40, u"abc  "},
                      WrapCase{"TrailingBlanksNeverBreak", u"abc   ", 30, u"abc   "},
                      WrapCase{"NoBreakSpaceKeepsTheMarkerOnItsWord", u"deux euros\u00A0***", 100,
                               u"deux "},
                      WrapCase{"HyphenatedWordsStayWhole", u"un quatre-vingt-dix", 100, u"un "},
                      WrapCase{"WordLongerThanTheLineIsCut", u"abcdefghij klm", 50, u"abcde"},
                      WrapCase{"ZeroWidthStillTakesOneCharacter", u"abc", 0, u"a"},
                      WrapCase{"EmptyText", u"", 50, u""}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
