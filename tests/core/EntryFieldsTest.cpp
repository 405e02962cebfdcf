#include "core/ChequeDate.h"
#include "core/ChequeFaceFixture.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

TEST(EntryFields, KeyPressClicksAndSwallowsEnter) {
    ChequeFaceFixture f;
    EXPECT_TRUE(f.entry.EditBeneficiaireKeyPress(u'D'));
    EXPECT_FALSE(f.entry.EditLieuKeyPress(u'\r'));
    EXPECT_TRUE(f.entry.EditDateKeyPress(u'1'));
    EXPECT_EQ(f.t.soundOutput.cues(), QStringList(3, QStringLiteral("Son007")));
}

TEST(EntryFields, NavigationKeysMoveTheFocus) {
    struct Case {
        void (ChequeEntry::*keyDown)(int);
        int key;
        std::optional<EntryField> target; // none: the next control
    } cases[] = {
        {&ChequeEntry::EditBeneficiaireKeyDown, Qt::Key_Return, std::nullopt},
        {&ChequeEntry::EditBeneficiaireKeyDown, Qt::Key_Up, EntryField::Amount},
        {&ChequeEntry::EditBeneficiaireKeyDown, Qt::Key_Down, EntryField::Place},
        {&ChequeEntry::EditLieuKeyDown, Qt::Key_Enter, std::nullopt},
        {&ChequeEntry::EditLieuKeyDown, Qt::Key_Up, EntryField::Beneficiary},
        {&ChequeEntry::EditLieuKeyDown, Qt::Key_Down, EntryField::Date},
        {&ChequeEntry::EditDateKeyDown, Qt::Key_Return, EntryField::Amount},
        {&ChequeEntry::EditDateKeyDown, Qt::Key_Up, EntryField::Place},
        {&ChequeEntry::EditDateKeyDown, Qt::Key_Down, EntryField::Amount},
    };
    for (const Case& c : cases) {
        ChequeFaceFixture f;
        std::optional<EntryField> focused;
        bool next = false;
        QObject::connect(&f.entry, &ChequeEntry::focusRequested,
                         [&focused](EntryField field) { focused = field; });
        QObject::connect(&f.entry, &ChequeEntry::focusNextRequested, [&next] { next = true; });
        (f.entry.*c.keyDown)(c.key);
        EXPECT_EQ(focused, c.target);
        EXPECT_EQ(next, !c.target.has_value());
    }
}

TEST(EntryFields, EmptyingAFieldHidesThePrintButton) {
    for (auto set : {&ChequeEntry::setBeneficiary, &ChequeEntry::setPlace, &ChequeEntry::setDate}) {
        ChequeFaceFixture f;
        (f.entry.*set)(QStringLiteral("x"));
        f.host.printVisible = true;
        (f.entry.*set)(QString());
        EXPECT_FALSE(f.host.printVisible);
    }
}

TEST(EntryFields, KeyReleaseKeepsTheTypedBeneficiary) {
    ChequeFaceFixture f;
    const QString longName(200, u'A');
    f.entry.setBeneficiary(longName);
    f.entry.EditBeneficiaireKeyUp();
    EXPECT_EQ(f.entry.LastBeneficiary(), longName.left(150));
    EXPECT_EQ(f.entry.edtBen(), f.entry.LastBeneficiary());
    f.entry.setBeneficiary(QStringLiteral("Dupont ***********")); // the fill marks
    EXPECT_EQ(f.entry.LastBeneficiary(), longName.left(150));
}

TEST(ChequeDates, FourStylesInFrenchWhateverTheLocale) {
    const QDate date(2026, 12, 9);
    struct Case {
        DateStyle style;
        const char* menu;
        const char* atStart;
    } cases[] = {
        {DateStyle::Words, "09 décembre 2026", "9 décembre 2026"},
        {DateStyle::Spaces, "09 12 2026", "9 12 2026"},
        {DateStyle::Dashes, "09-12-2026", "9-12-2026"},
        {DateStyle::Slashes, "09/12/2026", "09/12/2026"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formatChequeDate(date, c.style, true), QString::fromUtf8(c.menu));
        EXPECT_EQ(formatChequeDate(date, c.style, false), QString::fromUtf8(c.atStart));
    }
    EXPECT_EQ(formatChequeDate(QDate(2007, 5, 14), DateStyle::Words, true),
              QStringLiteral("14 mai 2007"));
    EXPECT_EQ(frenchMonthName(8), QStringLiteral("août"));
    EXPECT_EQ(frenchMonthName(2), QStringLiteral("février"));
}

TEST(ChequeDates, MenuEntriesCheckThemselvesAndWriteToday) {
    ChequeFaceFixture f; // the clock reads 11 December 2026
    f.entry.DatageTiretsClick();
    EXPECT_EQ(f.entry.dateStyle(), 3);
    EXPECT_EQ(f.entry.date(), QStringLiteral("11-12-2026"));
    f.entry.DatageDefautClick();
    EXPECT_EQ(f.entry.dateStyle(), 1);
    EXPECT_EQ(f.entry.date(), QStringLiteral("11 décembre 2026"));
    f.entry.DatageEspaceClick();
    EXPECT_EQ(f.entry.date(), QStringLiteral("11 12 2026"));
    f.entry.DatageSlachClick();
    EXPECT_EQ(f.entry.date(), QStringLiteral("11/12/2026"));
}

TEST(ChequeDates, StartDateWithoutLeadingZerosAndFirstStyleForUnknownValues) {
    ChequeFaceFixture f;
    f.t.clock.time = QDateTime(QDate(2026, 12, 9), QTime(8, 0));
    f.entry.setDateStyle(7);
    f.entry.writeStartDate();
    EXPECT_EQ(f.entry.dateStyle(), 1);
    EXPECT_EQ(f.entry.date(), QStringLiteral("9 décembre 2026"));
    f.entry.setDateStyle(2);
    f.entry.writeStartDate();
    EXPECT_EQ(f.entry.date(), QStringLiteral("9 12 2026"));
}

} // namespace
