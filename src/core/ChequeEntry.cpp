#include "core/ChequeEntry.h"

#include "core/AmountGrouping.h"
#include "core/Clipboard.h"
#include "core/ConversionHost.h"
#include "core/WordLines.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/Sounds.h"

#include <QtGlobal>
#include <algorithm>
#include <array>
#include <optional>

namespace {

constexpr int kPasteMaxLength = 12;
constexpr int kIntegerMaxLength = 10;

const QString kPasteTitle = QStringLiteral("Saisie de la somme...");
const QString kOverflowTitle = QStringLiteral("Dépassement de capacité");

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

int length(const QString& text) {
    return static_cast<int>(text.size());
}

// Where Enter, Up and Down lead from each text field; no target: the next control.
struct Navigation {
    EntryField field;
    std::optional<EntryField> enter;
    EntryField up;
    EntryField down;
};

constexpr std::array<Navigation, 3> kNavigation = {{
    {EntryField::Beneficiary, std::nullopt, EntryField::Amount, EntryField::Place},
    {EntryField::Place, std::nullopt, EntryField::Beneficiary, EntryField::Date},
    {EntryField::Date, EntryField::Amount, EntryField::Place, EntryField::Amount},
}};

} // namespace

ChequeEntry::ChequeEntry(Platform& platform, ConversionHost& host, WordLines& lines,
                         QObject* parent)
    : QObject(parent), m_platform(platform), m_host(host), m_lines(lines) {}

// --- Amount ---

void ChequeEntry::setAmountText(const QString& text) {
    replaceAmount(text, length(text));
}

void ChequeEntry::setAmountSelection(int start, int length_) {
    start = std::clamp(start, 0, length(m_amount));
    length_ = std::clamp(length_, 0, length(m_amount) - start);
    if (start == m_selStart && length_ == m_selLength)
        return;
    m_selStart = start;
    m_selLength = length_;
    emit amountChanged();
}

// Like an edit control: a new text runs the change processing, the same text does not.
void ChequeEntry::replaceAmount(const QString& text, int selStart, int selLength) {
    const bool changed = text != m_amount;
    m_amount = text;
    m_selStart = -1; // forces the selection signal
    setAmountSelection(selStart, selLength);
    if (changed)
        EditSaisieSommeChange();
}

bool ChequeEntry::isAmountZero() const {
    return m_amount == u"0" || m_amount == u"0,00" || m_amount == u"0,000";
}

void ChequeEntry::setDecimalMode(DecimalMode mode) {
    if (mode == m_mode)
        return;
    m_mode = mode;
    emit decimalModeChanged(mode);
}

void ChequeEntry::setValidateButtonVisible(bool visible) {
    if (visible == m_validateVisible)
        return;
    m_validateVisible = visible;
    emit validateButtonVisibleChanged(visible);
}

void ChequeEntry::deleteAmountSelection() {
    if (m_selLength == 0)
        return;
    QString text = m_amount;
    text.remove(m_selStart, m_selLength);
    replaceAmount(text, m_selStart);
}

bool ChequeEntry::EditSaisieSommeKeyPress(QChar key) {
    if (key == u'\b') {
        if (m_selLength > 0) {
            deleteAmountSelection();
        } else if (m_selStart > 0) {
            QString text = m_amount;
            text.remove(m_selStart - 1, 1);
            replaceAmount(text, m_selStart - 1);
        }
        return true;
    }
    if (!m_decimalsFull)
        m_platform.sounds.play(Cue::Son007);
    deleteAmountSelection();
    if (key == u'.')
        key = u',';
    const bool digit = isDigit(key);
    if (!digit && key != u',')
        return false;
    const qsizetype comma = m_amount.indexOf(u',');
    if (comma >= 0 && !digit)
        return false;
    const int decimals = m_mode == DecimalMode::Three ? 3 : 2;
    if (comma >= 0 && m_selStart > comma && m_amount.size() - comma - 1 >= decimals) {
        m_decimalsFull = true;
        return false;
    }
    if (key == u',') {
        const int after = length(m_amount) - m_selStart;
        if (after > decimals && after <= 12)
            return false;
    }
    // The key replaces what is still selected (the "0" the change processing selects).
    if (m_amount.size() - m_selLength >= kAmountMaxLength)
        return false;
    QString text = m_amount;
    text.replace(m_selStart, m_selLength, key);
    replaceAmount(text, m_selStart + 1);
    return true;
}

