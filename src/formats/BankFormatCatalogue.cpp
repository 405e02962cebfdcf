#include "formats/BankFormatCatalogue.h"

#include <array>

namespace {

struct Row {
    int number;
    const char* menuEntry;
    const char* nameKey;
    const char* displayName;
    const char* page;
    const char* formatTab;
    const char* defaultButton;
    const char* editSuffix;
    const char* positionsPrefix;
    const char* accountName;
    const char* stubPrefix;
    const char* backPrefix;
    const char* oldJournalCode;
    const char* oldJournalSuffix;
    const char* journalMarker;
    const char* printRoutine;
    const char* selectionRoutine;
    int lineCount;
    int accountCount;
    PrintAdjustments adjustments;
    std::array<int, 15> factory; // fields 1 to 14, then 16
};

// Factory positions of fields 1-14 and 16; the three-line format's extra fields follow below.
const Row kRows[] = {
    {2,
     "AXA",
     "Axa",
     "AXA Banque",
     "A",
     "OngletAXA",
     "BtnAxParDefaut",
     "Ax",
     "Ax",
     "AXA",
     "AXA",
     "AXA",
     "AXABA",
     "",
     "",
     "PrintChqAXA",
     "InterfaceAXAbq",
     2,
     3,
     {2, 3, 3, 2, 0, 0, 0, 0},
     {42, 4, 7, 132, 85, 131, 23, 28, 33, 32, 40, 40, 75, 110, 104}},
    {3,
     "BanquePopulaire",
     "BP",
     "Banque Populaire",
     "B",
     "OngletBP",
     "BtnBPParDefaut",
     "BP",
     "BP",
     "BanquePopulaire",
     "BP",
     "BP",
     "BPOPU",
     "",
     "",
     "PrintChqBanquePopulaire",
     "InterfaceBanquePopulaire",
     2,
     3,
     {3, 4, 4, 3, 0, 0, 0, 0},
     {31, 4, 7, 133, 95, 134, 22, 28, 34, 32, 42, 42, 90, 115, 110}},
    {4,
     "Kolb",
     "BK",
     "Banque Kolb",
     "B",
     "OngletBK",
     "BtnKParDefaut",
     "K",
     "BK",
     "Kolb",
     "Kolb",
     "Kolb",
     "BKOLB",
     "",
     "",
     "PrintChqKolb",
     "InterfaceKolb",
     2,
     3,
     {2, 3, 3, 2, 0, 0, 0, 0},
     {8, 8, 10, 131, 135, 135, 21, 27, 33, 32, 40, 46, 115, 113, 100}},
    {5,
     "RhoneAlpes",
     "BRA",
     "Banque Rhône-Alpes",
     "B",
     "OngletBRA",
     "BtnBRAParDefaut",
     "BRA",
     "BRA",
     "RhoneAlpes",
     "BRAlp",
     "BRAl",
     "RHONA",
     "",
     "",
     "PrintChqRhoneAlpes",
     "InterfaceRhoneAlpes",
     2,
     3,
     {3, 3, 3, 2, 0, 0, 0, 0},
     {45, 10, 10, 131, 133, 133, 21, 27, 33, 32, 40, 46, 75, 116, 113}},
    {6,
     "ScalbertDupont",
     "SD",
     "Banque Scalbert Dupont",
     "B",
     "OngletBSD",
     "BtnSDParDefaut",
     "SD",
     "SD",
     "ScalbertDupont",
     "BScaDu",
     "BScaDu",
     "SCALB",
     "",
     "",
     "PrintChqScalbertDupont",
     "InterfaceScalbertDupont",
     2,
     3,
     {2, 3, 4, 2, 0, 0, 0, 0},
     {40, 5, 8, 132, 132, 132, 20, 27, 32, 32, 40, 45, 75, 105, 110}},
    {7,
     "BNP",
     "BNP",
     "BNP PARIBAS",
     "B",
     "OngletBNP",
     "BtnBNPParDefaut",
     "BNP",
     "BNP",
     "BNP",
     "BNP",
     "BNP",
     "BABNP",
     "",
     "",
     "PrintChqBNP",
     "InterfaceBNP",
     2,
     3,
     {2, 3, 3, 2, 0, 1, 1, 1},
     {47, 5, 5, 132, 87, 130, 22, 28, 34, 32, 45, 45, 72, 115, 114}},
    {8,
     "CaisseEpargne",
     "CEE",
     "Caisse d'Épargne Écureuil",
     "C",
     "OngletCEE",
     "BtnCEEParDefaut",
     "CEE",
     "CEE",
     "CaisseEpargne",
     "CaisEpEc",
     "CaisEpEc",
     "CEPAR",
     "",
     "",
     "PrintChqCaisseEpargne",
     "InterfaceCaisseEpargne",
     2,
     3,
     {3, 4, 5, 3, 0, 1, 1, 1},
     {43, 4, 5, 132, 132, 132, 20, 27, 34, 32, 40, 45, 78, 122, 115}},
    {9,
     "Caixa",
     "CX",
     "CaixaBank",
     "C",
     "OngletCB",
     "BtnCXParDefaut",
     "CX",
     "CX",
     "Caixa",
     "CAIXA",
     "Caixa",
     "CAIXA",
     "",
     "",
     "PrintChqCaixa",
     "InterfaceCaixa",
     2,
     3,
     {3, 3, 3, 2, 0, 0, 0, 0},
     {5, 5, 7, 134, 131, 131, 25, 30, 34, 34, 43, 47, 117, 117, 115}},
    {10,
     "CIC",
     "CIC",
     "Crédit Industriel et Commercial",
     "C",
     "OngletCIC",
     "BtnCICParDefaut",
     "CIC",
     "CIC",
     "CIC",
     "CIC",
     "CIC",
     "CIC",
     "",
     "",
     "PrintChqCIC",
     "InterfaceCIC",
     2,
     3,
     {2, 3, 3, 3, 0, 0, 0, 0},
     {27, 5, 8, 132, 131, 131, 19, 26, 32, 31, 40, 45, 86, 110, 105}},
    {11,
     "CreditAgricole",
     "CA",
     "Crédit Agricole [=]",
     "C",
     "OngletCA",
     "BtnCAParDefaut",
     "CA",
     "CA",
     "CreditAgricole",
     "CredAgric",
     "CredAgric",
     "CA",
     "",
     "",
     "PrintChqCreditAgricole",
     "InterfaceCreditAgricole",
     2,
     3,
     {3, 3, 3, 2, 0, 1, 1, 1},
     {30, 6, 10, 129, 135, 135, 22, 28, 34, 32, 42, 48, 88, 115, 110}},
    {12,
     "CreditAgricole_",
     "CA_",
     "Crédit Agricole [--]",
     "C",
     "OngletCA_",
     "BtnCAParDefaut_",
     "CA_",
     "CA_",
     "CreditAgricole_",
     "CredAgric_",
     "CredAgric_",
     "CA",
     "_",
     "_",
     "PrintChqCreditAgricole_2",
     "InterfaceCreditAgricole_2",
     2,
     3,
     {3, 3, 3, 2, 0, 1, 1, 1},
     {40, 10, 10, 135, 73, 137, 22, 28, 33, 25, 43, 43, 75, 111, 108}},
    {13,
     "CreditAgricole3L",
     "CA3L",
     "CA [3 lignes en lettres]",
     "C",
     "OngletCA3L",
     "BtnCA3ParDefaut",
     "CA3L",
     "CA3L",
     "CreditAgricole3L",
     "CredAgric3L",
     "CredAgric3L",
     "CA",
     "_3L",
     "3L-",
     "PrintChqCreditAgricole3L",
     "InterfaceCreditAgricole3L",
     3,
     3,
     {2, 3, 3, 2, 0, 1, 1, 1},
     {71, 46, 8, 135, 138, 134, 22, 27, 39, 33, 42, 47, 50, 73, 110}},
    {14,
     "CreditCooperatif",
     "CCo",
     "Crédit Coopératif",
     "C",
     "OngletCC",
     "BtnCCoParDefaut",
     "CCo",
     "CCo",
     "CreditCooperatif",
     "CredCoop",
     "CredCoop",
     "CCOOP",
     "",
     "",
     "PrintChqCreditCooperatif",
     "InterfaceCreditCooperatif",
     2,
     3,
     {3, 3, 3, 2, 0, 0, 0, 0},
     {5, 5, 5, 132, 80, 132, 21, 27, 34, 29, 37, 37, 116, 115, 114}},
    {15,
     "CreditLyonnais",
     "LCL",
     "Crédit Lyonnais LCL [=]",
     "L",
     "OngletLCL",
     "BtnLCLParDefaut",
     "LCL",
     "LCL",
     "CreditLyonnais",
     "CredLyon",
     "CredLyon",
     "LCL",
     "",
     "",
     "PrintChqCreditLyonnais",
     "InterfaceCreditLyonnais",
     2,
     3,
     {3, 4, 4, 3, 0, 1, 1, 1},
     {10, 10, 10, 133, 133, 133, 22, 28, 34, 32, 43, 49, 110, 112, 114}},
    {16,
     "CreditLyonnais_",
     "LCL_",
     "Crédit Lyonnais LCL [--]",
     "L",
     "OngletLCL_",
     "BtnLCL_ParDefaut",
     "LCL_",
     "LCL_",
     "CreditLyonnais_",
     "CredLyon_",
     "CredLyon_",
     "LCL",
     "_",
     "_",
     "PrintChqCreditLyonnais_2",
     "InterfaceCreditLyonnais_2",
     2,
     3,
     {3, 4, 4, 3, 0, 1, 1, 1},
     {8, 8, 8, 130, 85, 134, 22, 29, 35, 34, 43, 43, 115, 114, 112}},
    {17,
     "CreditMaritime",
     "CMa",
     "Crédit Maritime",
     "C",
     "OngletCMa",
     "BtnCMaParDefaut",
     "CMa",
     "CMa",
     "CreditMaritime",
     "CredMari",
     "CredMari",
     "CMARI",
     "",
     "",
     "PrintChqCreditMaritime",
     "InterfaceCreditMaritime",
     2,
     3,
     {3, 3, 3, 2, 0, 0, 0, 0},
     {92, 6, 9, 133, 133, 133, 21, 27, 33, 32, 41, 45, 30, 115, 112}},
    {18,
     "CreditMutuel",
     "CMu",
     "Crédit Mutuel",
     "C",
     "OngletCMu",
     "BtnCMParDefaut",
     "CM",
     "CM",
     "CreditMutuel",
     "CredMutu",
     "CredMutu",
     "CMUTU",
     "",
     "",
     "PrintChqCreditMutuel",
     "InterfaceCreditMutuel",
     2,
     3,
     {3, 3, 4, 2, 1, 1, 0, 1},
     {45, 10, 10, 131, 133, 133, 21, 27, 33, 34, 42, 46, 75, 122, 107}},
    {19,
     "CreditNord",
     "CNo",
     "Crédit du Nord",
     "C",
     "OngletCN",
     "BtnCNoParDefaut",
     "CNo",
     "CNo",
     "CreditNord",
     "CredNord",
     "CredNord",
     "CNORD",
     "",
     "",
     "PrintChqCreditNord",
     "InterfaceCreditNord",
     2,
     3,
     {3, 3, 3, 2, 0, 0, 0, 0},
     {3, 3, 3, 132, 132, 132, 17, 25, 32, 30, 40, 45, 120, 120, 119}},
    {20,
     "Fortis",
     "For",
     "Fortis Banque",
     "F",
     "OngletFB",
     "BtnFoParDefaut",
     "Fo",
     "Fo",
     "Fortis",
     "Fortis",
     "Fortis",
     "FORTI",
     "",
     "",
     "PrintChqFortis",
     "InterfaceFortis",
     2,
     3,
     {2, 3, 3, 2, 0, 0, 0, 0},
     {3, 3, 6, 130, 90, 132, 23, 29, 35, 32, 43, 43, 120, 120, 117}},
    {21,
     "HSBC",
     "HSBC",
     "HSBC",
     "H",
     "OngletHSBC",
     "BtnHSBCParDefaut",
     "HSBC",
     "CCF",
     "CCF",
     "CCFHSBC",
     "CCFHSBC",
     "CCF",
     "",
     "",
     "PrintChqHSBC",
     "InterfaceHSBC",
     2,
     3,
     {2, 3, 3, 2, 0, 1, 1, 1},
     {5, 5, 8, 133, 81, 133, 24, 29, 34, 32, 42, 42, 117, 117, 114}},
    {22,
     "LaBanquePostale",
     "LBP",
     "La Banque Postale",
     "L",
     "OngletLBP",
     "BtnLBPParDefaut",
     "LBP",
     "LBP",
     "BanquePostale",
     "LaBanPost",
     "LaBanPost",
     "LBPOS",
     "",
     "",
     "PrintChqBanquePostale",
     "InterfaceLaBanquePostale",
     2,
     3,
     {3, 3, 3, 2, 0, 0, 0, 0},
     {45, 5, 10, 132, 133, 133, 23, 28, 34, 33, 41, 47, 75, 110, 105}},
    {23,
     "Lyonnaise",
     "LB",
     "Lyonnaise de Banque",
     "L",
     "OngletLB",
     "BtnLBParDefaut",
     "LB",
     "LB",
     "Lyonnaise",
     "LyonDeBan",
     "LyonDeBan",
     "LYONN",
     "",
     "",
     "PrintChqLyonnaise",
     "InterfaceLyonnaise",
     2,
     3,
     {2, 3, 4, 2, 0, 1, 1, 1},
     {47, 5, 8, 130, 130, 130, 20, 28, 34, 34, 42, 48, 75, 110, 117}},
    {24,
     "Neuflize",
     "NS",
     "Neuflize OBC",
     "B",
     "OngletBNOBC",
     "BtnNSParDefaut",
     "NS",
     "NS",
     "Neuflize",
     "Neuflize",
     "Neuflize",
     "NEUFL",
     "",
     "",
     "PrintChqNeuflize",
     "InterfaceNeuflize",
     2,
     3,
     {2, 3, 4, 2, 0, 1, 1, 1},
     {54, 5, 8, 130, 68, 120, 17, 23, 32, 32, 41, 41, 67, 115, 110}},
    {25,
     "SocieteGenerale",
     "SG",
     "Société Générale [=]",
     "S",
     "OngletSG",
     "BtnSGParDefaut",
     "SoGe",
     "SoGe",
     "SocieteGenerale",
     "SocGener",
     "SocGener",
     "SG",
     "",
     "",
     "PrintChqSocieteGenerale",
     "InterfaceSocieteGenerale",
     2,
     9,
     {2, 3, 3, 2, 0, 1, 1, 1},
     {24, 5, 10, 130, 135, 135, 21, 27, 33, 29, 39, 45, 99, 107, 115}},
    {26,
     "SocieteGenerale_",
     "SG_",
     "Société Générale [--]",
     "S",
     "OngletSG_",
     "BtnSG_ParDefaut",
     "SoGe_",
     "SoGe_",
     "SocieteGenerale_",
     "SocGener_",
     "SocGener_",
     "SG",
     "_",
     "_",
     "PrintChqSocieteGenerale_2",
     "InterfaceSocieteGenerale_2",
     2,
     9,
     {2, 3, 3, 2, 0, 1, 1, 1},
     {25, 5, 10, 135, 75, 134, 21, 27, 33, 28, 39, 39, 95, 117, 115}},
    {27,
     "CESU",
     "CESU",
     "Chèque Emploi Service Universel",
     "",
     "OngletCESU",
     "BtnCESUParDefaut",
     "CESU",
     "CESU",
     "CESU",
     "CESU",
     "CESU",
     "CESU",
     "",
     "",
     "PrintChqCESU",
     "InterfaceCESU",
     2,
     3,
     {3, 3, 3, 2, 0, 0, 0, 0},
     {40, 3, 5, 133, 132, 132, 23, 29, 34, 32, 41, 46, 80, 105, 97}},
};

constexpr std::array<int, 15> kRowFields{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16};

struct FieldValue {
    int number;
    int field;
    int value;
};

// Factory values of words line 3 of the three-line format.
constexpr FieldValue kThirdLineFactory[] = {{13, 15, 73}, {13, 30, 46}, {13, 31, 32}};

// Values a first start shows instead of the factory ones, so that these formats start with
// their default buttons enabled.
constexpr FieldValue kStartupValues[] = {{8, 14, 120}, {4, 14, 125}, {4, 16, 120}};

BankFormat formatFrom(const Row& row) {
    BankFormat format;
    format.number = row.number;
    format.menuEntry = QString::fromUtf8(row.menuEntry);
    format.nameKey = QString::fromUtf8(row.nameKey);
    format.defaultDisplayName = QString::fromUtf8(row.displayName);
    format.page = QString::fromUtf8(row.page);
    format.formatTab = QString::fromUtf8(row.formatTab);
    format.defaultButton = QString::fromUtf8(row.defaultButton);
    format.editSuffix = QString::fromUtf8(row.editSuffix);
    format.positionsPrefix = QString::fromUtf8(row.positionsPrefix);
    format.accountName = QString::fromUtf8(row.accountName);
    format.stubPrefix = QString::fromUtf8(row.stubPrefix);
    format.backPrefix = QString::fromUtf8(row.backPrefix);
    format.oldJournalCode = QString::fromUtf8(row.oldJournalCode);
    format.oldJournalSuffix = QString::fromUtf8(row.oldJournalSuffix);
    format.journalMarker = QString::fromUtf8(row.journalMarker);
    format.printRoutine = QString::fromUtf8(row.printRoutine);
    format.selectionRoutine = QString::fromUtf8(row.selectionRoutine);
    format.lineCount = row.lineCount;
    format.accountCount = row.accountCount;
    format.adjustments = row.adjustments;
    for (std::size_t i = 0; i < kRowFields.size(); ++i)
        format.factoryPositions.setField(kRowFields[i], row.factory[i]);
    for (const FieldValue& extra : kThirdLineFactory)
        if (extra.number == row.number)
            format.factoryPositions.setField(extra.field, extra.value);
    format.startupPositions = format.factoryPositions;
    for (const FieldValue& startup : kStartupValues)
        if (startup.number == row.number)
            format.startupPositions.setField(startup.field, startup.value);
    return format;
}

template <typename Member>
const BankFormat* findBy(const std::vector<BankFormat>& formats, Member member, QStringView value) {
    for (const BankFormat& format : formats)
        if (QStringView(format.*member).compare(value, Qt::CaseInsensitive) == 0)
            return &format;
    return nullptr;
}

} // namespace

