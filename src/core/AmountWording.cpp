#include "core/AmountWording.h"

#include "core/AmountWordsText.h"
#include "core/ChequeEntry.h"
#include "core/Clipboard.h"
#include "core/ConversionHost.h"
#include "core/Hyphenation.h"
#include "core/WordCase.h"
#include "core/WordLines.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/Sounds.h"

#include <limits>
#include <optional>

namespace {

// Digits only, and within the 32-bit range the program writes.
std::optional<qint64> parseWhole(const QString& digits) {
    if (digits.isEmpty() || digits.size() > 10)
        return std::nullopt;
    for (QChar c : digits)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    const qint64 value = digits.toLongLong();
    if (value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return value;
}

QString withBlank(const QString& word) {
    return (QStringLiteral(" ") + word).left(AmountWording::kWordMaxLength);
}

} // namespace

const QString AmountWording::kDefaultWordsQuestion = QStringLiteral(
    "Avant toute modification : il est recommandé d'effectuer une\r\nsauvegarde de votre "
    "fichier personnel d'initialisation, mémorisant\r\négalement les données de ces "
    "configurations spécifiques.\r\nOption en menu : \"Sauvegarde fichier des paramètres de "
    "réglage\".\r\n\r\nSOUHAITEZ-VOUS REMETTRE LE LIBELLÉ D'ORIGINE ?");

AmountWording::AmountWording(Platform& platform, ConversionHost& host, ChequeEntry& entry,
                             WordLines& lines, QObject* parent)
    : QObject(parent), m_platform(platform), m_host(host), m_entry(entry), m_lines(lines) {
    connect(&m_entry, &ChequeEntry::amountProcessed, this, [this](const QString& amount) {
        MonaieUnite(amount);
        MonaieUnite2(amount);
    });
    MonaieUnite(m_entry.amountText());
    MonaieUnite2(m_entry.amountText());
}

void AmountWording::applyOptions(const WordingOptions& options) {
    m_options = options;
    MonaieUnite(m_entry.amountText());
    MonaieUnite2(m_entry.amountText());
    emit optionsChanged();
}

// --- Words ---

void AmountWording::setWord(QString& word, const QString& value, int maxLength,
                            DefaultWords button) {
    const QString cut = value.left(maxLength);
    if (cut == word)
        return;
    word = cut;
    setDefaultButtonEnabled(button, true);
    // The next conversion uses the new words even when the amount is left as it is.
    MonaieUnite(m_entry.amountText());
    MonaieUnite2(m_entry.amountText());
    emit optionsChanged();
}

void AmountWording::setUnitSingular(const QString& word) {
    setWord(m_options.unitSingular, word, kWordMaxLength, DefaultWords::Unit);
}

void AmountWording::setUnitPlural(const QString& word) {
    setWord(m_options.unitPlural, word, kWordMaxLength, DefaultWords::Unit);
}

void AmountWording::setSubUnitSingular(const QString& word) {
    setWord(m_options.subUnitSingular, word, kWordMaxLength, DefaultWords::SubUnit);
}

void AmountWording::setSubUnitPlural(const QString& word) {
    setWord(m_options.subUnitPlural, word, kWordMaxLength, DefaultWords::SubUnit);
}

void AmountWording::setPreposition(const QString& word) {
    setWord(m_options.preposition, word, kPrepositionMaxLength, DefaultWords::Preposition);
}

void AmountWording::setValidateCaption(const QString& text) {
    const QString cut = text.left(kValidateCaptionMaxLength);
    if (cut == m_options.validateCaption)
        return;
    m_options.validateCaption = cut;
    emit optionsChanged();
}

void AmountWording::setCurrencySign(const QString& sign) {
    if (sign == m_options.currencySign)
        return;
    m_options.currencySign = sign;
    emit optionsChanged();
}

void AmountWording::MonaieUnite(const QString& amount) {
    const QChar c1 = amount.isEmpty() ? QChar() : amount[0];
    const QChar c2 = amount.size() < 2 ? QChar() : amount[1];
    const bool singular = c1 == u'0' || (c1 == u'1' && (amount.size() == 1 || c2 == u','));
    const QString unit = withBlank(singular ? m_options.unitSingular : m_options.unitPlural);
    if (unit == m_currentUnit)
        return;
    m_currentUnit = unit;
    emit currentUnitsChanged();
}

void AmountWording::MonaieUnite2(const QString& amount) {
    const bool singular = m_entry.decimalMode() == DecimalMode::Three
                              ? amount.contains(QStringLiteral(",001"))
                              : amount.contains(QStringLiteral(",01"));
    const QString subUnit =
        withBlank(singular ? m_options.subUnitSingular : m_options.subUnitPlural);
    if (subUnit == m_currentSubUnit)
        return;
    m_currentSubUnit = subUnit;
    emit currentUnitsChanged();
}

bool AmountWording::DetectPluriel() const {
    const QString grouped = m_entry.EditCurrency();
    const bool singular = !grouped.isEmpty() && (grouped[0] == u'0' || grouped[0] == u'1') &&
                          grouped.indexOf(u',') == 1;
    return !singular;
}

// --- Conversion ---

void AmountWording::setEditPioche(const QString& text) {
    const QString cased = applyCaseRule(text, m_options.majuscules);
    if (cased == m_pioche)
        return;
    m_pioche = cased;
    emit wordsChanged(m_pioche);
}

void AmountWording::normaliseEntry() {
    const auto integerPart = [](const QString& e) { return e.left(e.indexOf(u',')); };
    QString e = m_entry.amountText();
    const qsizetype comma = e.indexOf(u',');
    if (comma < 0)
        return;
    const qsizetype decimals = e.size() - comma - 1;
    if (decimals == 0 || (decimals == 1 && e.endsWith(u'0'))) {
        e = integerPart(e);
    } else if (m_entry.decimalMode() == DecimalMode::Three) {
        bool thousandth = false;
        for (char d = '1'; d <= '9'; ++d)
            thousandth = thousandth || e.contains(QStringLiteral(",00") + QLatin1Char(d));
        if (e.contains(QStringLiteral(",000")) ||
            (e.contains(QStringLiteral(",00")) && !thousandth))
            e = integerPart(e);
    } else if (e.contains(QStringLiteral(",00"))) {
        e = integerPart(e);
    }
    m_entry.setAmountText(e);

    e = m_entry.amountText();
    if (!e.contains(u','))
        return;
    // A short decimal part is completed: 12,5 becomes 12,50, or 12,500 with three decimals.
    const qsizetype wanted = m_entry.decimalMode() == DecimalMode::Three ? 3 : 2;
    while (e.size() - e.indexOf(u',') - 1 < wanted)
        e += u'0';
    m_entry.setAmountText(e);
}

void AmountWording::reportOverflow(bool withDecimals) {
    m_platform.dialogs.error(QStringLiteral("Dépassement de capacité"),
                             withDecimals ? QStringLiteral("EconvertError #1")
                                          : QStringLiteral("EconvertError #2"));
    m_entry.showCapacityOverflow();
}

bool AmountWording::Convertir() {
    if (m_firstConversion) {
        m_firstConversion = false;
        if (m_host.priorityAmountActive())
            m_entry.EditSaisieSommeChange();
    }
    if (!m_host.formatChosen()) {
        m_host.setPrintButtonVisible(false);
        m_host.openFormatChoice();
        return false;
    }
    m_platform.sounds.play(Cue::Son002);
    m_lines.setVisible(1, true);
    m_host.checkFieldsFilled();
    m_entry.requestFocus(EntryField::Amount);

    normaliseEntry();

    const QString transit = m_entry.EditTransit();
    if (transit.isEmpty()) {
        m_platform.sounds.play(Cue::Son000);
        m_platform.dialogs.warning(QStringLiteral("Conversion de la somme..."),
                                   QStringLiteral("Veuillez entrer un nombre d'abord !"));
        return false;
    }
    const qsizetype comma = transit.indexOf(u',');
    const bool withDecimals = comma >= 0;
    const std::optional<qint64> integer = parseWhole(withDecimals ? transit.left(comma) : transit);
    std::optional<qint64> decimals;
    if (withDecimals)
        decimals = parseWhole(transit.mid(comma + 1));
    if (!integer || (withDecimals && !decimals)) {
        reportOverflow(withDecimals);
        return false;
    }

    AmountWordsParts parts;
    parts.integer = *integer;
    parts.decimals = decimals;
    parts.specificites = m_options.specificites;
    parts.majuscules = m_options.majuscules;
    const QString integerDigits = withDecimals ? transit.left(comma) : transit;
    if (m_entry.amountText().contains(QStringLiteral("000000")) &&
        integerDigits.endsWith(QStringLiteral("000")))
        parts.preposition = m_options.preposition;
    parts.unit = m_currentUnit;
    parts.subUnit = m_currentSubUnit;
    setEditPioche(composeAmountWords(parts));
    if (withDecimals) {
        m_lines.setVisible(1, true);
        m_entry.setAmountSelection(static_cast<int>(m_entry.amountText().size()), 0);
    } else {
        m_entry.requestFocus(EntryField::Amount);
    }

    // ConvertirAddEnd
    m_host.showConversionLine();
    setEditPioche(GestiTiretChiffres(m_pioche));
    m_host.fitWords(m_pioche);
    m_entry.AddDecMilliard();
    for (int line = 1; line <= WordLines::kCount; ++line)
        m_lines.setVisible(line, true);

    // A line 2 holding only the unit word: line 1 gets stars before the fill.
    if (!m_lines.text(1).contains(QStringLiteral("mille")) &&
        m_lines.text(2).startsWith(QStringLiteral("euros")))
        m_lines.setText(1, m_lines.text(1) + QStringLiteral("*******"));
    return true;
}

// --- Case and wording switches ---

void AmountWording::cbFontMajClick(bool checked) {
    m_options.majuscules = checked;
    emit optionsChanged();
    if (!m_entry.isMainWindowShown())
        return;
    for (int line = 1; line <= WordLines::kCount; ++line)
        m_lines.setText(line, checked ? toUpperCp1252(m_lines.text(line))
                                      : toLowerCp1252(m_lines.text(line)));
}

void AmountWording::BelgicismeClick(bool checked) {
    m_options.specificites = checked;
    emit optionsChanged();
    if (m_entry.isMainWindowShown())
        m_entry.requestFocus(EntryField::Amount);
}

// --- Default words ---

bool AmountWording::isDefaultButtonEnabled(DefaultWords which) const {
    return m_defaultButtonEnabled[static_cast<size_t>(which)];
}

void AmountWording::DisableBtnParDefaut() {
    const WordingOptions defaults;
    setDefaultButtonEnabled(DefaultWords::Unit, m_options.unitSingular != defaults.unitSingular ||
                                                    m_options.unitPlural != defaults.unitPlural);
    setDefaultButtonEnabled(DefaultWords::SubUnit,
                            m_options.subUnitSingular != defaults.subUnitSingular ||
                                m_options.subUnitPlural != defaults.subUnitPlural);
    setDefaultButtonEnabled(DefaultWords::Preposition,
                            m_options.preposition != defaults.preposition);
}

void AmountWording::setDefaultButtonEnabled(DefaultWords which, bool enabled) {
    bool& current = m_defaultButtonEnabled[static_cast<size_t>(which)];
    if (current == enabled)
        return;
    current = enabled;
    emit defaultButtonsChanged();
}

void AmountWording::restoreDefaultWords(DefaultWords which) {
    if (!m_platform.dialogs.question(QStringLiteral("Votre attention s'il vous plaît..."),
                                     kDefaultWordsQuestion, DialogButton::No, DialogIcon::Warning))
        return;
    const WordingOptions defaults;
    switch (which) {
    case DefaultWords::Unit:
        setUnitSingular(defaults.unitSingular);
        setUnitPlural(defaults.unitPlural);
        break;
    case DefaultWords::SubUnit:
        setSubUnitSingular(defaults.subUnitSingular);
        setSubUnitPlural(defaults.subUnitPlural);
        break;
    case DefaultWords::Preposition:
        setPreposition(defaults.preposition);
        break;
    }
    setDefaultButtonEnabled(which, false);
}

void AmountWording::BtnDefautMonaieClick() {
    restoreDefaultWords(DefaultWords::Unit);
}

void AmountWording::BtnDefaut100MonaieClick() {
    restoreDefaultWords(DefaultWords::SubUnit);
}

void AmountWording::btnRemiseDefautPrepClick() {
    restoreDefaultWords(DefaultWords::Preposition);
}

void AmountWording::BtnRemiseDefautSigneEuroClick() {
    if (m_platform.dialogs.question(QStringLiteral("Libellé par défaut..."),
                                    QStringLiteral("Souhaitez-vous remettre le libellé "
                                                   "d'origine ?")))
        setValidateCaption(WordingOptions().validateCaption);
}

// --- Clipboard ---

void AmountWording::PPMPasteSommelettresClick(Clipboard& clipboard) {
    m_platform.sounds.play(Cue::Son011);
    QString words = m_pioche;
    words.remove(u'*');
    clipboard.setText(words.mid(1, words.size() - 2)); // LirClipBoard
}