void ChequeEntry::EditSaisieSommeKeyDown(int key) {
    if (key == Qt::Key_Escape) {
        setAmountText(QStringLiteral("0"));
    } else if (key == Qt::Key_Delete) {
        if (m_selLength > 0) {
            deleteAmountSelection();
        } else if (m_selStart < m_amount.size()) {
            QString text = m_amount;
            text.remove(m_selStart, 1);
            replaceAmount(text, m_selStart);
        }
    }
}

void ChequeEntry::hideWordsAndPrinting() {
    m_host.setPrintButtonVisible(false);
    for (int line = 1; line <= WordLines::kCount; ++line)
        m_lines.setVisible(line, false);
}

void ChequeEntry::EditSaisieSommeChange() {
    hideWordsAndPrinting();
    m_host.clearFiguresLabel();
    if (!m_mainWindowShown)
        return;
    setValidateButtonVisible(true);
    EditCurrencyChange();
    m_host.refreshBigDigits();

    if (m_amount.isEmpty())
        replaceAmount(QStringLiteral("0"), 1);
    if (m_amount.size() > 2 && m_amount[0] == u'0' && m_amount[1] != u',')
        replaceAmount(m_amount.mid(1), std::max(0, m_selStart - 1));
    if (m_amount.startsWith(u','))
        replaceAmount(QStringLiteral("0") + m_amount,
                      length(m_amount) + 1); // keep what follows the comma
    if (m_amount == u"0")
        setAmountSelection(0, 1); // the next digit replaces it
    else if (m_amount.size() == 1 && isDigit(m_amount[0]))
        setAmountSelection(1, 0);
    if (m_amount.size() == 2 && m_amount[0] == u'0' && isDigit(m_amount[1]))
        replaceAmount(m_amount[1] == u'0' ? QStringLiteral("0") : m_amount.mid(1), 1);

    m_transit = m_amount;
    m_transit.replace(u'.', u',');
    EditTransitChange();
    if (m_noVirgule.size() > kIntegerMaxLength) {
        m_host.setPrintButtonVisible(false);
        // The zero of the current mode: "0,00" would raise the decimals box in no-decimals mode.
        const QString zero = zeroAmount(m_mode);
        replaceAmount(zero, 0, length(zero));
        m_lines.clearTexts();
        m_platform.dialogs.error(kOverflowTitle, QStringLiteral("EconvertError #3"));
        showCapacityOverflow();
    }

    emit amountProcessed(m_amount);

    if (m_mode == DecimalMode::None && m_amount.contains(u',')) {
        m_platform.dialogs.information(
            QStringLiteral("Décimales refusées..."),
            QStringLiteral("L'option de refus des décimales est activée.\r\n\r\nCette saisie "
                           "sera affichée sans la partie décimale.\r\n\r\n(Désactiver cette "
                           "option en onglet : Paramètres de contrôle)"));
        const QString integer = m_amount.left(m_amount.indexOf(u','));
        replaceAmount(integer, length(integer));
    }
    m_decimalsFull = false;
}

void ChequeEntry::EditTransitChange() {
    const qsizetype comma = m_transit.indexOf(u',');
    m_noVirgule = comma < 0 ? m_transit : m_transit.left(comma);
    emit workingCopiesChanged();
}

void ChequeEntry::EditCurrencyChange() {
    m_currency = groupAmount(m_amount, m_mode);
    m_edtSom = m_currency;
    emit workingCopiesChanged();
}

// --- Paste ---

void ChequeEntry::ItemCollerClick(const Clipboard& clipboard) {
    if (!clipboard.hasText())
        return;
    setEditCollerValide(QString());
    setEditCollerValide(clipboard.text());
}

void ChequeEntry::setEditCollerValide(const QString& text) {
    if (text == m_paste)
        return;
    m_paste = text;
    EditCollerValideChange();
}

void ChequeEntry::refusePaste(const QString& text) {
    m_platform.sounds.play(Cue::Son000);
    m_platform.dialogs.warning(kPasteTitle, text);
    setEditCollerValide(QString());
}

