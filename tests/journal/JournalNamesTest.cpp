#include "journal/JournalNames.h"

#include "journal/TestFormats.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
    const char* displayName;
    const char* oldCode;
    const char* oldSuffix;
    bool threeLines;
    bool dashed;
    const char* name;    // account 1
    const char* oldName; // account 2
};

// The 26 formats with their default names, in catalogue order.
const NameCase kCatalogue[] = {
    {"AXA Banque", "AXABA", "", false, false, "J_AXA-Banque1.txt", "J_AXABA2.TXT"},
    {"Banque Populaire", "BPOPU", "", false, false, "J_Banque-Populaire1.txt", "J_BPOPU2.TXT"},
    {"Banque Kolb", "BKOLB", "", false, false, "J_Banque-Kolb1.txt", "J_BKOLB2.TXT"},
    {"Banque Rhône-Alpes", "RHONA", "", false, false, "J_Banque-Rhône-Alpes1.txt", "J_RHONA2.TXT"},
    {"Banque Scalbert Dupont", "SCALB", "", false, false, "J_Banque-Scalbert-Dupont1.txt",
     "J_SCALB2.TXT"},
    {"BNP PARIBAS", "BABNP", "", false, false, "J_BNP-PARIBAS1.txt", "J_BABNP2.TXT"},
    {"Caisse d'Épargne Écureuil", "CEPAR", "", false, false, "J_Caisse-d'Épargne-Écureuil1.txt",
     "J_CEPAR2.TXT"},
    {"CaixaBank", "CAIXA", "", false, false, "J_CaixaBank1.txt", "J_CAIXA2.TXT"},
    {"Crédit Industriel et Commercial", "CIC", "", false, false,
     "J_Crédit-Industriel-et-Commercial1.txt", "J_CIC2.TXT"},
    {"Crédit Agricole [=]", "CA", "", false, false, "J_Crédit-Agricole-[=]1.txt", "J_CA2.TXT"},
    {"Crédit Agricole [--]", "CA", "_", false, true, "J_Crédit-Agricole-[--]_1.txt", "J_CA2_.TXT"},
    {"CA [3 lignes en lettres]", "CA", "_3L", true, false, "J_CA-[3-lignes-en-lettres]3L-1.txt",
     "J_CA2_3L.TXT"},
    {"Crédit Coopératif", "CCOOP", "", false, false, "J_Crédit-Coopératif1.txt", "J_CCOOP2.TXT"},
    {"Crédit Lyonnais LCL [=]", "LCL", "", false, false, "J_Crédit-Lyonnais-LCL-[=]1.txt",
     "J_LCL2.TXT"},
    {"Crédit Lyonnais LCL [--]", "LCL", "_", false, true, "J_Crédit-Lyonnais-LCL-[--]_1.txt",
     "J_LCL2_.TXT"},
    {"Crédit Maritime", "CMARI", "", false, false, "J_Crédit-Maritime1.txt", "J_CMARI2.TXT"},
    {"Crédit Mutuel", "CMUTU", "", false, false, "J_Crédit-Mutuel1.txt", "J_CMUTU2.TXT"},
    {"Crédit du Nord", "CNORD", "", false, false, "J_Crédit-du-Nord1.txt", "J_CNORD2.TXT"},
    {"Fortis Banque", "FORTI", "", false, false, "J_Fortis-Banque1.txt", "J_FORTI2.TXT"},
    {"HSBC", "CCF", "", false, false, "J_HSBC1.txt", "J_CCF2.TXT"},
    {"La Banque Postale", "LBPOS", "", false, false, "J_La-Banque-Postale1.txt", "J_LBPOS2.TXT"},
    {"Lyonnaise de Banque", "LYONN", "", false, false, "J_Lyonnaise-de-Banque1.txt",
     "J_LYONN2.TXT"},
    {"Neuflize OBC", "NEUFL", "", false, false, "J_Neuflize-OBC1.txt", "J_NEUFL2.TXT"},
    {"Société Générale [=]", "SG", "", false, false, "J_Société-Générale-[=]1.txt", "J_SG2.TXT"},
    {"Société Générale [--]", "SG", "_", false, true, "J_Société-Générale-[--]_1.txt",
     "J_SG2_.TXT"},
    {"Chèque Emploi Service Universel", "CESU", "", false, false,
     "J_Chèque-Emploi-Service-Universel1.txt", "J_CESU2.TXT"},
};

TEST(JournalNames, EveryFormatOfTheCatalogueHasItsCurrentAndEarlierName) {
    for (const NameCase& c : kCatalogue) {
        const JournalFormatInfo format{QString::fromUtf8(c.displayName),
                                       QString(),
                                       QString::fromUtf8(c.oldCode),
                                       QString::fromUtf8(c.oldSuffix),
                                       3,
                                       c.threeLines,
                                       c.dashed};
        EXPECT_EQ(GetNameJournal({&format, 1, false}, QStringLiteral("txt")),
                  QString::fromUtf8(c.name));
        EXPECT_EQ(GetNameOldJournal({&format, 2, false}), QString::fromUtf8(c.oldName));
    }
}

TEST(JournalNames, AccountExtensionAndSingleJournal) {
    const JournalFormatInfo bnp = bnpFormat();
    const JournalFormatInfo sg = societeGeneraleDashFormat();
    EXPECT_EQ(GetNameJournal({&bnp, 2, false}, QStringLiteral("txt")),
              QStringLiteral("J_BNP-PARIBAS2.txt"));
    EXPECT_EQ(GetNameJournal({&bnp, 0, false}, QStringLiteral("txt")),
              QStringLiteral("J_BNP-PARIBAS.txt"));
    EXPECT_EQ(GetNameJournal({&bnp, 1, false}, QStringLiteral("csv")),
              QStringLiteral("J_BNP-PARIBAS1.csv"));
    EXPECT_EQ(GetNameJournal({&sg, 9, false}, QStringLiteral("txt")),
              QStringLiteral("J_Société-Générale-[--]_9.txt"));
    EXPECT_EQ(GetNameJournal({&bnp, 2, true}, QStringLiteral("txt")),
              QStringLiteral("Journal.txt"));
    EXPECT_EQ(GetNameJournal({&bnp, 2, true}, QStringLiteral("csv")),
              QStringLiteral("Journal.csv"));
    EXPECT_EQ(GetNameOldJournal({&bnp, 2, true}), QStringLiteral("Journal.TXT"));
    EXPECT_EQ(GetPathJournal(QStringLiteral("/home/u/.local/share/Quilmet/"), {&bnp, 3, false}),
              QStringLiteral("/home/u/.local/share/Quilmet/J_BNP-PARIBAS3.txt"));
}

} // namespace