BankFormatCatalogue::BankFormatCatalogue() {
    m_formats.reserve(std::size(kRows));
    for (const Row& row : kRows)
        m_formats.push_back(formatFrom(row));
}

const BankFormatCatalogue& BankFormatCatalogue::standard() {
    static const BankFormatCatalogue catalogue;
    return catalogue;
}

const BankFormat* BankFormatCatalogue::byNumber(int number) const {
    if (number < kFirstNumber || number > kLastNumber)
        return nullptr;
    return &m_formats[std::size_t(number - kFirstNumber)];
}

const BankFormat* BankFormatCatalogue::byEditSuffix(QStringView suffix) const {
    return findBy(m_formats, &BankFormat::editSuffix, suffix);
}

const BankFormat* BankFormatCatalogue::byNameKey(QStringView nameKey) const {
    return findBy(m_formats, &BankFormat::nameKey, nameKey);
}

const BankFormat* BankFormatCatalogue::byAccountName(QStringView accountName) const {
    return findBy(m_formats, &BankFormat::accountName, accountName);
}

QFont BankFormatCatalogue::defaultFont(ChequeField element) {
    QFont font(QStringLiteral("MS Sans Serif"));
    switch (element) {
    case ChequeField::WordsLine1:
    case ChequeField::WordsLine2:
    case ChequeField::WordsLine3:
        font.setPointSize(9);
        font.setBold(true);
        break;
    case ChequeField::Beneficiary:
        font.setPointSize(12);
        break;
    case ChequeField::Figures:
        font.setPointSize(14);
        font.setBold(true);
        break;
    case ChequeField::Place:
    case ChequeField::Date:
        font.setPointSize(10);
        break;
    }
    return font;
}
