#include "journal/JournalEntryLayout.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

JournalEntry plainEntry() {
    JournalEntry e;
    e.printedAt = QDateTime(QDate(2026, 12, 11), QTime(10, 30, 0));
    e.formatName = QStringLiteral("BNP PARIBAS");
    e.account = 1;
    e.accountNumber = QStringLiteral("FR76300");
    e.chequeNumber = QStringLiteral("1234567");
    e.wordsLines = {QStringLiteral("*** Deux euros\u00A0***"), QString(), QString()};
    e.currencyPlural = QStringLiteral("euros");
    e.figures = QStringLiteral("2,00");
    e.beneficiary = QStringLiteral("Martin");
    e.place = QStringLiteral("Lyon");
    e.date = QStringLiteral("11/12/2026");
    return e;
}

QStringList linesOf(const QString& text) {
    return text.split(QStringLiteral("\r\n"));
}

TEST(JournalEntryLayout, TwelveLinesThenThreeEmptyLinesEachEndedByCrLf) {
    const QString text = journalEntryText(plainEntry());
    EXPECT_TRUE(text.endsWith(QStringLiteral("Date : 11/12/2026\r\n\r\n\r\n\r\n")));
    const QStringList lines = linesOf(text);
    ASSERT_EQ(lines.size(), 16); // 15 lines and what follows the last break
    EXPECT_EQ(lines[5], QStringLiteral("Chèque n° 1234567"));
    EXPECT_EQ(lines[6], QStringLiteral("       IMPRIMÉ SUR CE CHÈQUE"));
    EXPECT_EQ(lines[7], QStringLiteral("Deux euros\u00A0"));
}

TEST(JournalEntryLayout, AccountMarkerFollowsTheAccount) {
    const struct {
        int account;
        const char* line;
    } cases[] = {{0, "CompteBNP PARIBAS n° FR76300"},
                 {1, "Compte BNP PARIBAS n° FR76300"},
                 {3, "Compte 3 BNP PARIBAS n° FR76300"},
                 {9, "Compte 9 BNP PARIBAS n° FR76300"}};
    for (const auto& c : cases) {
        JournalEntry e = plainEntry();
        e.account = c.account;
        EXPECT_EQ(linesOf(journalEntryText(e))[4], QString::fromUtf8(c.line));
    }
}

TEST(JournalEntryLayout, TagLineNamesTheFillStyle) {
    const struct {
        FillTagStyle style;
        const char* line;
    } cases[] = {
        {FillTagStyle::NotSelected, "Activation tags en zone sensible : "},
        {FillTagStyle::NoTags, "Activation tags en zone sensible : non, option neutralisée."},
        {FillTagStyle::IdenticalCharacters,
         "Activation tags en zone sensible : oui, mode remplissage caractères identiques."},
        {FillTagStyle::RepeatBeneficiary,
         "Activation tags en zone sensible : oui, mode répétition libellé bénéficiaire."}};
    for (const auto& c : cases) {
        JournalEntry e = plainEntry();
        e.tags = c.style;
        EXPECT_EQ(linesOf(journalEntryText(e))[2], QString::fromUtf8(c.line));
    }
}

TEST(JournalEntryLayout, PlaceAndDateAreCutTo27Characters) {
    JournalEntry e = plainEntry();
    e.place = QStringLiteral("Saint-Rémy-de-Provence (13210)");
    e.date = QStringLiteral("mercredi 31 décembre 2026 !!");
    const QStringList lines = linesOf(journalEntryText(e));
    EXPECT_EQ(lines[10], QStringLiteral("Lieu : Saint-Rémy-de-Provence (132"));
    EXPECT_EQ(lines[11], QStringLiteral("Date : mercredi 31 décembre 2026 !"));
}

TEST(JournalEntryLayout, WordsLinesLoseTheirFillMarks) {
    const struct {
        const char* line1;
        const char* line2;
        const char* line3;
        bool threeLines;
        const char* words;
    } cases[] = {
        {"*** Mille euros ", "et deux centimes\u00A0*****", "", false,
         "Mille euros et deux centimes\u00A0"},
        {"***Mille euros", "****", "", false, "Milleeuros"}, // the first blank goes anyway
        {"*** Cent", "vingt", "euros\u00A0***", true, "Centvingteuros\u00A0"},
        {"*** Cent", "vingt", "**", false, "Centvingt**"},
    };
    for (const auto& c : cases) {
        JournalEntry e = plainEntry();
        e.wordsLines = {QString::fromUtf8(c.line1), QString::fromUtf8(c.line2),
                        QString::fromUtf8(c.line3)};
        e.threeLineFormat = c.threeLines;
        EXPECT_EQ(linesOf(journalEntryText(e))[7], QString::fromUtf8(c.words)) << c.line1;
    }
}

