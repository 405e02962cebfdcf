#include "lists/EntryLists.h"

#include "platform/IniDocument.h"

#include <gtest/gtest.h>

namespace {

TEST(EntryLists, SaveErasesTheOldSectionsSoNoStaleItemSurvives) {
    EntryLists lists;
    lists.load(IniDocument::fromBytes("[LISTSOMMES]\r\nLS0=1\r\nLS1=2\r\nLS2=3\r\n"));
    lists.setAmounts({QStringLiteral("12,50")});
    IniDocument doc = IniDocument::fromBytes("[LISTSOMMES]\r\nLS0=1\r\nLS1=2\r\nLS2=3\r\n");
    lists.save(doc);
    EXPECT_EQ(doc.keys(u"LISTSOMMES"), QStringList{QStringLiteral("LS0")});
    EXPECT_EQ(doc.readString(u"LISTSOMMES", u"LS0", {}), QStringLiteral("12,50"));
}

TEST(EntryLists, EmptyListsLeaveNoSectionAndEmptyValuesStillCountAsItems) {
    EntryLists lists;
    lists.load(IniDocument::fromBytes("[LISTBENEF]\r\nLB0=\r\nLB1=Bob\r\n"));
    EXPECT_EQ(lists.beneficiaries(), (QStringList{QString(), QStringLiteral("Bob")}));
    lists.setBeneficiaries({});
    IniDocument doc;
    lists.save(doc);
    EXPECT_FALSE(doc.sectionExists(u"LISTBENEF"));
}

} // namespace