void ChequeEntry::EditCollerValideChange() {
    if (m_paste.isEmpty())
        return; // emptying the paste field pastes nothing
    QString text = m_paste.left(kPasteMaxLength);
    const QChar first = text[0];
    if (first == u'0' || first == u'.' || first == u',') {
        refusePaste(QStringLiteral("Saisie non valide : \"%1\" en début du nombre !").arg(first));
        return;
    }
    text.replace(u'.', u',');
    QString kept;
    for (QChar c : std::as_const(text))
        if (isDigit(c) || c == u',')
            kept += c;
    const QString before = m_amount;
    setAmountText(kept);

    QList<qsizetype> commas; // positions counted from 1
    const QString head = m_amount.left(20);
    for (qsizetype i = 0; i < head.size(); ++i)
        if (head[i] == u',')
            commas << i + 1;
    for (qsizetype a = 0; a < commas.size(); ++a) {
        for (qsizetype b = a + 1; b < commas.size(); ++b) {
            const bool inRange = commas[a] >= 2 && commas[b] <= 16;
            const qsizetype gap = commas[b] - commas[a];
            if (inRange && (gap == 1 || gap == 2)) {
                // Two decimal separators: the amount goes back to what it was.
                setAmountText(before);
                refusePaste(QStringLiteral("Saisie incorrecte !"));
                return;
            }
        }
    }
    for (qsizetype comma = m_amount.indexOf(u','); comma >= 0 && m_amount.size() - comma - 1 > 2;
         comma = m_amount.indexOf(u',')) {
        QString trimmed = m_amount;
        trimmed.remove(comma + 3, 1);
        setAmountText(trimmed);
    }
}

// --- Clear commands ---

void ChequeEntry::GommeSaisieSomme() {
    if (!m_mainWindowShown)
        return;
    const auto clearAmount = [this] {
        m_platform.sounds.WavIfSomme(m_mainWindowShown, m_amount, m_mode == DecimalMode::None,
                                     m_mode == DecimalMode::Three);
        setAmountText(zeroAmount(m_mode));
    };
    const auto hideRest = [this] {
        m_host.clearControlLines();
        m_lines.setVisible(1, false);
        m_lines.setVisible(2, false);
        m_host.setPrintButtonVisible(false);
        m_host.hideConversionLine();
        requestFocus(EntryField::Amount);
    };
    if (m_resetZones) {
        const bool alreadyEmpty =
            m_beneficiary.isEmpty() && m_amount == u"0" && m_host.stubLinesEmpty();
        if (!alreadyEmpty) {
            m_host.clearBeneficiaryControlLine();
            setBeneficiary(QString());
            clearAmount();
            m_lines.clearTexts();
            m_host.clearStubLines();
            hideRest();
        }
    } else if (m_amount != u"0") {
        clearAmount();
        hideRest();
    }
    setValidateButtonVisible(false);
}

void ChequeEntry::GommeBeneficiaireClick() {
    if (m_resetZones) {
        const bool alreadyEmpty =
            m_beneficiary.isEmpty() && m_amount == u"0" && m_host.stubLinesEmpty();
        if (!alreadyEmpty) {
            m_platform.sounds.play(Cue::Son003);
            m_host.clearBeneficiaryControlLine();
            // The zero of the current mode: "0,00" would raise the decimals box in
            // no-decimals mode.
            setAmountText(zeroAmount(m_mode));
            m_lines.clearTexts();
            m_host.clearStubLines();
            setBeneficiary(QString());
        }
    } else if (!m_beneficiary.isEmpty()) {
        m_platform.sounds.play(Cue::Son003);
        setBeneficiary(QString());
        m_host.clearBeneficiaryControlLine();
    }
    m_lastBeneficiary.clear();
    m_edtBen.clear();
    emit fieldChanged(EntryField::Beneficiary);
    requestFocus(EntryField::Beneficiary);
}

void ChequeEntry::ItemEffacerClick() {
    setEditCollerValide(QString());
    setAmountText(QStringLiteral("0"));
    requestFocus(EntryField::Amount);
    m_lines.setVisible(1, false);
    m_lines.setVisible(2, false);
    m_host.setPrintButtonVisible(false);
    m_host.hideConversionLine();
    m_platform.sounds.play(Cue::Son003);
}

void ChequeEntry::cbNoDecimalClick(bool checked) {
    setDecimalMode(checked ? DecimalMode::None : DecimalMode::Two);
    GommeSaisieSomme();
    m_host.clearPriorityAmount();
}

void ChequeEntry::cb3decimalClick(bool checked) {
    setDecimalMode(checked ? DecimalMode::Three : DecimalMode::Two);
    GommeSaisieSomme();
    m_host.clearPriorityAmount();
}

void ChequeEntry::AddDecMilliard() {
    const qsizetype comma = m_amount.indexOf(u',');
    if (comma < 0 || m_noVirgule.size() < 9)
        return;
    QString grouped = m_currency;
    grouped.remove(u'.');
    if (grouped != m_amount && m_mode != DecimalMode::None) {
        const QString groupedDecimals = grouped.mid(grouped.indexOf(u',') + 1);
        const QString decimals = m_amount.mid(comma + 1);
        if (groupedDecimals.size() > decimals.size() && groupedDecimals.startsWith(decimals))
            setAmountText(m_amount + groupedDecimals.mid(decimals.size()));
    }
    setAmountSelection(length(m_amount), 0);
    m_host.checkFieldsFilled();
}

