#include "journal/NumberEntryField.h"

#include <gtest/gtest.h>

namespace {

struct KeyCase {
    const char* name;
    NumberEntryField::Kind kind;
    const char* initial;
    int caret;
    int selection;
    const char* keys;
    const char* text;
    int alerts;
};

TEST(NumberEntryField, KeyFilterAndLengthLimits) {
    using K = NumberEntryField::Kind;
    const KeyCase cases[] = {
        {"account digits and capitals", K::Account, "", 0, 0, "FR76ab.-3 Z", "FR763Z", 0},
        {"account stops at 12 once typed", K::Account, "", 0, 0, "1234567890ABCD", "1234567890AB",
         3},
        {"account of 13 loaded is kept", K::Account, "1234567890ABC", 13, 0, "D", "1234567890ABC",
         1},
        {"first typed change may reach 13", K::Account, "1234567890AB", 12, 0, "CD",
         "1234567890ABC", 2},
        {"cheque digits only", K::Cheque, "", 0, 0, "12a.B3 4", "1234", 0},
        {"cheque stops at 7", K::Cheque, "", 0, 0, "123456789", "1234567", 3},
        {"typing replaces the selection", K::Cheque, "1234567", 2, 3, "9", "12967", 0},
        {"backspace removes before the caret", K::Cheque, "1234", 2, 0, "\b", "134", 0},
        {"backspace removes the selection", K::Account, "FR76ABC", 0, 4, "\b", "ABC", 0},
        {"backspace at the start does nothing", K::Cheque, "12", 0, 0, "\b", "12", 0},
        {"insert in the middle", K::Cheque, "1256", 2, 0, "34", "123456", 0},
    };
    for (const KeyCase& c : cases) {
        NumberEntryField field(c.kind);
        field.setText(QString::fromUtf8(c.initial));
        field.setCaret(c.caret, c.selection);
        int alerts = 0;
        QObject::connect(&field, &NumberEntryField::limitReached, [&alerts] { ++alerts; });
        for (const char* k = c.keys; *k != '\0'; ++k)
            field.KeyPress(QChar::fromLatin1(*k));
        EXPECT_EQ(field.text(), QString::fromUtf8(c.text)) << c.name;
        EXPECT_EQ(alerts, c.alerts) << c.name;
    }
}

TEST(NumberEntryField, EnterIsReportedAndChangesNothing) {
    NumberEntryField field(NumberEntryField::Kind::Cheque);
    field.setText(QStringLiteral("123"));
    EXPECT_EQ(field.KeyPress(u'\r'), NumberEntryField::KeyResult::Enter);
    EXPECT_EQ(field.KeyPress(u'.'), NumberEntryField::KeyResult::Ignored);
    EXPECT_EQ(field.KeyPress(u'4'), NumberEntryField::KeyResult::Accepted);
    EXPECT_EQ(field.text(), QStringLiteral("1234"));
    EXPECT_EQ(field.caret(), 4);
}

} // namespace
