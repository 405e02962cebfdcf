#include "formats/BankFormatCatalogue.h"

#include <QFile>
#include <QSet>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

// The reference tables of the formats, one "| a | b | ... |" row per format in menu order.
std::vector<QStringList> referenceRows(const char* name) {
    QFile file(QStringLiteral(QUILMET_TEST_DATA "/formats/") + QString::fromLatin1(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    std::vector<QStringList> rows;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (!line.startsWith(u'|'))
            continue;
        QStringList cells = line.trimmed().mid(1).chopped(1).split(u'|');
        for (QString& cell : cells) {
            cell = cell.trimmed();
            if (cell.size() >= 2 && (cell.front() == u'`' || cell.front() == u'"'))
                cell = cell.mid(1).chopped(1);
        }
        rows.push_back(cells);
    }
    EXPECT_EQ(rows.size(), 26u) << name;
    return rows;
}

const BankFormatCatalogue& catalogue() {
    return BankFormatCatalogue::standard();
}

} // namespace

TEST(BankFormatCatalogue, HoldsTwentySixFormatsNumberedTwoToTwentySevenInMenuOrder) {
    ASSERT_EQ(catalogue().formats().size(), 26u);
    for (int number = 2; number <= 27; ++number) {
        ASSERT_NE(catalogue().byNumber(number), nullptr);
        EXPECT_EQ(catalogue().byNumber(number)->number, number);
        EXPECT_EQ(&catalogue().formats()[std::size_t(number - 2)], catalogue().byNumber(number));
    }
    for (int outside : {-1, 0, 1, 28, 40})
        EXPECT_EQ(catalogue().byNumber(outside), nullptr) << outside;
}

TEST(BankFormatCatalogue, IdentityAndScreenNamesMatchTheReferenceTable) {
    const auto rows = referenceRows("identity.txt");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QStringList& row = rows[i];
        const BankFormat& format = catalogue().formats()[i];
        SCOPED_TRACE(row.join(u'|').toStdString());
        EXPECT_EQ(format.number, row[0].toInt());
        EXPECT_EQ(format.menuEntry, row[1]);
        EXPECT_EQ(format.nameKey, row[2]);
        EXPECT_EQ(format.defaultDisplayName, row[3]);
        const QString pageAndTab =
            format.page.isEmpty() ? format.formatTab
                                  : QStringLiteral("%1 / `%2`").arg(format.page, format.formatTab);
        EXPECT_EQ(pageAndTab, row[4]);
        EXPECT_EQ(format.defaultButton, row[5]);
    }
}

TEST(BankFormatCatalogue, KeysFilesAndRoutinesMatchTheReferenceTable) {
    const auto rows = referenceRows("keys.txt");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QStringList& row = rows[i];
        const BankFormat& format = catalogue().formats()[i];
        SCOPED_TRACE(row.join(u'|').toStdString());
        EXPECT_EQ(format.number, row[0].toInt());
        EXPECT_EQ(format.editSuffix, row[1]);
        EXPECT_EQ(format.positionsPrefix, row[2]);
        EXPECT_EQ(format.accountName, row[3]);
        EXPECT_EQ(format.stubPrefix, row[4]);
        EXPECT_EQ(format.backPrefix, row[5]);
        EXPECT_EQ(format.oldJournalFileName(2),
                  QString(row[6]).replace(QStringLiteral("<k>"), QStringLiteral("2")));
        EXPECT_EQ(format.printRoutine, row[7]);
        EXPECT_EQ(format.selectionRoutine, row[8]);
    }
}

TEST(BankFormatCatalogue, FactoryPositionsMatchTheReferenceTable) {
    const auto rows = referenceRows("factory.txt");
    const int columns[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QStringList& row = rows[i];
        const BankFormat& format = catalogue().formats()[i];
        SCOPED_TRACE(row.join(u'|').toStdString());
        EXPECT_EQ(format.editSuffix, row[0]);
        for (std::size_t c = 0; c < std::size(columns); ++c)
            EXPECT_EQ(format.factoryPositions.field(columns[c]), row[int(c) + 1].toInt())
                << "field " << columns[c];
    }
}

