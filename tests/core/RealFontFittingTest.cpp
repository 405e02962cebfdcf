#include "core/Fills.h"
#include "core/LineFitting.h"
#include "platform/ImageTextMeasurer.h"
#include "support/TestPlatform.h"

#include <QFontInfo>
#include <gtest/gtest.h>

namespace {

const QString marker = QStringLiteral("\u00A0***");
// 1 234 567,89 as the conversion writes it.
const QString longAmount = QStringLiteral("*** Un million deux cent trente-quatre mille cinq cent "
                                          "soixante-sept euros et quatre-vingt-neuf centimes") +
                           marker;
// The AXA format's factory lengths: words 75 and 110 mm, beneficiary 104 mm.
constexpr LineGeometry axa{75, 110, 0, 104, false};

QFont font(const QString& family, int pointSize, bool bold = false) {
    QFont f(family);
    f.setPointSize(pointSize);
    f.setBold(bold);
    return f;
}

TEST(ImageTextMeasurer, MeasuresAtNinetySixDotsPerInch) {
    const ImageTextMeasurer measurer;
    const QString text = QStringLiteral("Quatre-vingt-dix-sept euros");
    QFont twelvePixels(QStringLiteral("Liberation Sans"));
    twelvePixels.setPixelSize(12); // 9 points at 96 dpi
    EXPECT_EQ(measurer.textWidth(text, font(QStringLiteral("Liberation Sans"), 9)),
              measurer.textWidth(text, twelvePixels));
    EXPECT_GT(measurer.textWidth(text, font(QStringLiteral("Liberation Sans"), 9, true)),
              measurer.textWidth(text, font(QStringLiteral("Liberation Sans"), 9)));
}

TEST(ImageTextMeasurer, WindowsFontNamesMeasureAsTheirSubstitutes) {
    const ImageTextMeasurer measurer;
    for (const char* name : {"MS Sans Serif", "Arial"}) {
        const QFont windows = font(QString::fromLatin1(name), 9);
        EXPECT_EQ(QFontInfo(windows).family(), QStringLiteral("Liberation Sans")) << name;
        EXPECT_EQ(measurer.textWidth(longAmount, windows),
                  measurer.textWidth(longAmount, font(QStringLiteral("Liberation Sans"), 9)))
            << name;
    }
}

class RealFontFitting : public ::testing::Test {
protected:
    RealFontFitting() : fitting(measurer, t.dialogs, t.sounds) {
        fitting.setMainWindowShown(true);
        fitting.setGeometry(axa);
        fitting.setAmountWords(longAmount);
    }

    void convert() {
        fitting.GetFont({QStringLiteral("Dupont"), QStringLiteral("1234567,89"),
                         QStringLiteral("1.234.567,89"), FaceEntry::Decimals::Two});
    }
    int lengthMm(int index) const {
        return Fills::SizeLineMM(fitting.wordLines().lines.at(index).text,
                                 fitting.fonts().wordLines, measurer);
    }

    TestPlatform t;
    ImageTextMeasurer measurer;
    LineFitting fitting;
};

TEST_F(RealFontFitting, LongAmountFitsTwoLinesWithTheDefaultFont) {
    convert();
    EXPECT_TRUE(fitting.wordsFit());
    EXPECT_TRUE(t.dialogs.calls().empty());
    const FittedLines& lines = fitting.wordLines();
    EXPECT_TRUE(lines.lines[0].text.startsWith(QStringLiteral("*** Un million ")));
    EXPECT_TRUE(lines.holdsEnd(1));
    // Nothing lost or added between the two lines; line 2 then carries its stars.
    EXPECT_TRUE((lines.lines[0].text + lines.lines[1].text).startsWith(longAmount));
    // Line 1 is broken at a blank within its box; line 2 is star-filled to its length.
    EXPECT_TRUE(lines.lines[0].text.endsWith(u' '));
    EXPECT_LE(measurer.textWidth(lines.lines[0].text.trimmed(), fitting.fonts().wrapping),
              Fills::wrapWidthPixels(axa.line1Mm));
    EXPECT_GE(lengthMm(1), axa.line2Mm);
    EXPECT_LE(lengthMm(1), axa.line2Mm + 3);
}

TEST_F(RealFontFitting, LongAmountInALargeCustomFontIsRefused) {
    fitting.setFontSettings({false, QStringLiteral("Arial"), 22, 12, 14, 8});
    convert();
    EXPECT_FALSE(fitting.wordsFit());
    ASSERT_EQ(t.dialogs.calls().size(), 1u);
    EXPECT_TRUE(
        t.dialogs.calls()[0].text.contains(QStringLiteral("La taille 22 de la fonte Arial, ")));
    EXPECT_FALSE(fitting.wordLines().holdsEnd(0));
    EXPECT_FALSE(fitting.wordLines().holdsEnd(1));
}

} // namespace