void ChequeEntry::showCapacityOverflow() {
    m_lines.setText(1, QStringLiteral("DÉPASSEMENT DE CAPACITÉ"));
    m_lines.setVisible(1, true);
    m_host.hideConversionLine();
    m_host.setPrintButtonVisible(false);
    setValidateButtonVisible(false);
    m_lines.setVisible(2, false);
    m_lines.setVisible(3, false);
    m_host.clearFiguresLabel();
    m_platform.dialogs.information(
        kOverflowTitle, QStringLiteral("DÉPASSEMENT DE CAPACITÉ\r\n\r\nLa capacité d'Quilmet est "
                                       "de DEUX MILLIARDS et quelques..."));
    setAmountSelection(std::max(0, length(m_amount) - 4), 0);
    m_host.showBigDigitsOverflow();
    emit capacityExceeded();
}

// --- Beneficiary, place, date ---

void ChequeEntry::setFieldText(QString& field, EntryField which, const QString& text) {
    if (text == field)
        return;
    field = text;
    emit fieldChanged(which);
    if (field.isEmpty())
        m_host.setPrintButtonVisible(false);
}

void ChequeEntry::setBeneficiary(const QString& text) {
    setFieldText(m_beneficiary, EntryField::Beneficiary, text);
}

void ChequeEntry::setPlace(const QString& text) {
    setFieldText(m_place, EntryField::Place, text);
}

void ChequeEntry::setDate(const QString& text) {
    setFieldText(m_date, EntryField::Date, text);
}

bool ChequeEntry::textFieldKeyPress(QChar key) {
    m_platform.sounds.play(Cue::Son007);
    return key != u'\r' && key != u'\n';
}

bool ChequeEntry::EditBeneficiaireKeyPress(QChar key) {
    return textFieldKeyPress(key);
}

bool ChequeEntry::EditLieuKeyPress(QChar key) {
    return textFieldKeyPress(key);
}

bool ChequeEntry::EditDateKeyPress(QChar key) {
    return textFieldKeyPress(key);
}

void ChequeEntry::EditBeneficiaireKeyUp() {
    m_lastBeneficiary = m_beneficiary.left(kLastBeneficiaryLength);
    m_edtBen = m_lastBeneficiary;
    emit fieldChanged(EntryField::Beneficiary);
}

void ChequeEntry::textFieldKeyDown(EntryField field, int key) {
    const auto nav = std::find_if(kNavigation.begin(), kNavigation.end(),
                                  [field](const Navigation& n) { return n.field == field; });
    if (key == Qt::Key_Escape) {
        setAmountText(QStringLiteral("0"));
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (nav->enter)
            requestFocus(*nav->enter);
        else
            emit focusNextRequested();
    } else if (key == Qt::Key_Up) {
        requestFocus(nav->up);
    } else if (key == Qt::Key_Down) {
        requestFocus(nav->down);
    }
}

void ChequeEntry::EditBeneficiaireKeyDown(int key) {
    textFieldKeyDown(EntryField::Beneficiary, key);
}

void ChequeEntry::EditLieuKeyDown(int key) {
    textFieldKeyDown(EntryField::Place, key);
}

void ChequeEntry::EditDateKeyDown(int key) {
    textFieldKeyDown(EntryField::Date, key);
}

void ChequeEntry::setDateStyle(int style) {
    if (style == m_dateStyle)
        return;
    m_dateStyle = style;
    emit dateStyleChanged(style);
}

void ChequeEntry::chooseDateStyle(DateStyle style) {
    setDateStyle(static_cast<int>(style));
    setDate(formatChequeDate(m_platform.clock.today(), style, true));
}

void ChequeEntry::DatageDefautClick() {
    chooseDateStyle(DateStyle::Words);
}

void ChequeEntry::DatageEspaceClick() {
    chooseDateStyle(DateStyle::Spaces);
}

void ChequeEntry::DatageTiretsClick() {
    chooseDateStyle(DateStyle::Dashes);
}

void ChequeEntry::DatageSlachClick() {
    chooseDateStyle(DateStyle::Slashes);
}

void ChequeEntry::writeStartDate() {
    const DateStyle style = dateStyleFromSetting(m_dateStyle);
    setDateStyle(static_cast<int>(style));
    setDate(formatChequeDate(m_platform.clock.today(), style, false));
}