TEST(BankFormatCatalogue, PrintAdjustmentsMatchTheReferenceTable) {
    const auto rows = referenceRows("adjustments.txt");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QStringList& row = rows[i];
        const BankFormat& format = catalogue().formats()[i];
        SCOPED_TRACE(row.join(u'|').toStdString());
        EXPECT_TRUE(row[0].endsWith(QStringLiteral("(%1)").arg(format.number)));
        const PrintAdjustments& a = format.adjustments;
        EXPECT_EQ(a.wordsDy, row[1].section(u' ', 0, 0).toInt());
        EXPECT_EQ(a.beneficiaryDy, row[2].toInt());
        EXPECT_EQ(a.figuresDy, row[3].toInt());
        EXPECT_EQ(a.placeDateDy, row[4].toInt());
        const QString dx = row[5];
        const auto plusOne = [&dx](const char* element) {
            const QString name = QString::fromLatin1(element);
            return dx.contains(name) && !dx.contains(QStringLiteral("not ") + name) ? 1 : 0;
        };
        EXPECT_EQ(a.beneficiaryDx, plusOne("beneficiary"));
        EXPECT_EQ(a.figuresDx, plusOne("figures"));
        EXPECT_EQ(a.placeDx, plusOne("place"));
        EXPECT_EQ(a.dateDx, plusOne("date"));
    }
}

TEST(BankFormatCatalogue, OnlyTheThreeLineFormatHasLineThreeFields) {
    for (const BankFormat& format : catalogue().formats()) {
        const bool threeLines = format.number == 13;
        EXPECT_EQ(format.lineCount, threeLines ? 3 : 2) << format.number;
        EXPECT_EQ(format.fieldNumbers().size(), threeLines ? 18u : 15u) << format.number;
        for (int extra : {15, 30, 31})
            EXPECT_EQ(format.hasField(extra), threeLines) << format.number << " " << extra;
        EXPECT_FALSE(format.hasField(17));
    }
    const FieldPositions& ca3l = catalogue().byNumber(13)->factoryPositions;
    EXPECT_EQ(ca3l.wordsLine3Length, 73);
    EXPECT_EQ(ca3l.wordsLine3X, 46);
    EXPECT_EQ(ca3l.wordsLine3Y, 32);
}

TEST(BankFormatCatalogue, NineAccountsOnlyForTheSocieteGeneraleFormats) {
    for (const BankFormat& format : catalogue().formats())
        EXPECT_EQ(format.accountCount, format.number == 25 || format.number == 26 ? 9 : 3)
            << format.number;
}

TEST(BankFormatCatalogue, StartUpValuesDifferFromFactoryOnlyForKolbAndCaisseEpargne) {
    for (const BankFormat& format : catalogue().formats()) {
        FieldPositions expected = format.factoryPositions;
        if (format.editSuffix == u"K") {
            expected.wordsLine2Length = 125;
            expected.beneficiaryLength = 120;
        } else if (format.editSuffix == u"CEE") {
            expected.wordsLine2Length = 120;
        }
        EXPECT_EQ(format.startupPositions, expected) << format.number;
    }
}

TEST(BankFormatCatalogue, JournalMarkersForTheThreeLineAndDashedFormats) {
    for (const BankFormat& format : catalogue().formats()) {
        const char* expected = "";
        if (format.number == 13)
            expected = "3L-";
        else if (format.number == 12 || format.number == 16 || format.number == 26)
            expected = "_";
        EXPECT_EQ(format.journalMarker, QString::fromLatin1(expected)) << format.number;
    }
    EXPECT_EQ(catalogue().byNumber(13)->oldJournalFileName(2), u"J_CA2_3L.TXT");
    EXPECT_EQ(catalogue().byNumber(26)->oldJournalFileName(9), u"J_SG9_.TXT");
}

TEST(BankFormatCatalogue, SettingsKeysAndIdentifiersAreUnique) {
    QSet<QString> positionKeys;
    QSet<QString> suffixes;
    QSet<QString> nameKeys;
    for (const BankFormat& format : catalogue().formats()) {
        suffixes.insert(format.editSuffix.toLower());
        nameKeys.insert(format.nameKey.toLower());
        for (int field : format.fieldNumbers())
            positionKeys.insert(format.positionKey(field).toLower());
    }
    EXPECT_EQ(suffixes.size(), 26);
    EXPECT_EQ(nameKeys.size(), 26);
    EXPECT_EQ(positionKeys.size(), 25 * 15 + 18);
}