TEST(JournalEntryLayout, StubBlockFollowsOptionsAndLines) {
    const struct {
        const char* name;
        bool date, beneficiary, amount;
        const char* l1;
        const char* l2;
        const char* l3;
        const char* block;
    } cases[] = {
        {"nothing", false, false, false, "", "", "", ""},
        {"date only", true, false, false, "", "", "",
         "ˆ      IMPRIMÉ SUR CETTE SOUCHE\r\nˆDate indiquée "},
        {"one blank line", false, false, false, " ", "", "", "ˆ      IMPRIMÉ SUR CETTE SOUCHE\r\n"},
        {"everything", true, true, true, "Loyer", "Mars", "Appt 3",
         "ˆ      IMPRIMÉ SUR CETTE SOUCHE\r\nˆDate indiquée \r\nˆBénéficiaire indiqué\r\n"
         "ˆSomme indiquée\r\nˆLigne 1 : Loyer\r\nˆLigne 2 : Mars\r\nˆLigne 3 : Appt 3"},
        {"second line only", false, false, false, "", "Facture 42", "",
         "ˆ      IMPRIMÉ SUR CETTE SOUCHE\r\nˆLigne 2 : Facture 42"},
    };
    for (const auto& c : cases) {
        JournalEntry e = plainEntry();
        e.stubShown = true;
        e.stubDate = c.date;
        e.stubBeneficiary = c.beneficiary;
        e.stubAmount = c.amount;
        e.stubLines = {QString::fromUtf8(c.l1), QString::fromUtf8(c.l2), QString::fromUtf8(c.l3)};
        EXPECT_EQ(journalStubBlock(e), QString::fromUtf8(c.block)) << c.name;
    }
}

TEST(JournalEntryLayout, StubBlockSitsBetweenChequeNumberAndPrintedLines) {
    JournalEntry e = plainEntry();
    e.stubShown = true;
    e.stubDate = true;
    EXPECT_TRUE(journalEntryText(e).contains(
        QStringLiteral("Chèque n° 1234567\r\nˆ      IMPRIMÉ SUR CETTE SOUCHE\r\nˆDate indiquée "
                       "\r\n       IMPRIMÉ SUR CE CHÈQUE\r\n")));
    // Only the header: an empty line before the printed lines.
    e.stubDate = false;
    e.stubLines = {QStringLiteral(" "), QString(), QString()};
    EXPECT_TRUE(
        journalEntryText(e).contains(QStringLiteral("SOUCHE\r\n\r\n       IMPRIMÉ SUR CE CHÈQUE")));
    // Nothing to say, or the stub hidden: no block at all.
    e.stubLines = {};
    const QString withoutStub = journalEntryText(plainEntry());
    EXPECT_EQ(journalEntryText(e), withoutStub);
    e.stubShown = false;
    e.stubDate = true;
    EXPECT_EQ(journalEntryText(e), withoutStub);
}

TEST(JournalEntryLayout, TheEntryIsCp1252WithTheStubMarkAs0x88) {
    JournalEntry e = plainEntry();
    e.stubShown = true;
    e.stubAmount = true;
    const QByteArray bytes = journalWithEntry({}, journalEntryText(e), false);
    EXPECT_TRUE(bytes.contains("\x88Somme indiqu\xE9"
                               "e\r\n"));
    EXPECT_TRUE(bytes.startsWith("       \xC9"
                                 "DIT\xC9 LE 11 d\xE9"
                                 "cembre 2026 \xE0 10:30:00\r\n"));
}

TEST(JournalEntryLayout, EarlierLinesAreRewrittenWithCrLfAndTheEntryGoesFirstOrLast) {
    const struct {
        const char* name;
        QByteArray journal;
        bool inverted;
        QByteArray expected;
    } cases[] = {
        {"empty", "", false, "E\r\n"},
        {"appended", "a\r\nb\r\n", false, "a\r\nb\r\nE\r\n"},
        {"inserted first", "a\r\nb\r\n", true, "E\r\na\r\nb\r\n"},
        {"last line unfinished", "a\r\nb", false, "a\r\nb\r\nE\r\n"},
        {"other breaks", "a\nb\rc\r\n\r\nd", false, "a\r\nb\r\nc\r\n\r\nd\r\nE\r\n"},
        {"empty lines kept", "\r\n\r\n", true, "E\r\n\r\n\r\n"},
        {"any bytes", QByteArray("x\0y\x88", 4), false, QByteArray("x\0y\x88\r\nE\r\n", 9)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(journalWithEntry(c.journal, QStringLiteral("E\r\n"), c.inverted), c.expected)
            << c.name;
}

} // namespace
