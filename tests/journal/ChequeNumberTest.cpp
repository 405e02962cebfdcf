#include "journal/ChequeNumber.h"

#include <gtest/gtest.h>

namespace {

TEST(ChequeNumber, SteppingKeepsTheWidth) {
    const struct {
        const char* from;
        int delta;
        const char* to; // nullptr: refused
    } cases[] = {
        {"0000999", +1, "0001000"},
        {"0012345", +1, "0012346"},
        {"9999999", +1, "10000000"},
        {"1234567", +1, "1234568"},
        {"9", +1, "10"},
        {"0", +1, "1"},
        {"0001000", -1, "0000999"},
        {"10", -1, "09"},
        {"0000001", -1, "0000000"},
        {"0000000", -1, nullptr},
        {"", +1, nullptr},
        {"A1", +1, nullptr},
        {"12 ", +1, nullptr},
        {"-5", +1, nullptr},
        {"+5", +1, nullptr},
        {"99999999999999", +1, "100000000000000"}, // no 32-bit overflow
    };
    for (const auto& c : cases) {
        const auto result = ChequeNumber::stepped(QString::fromUtf8(c.from), c.delta);
        if (c.to == nullptr)
            EXPECT_FALSE(result) << c.from;
        else
            EXPECT_EQ(result.value_or(QStringLiteral("<refused>")), QString::fromUtf8(c.to))
                << c.from;
    }
}

} // namespace