TEST(BankFormatCatalogue, LooksUpByEditSuffixNameKeyAndAccountNameWithoutRegardToCase) {
    EXPECT_EQ(catalogue().byEditSuffix(u"K")->number, 4);
    EXPECT_EQ(catalogue().byEditSuffix(u"soge_")->number, 26);
    EXPECT_EQ(catalogue().byEditSuffix(u"CMa")->number, 17);
    EXPECT_EQ(catalogue().byNameKey(u"CMu")->number, 18);
    EXPECT_EQ(catalogue().byAccountName(u"CCF")->number, 21);
    EXPECT_EQ(catalogue().byEditSuffix(u"XYZ"), nullptr);
    EXPECT_EQ(catalogue().byEditSuffix(u""), nullptr);
}

TEST(BankFormatCatalogue, NamesOfFieldsKeysAndCaptions) {
    const BankFormat& hsbc = *catalogue().byNumber(21);
    EXPECT_EQ(hsbc.positionKey(14), u"CCF14");
    EXPECT_EQ(hsbc.editName(14), u"Edit14BqHSBC");
    EXPECT_EQ(BankFormat::caption(QStringLiteral("Ma &Banque && Co")), u"Ma Banque  Co");
}

TEST(BankFormatCatalogue, AnchorsApplyTheFormatAdjustments) {
    struct Case {
        int number;
        ChequeField element;
        QPoint expected;
    };
    const Case cases[] = {
        {7, ChequeField::WordsLine1, {47, 20}},   // BNP: 22 - 2
        {7, ChequeField::Figures, {133, 29}},     // BNP: +1, 32 - 3
        {18, ChequeField::Place, {133, 40}},      // Crédit Mutuel: place not moved right
        {18, ChequeField::Date, {134, 44}},       // but the date is
        {18, ChequeField::Beneficiary, {11, 30}}, // and the beneficiary
        {13, ChequeField::WordsLine3, {46, 30}},  // three-line format: line 3 at (30, 31 - 2)
        {8, ChequeField::Figures, {133, 27}},     // Caisse d'Épargne: 32 - 5
        {10, ChequeField::Date, {131, 42}},       // CIC: place and date 3 up
    };
    for (const Case& c : cases) {
        const BankFormat& format = *catalogue().byNumber(c.number);
        EXPECT_EQ(format.anchorMm(c.element, format.factoryPositions), c.expected)
            << c.number << " " << int(c.element);
    }
}

TEST(BankFormatCatalogue, DefaultFontsOfThePrintedElements) {
    const QFont words = BankFormatCatalogue::defaultFont(ChequeField::WordsLine3);
    EXPECT_EQ(words.family(), u"MS Sans Serif");
    EXPECT_EQ(words.pointSize(), 9);
    EXPECT_TRUE(words.bold());
    EXPECT_EQ(BankFormatCatalogue::defaultFont(ChequeField::Beneficiary).pointSize(), 12);
    EXPECT_FALSE(BankFormatCatalogue::defaultFont(ChequeField::Beneficiary).bold());
    EXPECT_EQ(BankFormatCatalogue::defaultFont(ChequeField::Figures).pointSize(), 14);
    EXPECT_TRUE(BankFormatCatalogue::defaultFont(ChequeField::Figures).bold());
    EXPECT_EQ(BankFormatCatalogue::defaultFont(ChequeField::Date).pointSize(), 10);
}

TEST(FieldPositions, FieldsKeepWithinTheirRanges) {
    struct Case {
        int field;
        int value;
        int kept;
    };
    const Case cases[] = {{1, 150, 99},  {4, 171, 170}, {7, 71, 70}, {16, 500, 170},
                          {30, 100, 99}, {31, 80, 70},  {12, -5, 0}, {6, 170, 170}};
    for (const Case& c : cases) {
        FieldPositions positions;
        positions.setField(c.field, c.value);
        EXPECT_EQ(positions.field(c.field), c.kept) << c.field;
    }
    FieldPositions positions;
    positions.setField(17, 5);
    EXPECT_EQ(positions, FieldPositions{});
    EXPECT_EQ(positions.field(17), 0);
}
