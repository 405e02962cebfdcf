#include "core/LineFitting.h"

#include "core/Fills.h"
#include "core/WordWrap.h"
#include "platform/Dialogs.h"
#include "platform/Sounds.h"
#include "platform/TextMeasurer.h"

namespace {

QString lengthReport(const QString& subject, int millimetres) {
    return QStringLiteral("La longueur totale %1 mesure %2 millimètres")
        .arg(subject)
        .arg(millimetres);
}

} // namespace

LineFitting::LineFitting(const TextMeasurer& measurer, Dialogs& dialogs, Sounds& sounds,
                         QObject* parent)
    : QObject(parent), m_measurer(measurer), m_dialogs(dialogs), m_sounds(sounds),
      m_fonts(ScreenFonts::fromSettings(m_fontSettings)) {}

void LineFitting::setMainWindowShown(bool shown) {
    m_mainWindowShown = shown;
}

void LineFitting::setGeometry(std::optional<LineGeometry> geometry) {
    m_geometry = geometry;
    if (!m_geometry || !m_geometry->threeLines)
        setVisible(2, false);
}

void LineFitting::setFontSettings(const WordFontSettings& settings) {
    m_fontSettings = settings;
}

void LineFitting::setFillStyle(FillStyle style) {
    m_fillStyle = style;
}

void LineFitting::setAmountWords(const QString& amountWords) {
    m_stokLines123 = amountWords;
}

void LineFitting::GetFont(const FaceEntry& entry) {
    m_fonts = ScreenFonts::fromSettings(m_fontSettings);
    emit changed();
    GetTo3Lines(entry);
}

void LineFitting::GetTo3Lines(const FaceEntry& entry) {
    if (!m_mainWindowShown || !m_geometry)
        return;
    const LineGeometry& g = *m_geometry;
    const auto firstLine = [this](const QString& text, int lengthMm) {
        return firstWrappedLine(text, Fills::wrapWidthPixels(lengthMm), m_fonts.wrapping,
                                m_measurer);
    };
    const QString line1 = firstLine(m_stokLines123, g.line1Mm);
    const QString stokLines23 = m_stokLines123.mid(line1.size());
    const QString line2 = firstLine(stokLines23, g.line2Mm);
    const QString stokLine3 = stokLines23.mid(line2.size());
    const QString line3 = g.threeLines ? firstLine(stokLine3, g.line3Mm) : QString();
    // A box holds more than one visual line exactly when text is left after its first one.
    const QString& lastBox = g.threeLines ? stokLine3 : stokLines23;
    const QString& lastLine = g.threeLines ? line3 : line2;
    m_wordsFit = lastBox.size() == lastLine.size();

    m_lines.lines[0].text = line1;
    m_lines.lines[1].text = line2;
    m_lines.lines[2].text = line3;
    emit changed();
    if (!m_wordsFit)
        warnWordsTooLarge();
    DonneMMClick(entry);
}

void LineFitting::warnWordsTooLarge() {
    m_sounds.play(Cue::Son000);
    const QString size = QString::number(m_fonts.wordLines.pointSize());
    const QString name = m_fonts.wordLines.family();
    m_dialogs.warning(
        QStringLiteral("Avertissement"),
        QStringLiteral("VOTRE ATTENTION S'IL VOUS PLAÎT\r\n\r\nLa taille %1 de la fonte %2, sur la "
                       "somme en toutes lettres est trop importante.\r\n\r\nLa somme imprimée "
                       "serait tronquée : l'impression est donc refusée.\r\n\r\nVeuillez réduire "
                       "la taille %1 de cette fonte, ou bien de changer la fonte %2.")
            .arg(size, name));
    emit wordsRefused();
}

void LineFitting::DonneMMClick(const FaceEntry& entry) {
    if (!m_mainWindowShown || entry.beneficiary.isEmpty() || !m_geometry)
        return;
    const LineGeometry& g = *m_geometry;
    const int lengths[3] = {g.line1Mm, g.line2Mm, g.line3Mm};
    QString beneficiary = entry.beneficiary;

    if (m_fillStyle == FillStyle::NoTags) {
        if (m_lines.holdsEnd(0)) {
            setVisible(1, false);
            setVisible(2, false);
        } else if (m_lines.holdsEnd(1)) {
            setVisible(2, false);
        }
    }
    // Every line from the one holding the end down to the last gets its stars.
    const int lastLine = g.threeLines ? 2 : 1;
    int endLine = -1;
    for (int i = 0; i <= lastLine && endLine < 0; ++i)
        if (m_lines.holdsEnd(i))
            endLine = i;
    if (g.threeLines) {
        for (int i = 0; i < 3; ++i)
            setVisible(i, true);
    } else if (endLine == 0) {
        setVisible(0, true);
        setVisible(1, true);
    }
    if (endLine >= 0) {
        for (int i = endLine; i <= lastLine; ++i)
            starFill(i, lengths[i]);
        beneficiary = beneficiaryFill(beneficiary);
    }

    const auto report = [&](int index) {
        return lengthReport(
            QStringLiteral("de la ligne %1 en lettres").arg(index + 1),
            Fills::SizeLineMM(m_lines.lines[index].text, m_fonts.wordLines, m_measurer));
    };
    m_controlLines.line1 = report(0);
    m_controlLines.line2 = report(1);
    m_controlLines.line3 = g.threeLines ? report(2) : QString();
    emit changed();
    if (beneficiary != entry.beneficiary)
        emit beneficiaryReplaced(beneficiary);

    FaceEntry filled = entry;
    filled.beneficiary = beneficiary;
    SizeChampSCMM(filled);
}

void LineFitting::starFill(int index, int targetMm) {
    QString& text = m_lines.lines[index].text;
    text = Fills::Ajout_Tags_Label(text, targetMm, m_fonts.wordLines, m_measurer);
}

QString LineFitting::beneficiaryFill(const QString& beneficiary) {
    const int lineMm = m_geometry->beneficiaryMm;
    QString filled;
    switch (m_fillStyle) {
    case FillStyle::NoTags:
        return beneficiary;
    case FillStyle::IdenticalChars:
        filled =
            Fills::Ajout_Tags_Beneficiaire(beneficiary, lineMm, m_fonts.beneficiary, m_measurer);
        m_controlLines.beneficiary =
            lengthReport(QStringLiteral("du libellé de la ligne bénéficiaire"),
                         Fills::SizeLineMM(filled, m_fonts.beneficiary, m_measurer));
        break;
    case FillStyle::BeneficiaryName:
        filled = Fills::Ajout_TagsLettres_Beneficiaire(beneficiary, lineMm, m_fonts.beneficiary,
                                                       m_measurer);
        m_controlLines.beneficiary =
            lengthReport(QStringLiteral("de la ligne Bénéficiaire"),
                         Fills::SizeLineMM(filled, m_fonts.beneficiary, m_measurer));
        break;
    }
    return filled;
}

void LineFitting::SizeChampSCMM(const FaceEntry& entry) {
    if (!m_mainWindowShown)
        return;
    QString amount = entry.amount;
    QString grouped = entry.groupedAmount;
    if (amount == u"0") {
        switch (entry.decimals) {
        case FaceEntry::Decimals::Three:
            amount = QStringLiteral("0,000");
            break;
        case FaceEntry::Decimals::None:
            break;
        case FaceEntry::Decimals::Two:
            amount = QStringLiteral("0,00");
            break;
        }
        grouped = amount;
        if (amount != u"0")
            emit amountReplaced(amount);
        emit fieldsFilledCheckRequested();
    }
    if (amount == u"0" || amount == u"0,")
        return;
    const std::optional<int> stars = Fills::figuresStarCount(grouped, m_fonts.figures, m_measurer);
    if (!stars)
        return;
    m_figuresFill = QString(*stars, u'*');
    if (*stars > 0)
        m_labelCurrency = figuresText(grouped);
    emit changed();
}

QString LineFitting::figuresText(const QString& groupedAmount) const {
    return QStringLiteral("***") + groupedAmount + m_figuresFill;
}

void LineFitting::AjoutTagsEtoiles(const FaceEntry& entry) {
    // New words are on their way: the refusal of the previous ones must not keep the print
    // button hidden, and the split that follows decides again.
    m_wordsFit = true;
    QString amount = entry.groupedAmount;
    amount.remove(u'.');
    emit amountReplaced(amount.left(20));
    const bool threeLines = m_geometry && m_geometry->threeLines;
    if (m_fillStyle == FillStyle::NoTags) {
        const bool endOn1 = m_lines.holdsEnd(0);
        const bool endOn2 = !endOn1 && m_lines.holdsEnd(1);
        setVisible(0, true);
        setVisible(1, !endOn1);
        setVisible(2, !endOn1 && !endOn2);
    } else {
        setVisible(0, true);
        setVisible(1, true);
        setVisible(2, threeLines);
    }
    emit changed();
    emit fieldsFilledCheckRequested();
}

void LineFitting::TiretsDebutLigne() {
    const int last = m_geometry && m_geometry->threeLines ? 2 : 1;
    for (int i = 1; i <= last; ++i) {
        QString& line = m_lines.lines[i].text;
        if (line.startsWith(u'-')) {
            line.remove(0, 1);
            m_lines.lines[i - 1].text += u'-';
        }
    }
    emit changed();
}

void LineFitting::AjoutEtoilesFinLigne1() {
    QString& line1 = m_lines.lines[0].text;
    if (line1.contains(QStringLiteral("mille")) ||
        !m_lines.lines[1].text.startsWith(QStringLiteral("euros")))
        return;
    line1 += QStringLiteral("*******");
    emit changed();
}

void LineFitting::selectFillStyle(FillStyle style, const QString& lastBeneficiary) {
    m_fillStyle = style;
    emit beneficiaryReplaced(lastBeneficiary);
}

void LineFitting::rbTagsCharsClick(const QString& lastBeneficiary) {
    selectFillStyle(FillStyle::IdenticalChars, lastBeneficiary);
}

void LineFitting::rbTagsClick(const QString& lastBeneficiary) {
    selectFillStyle(FillStyle::NoTags, lastBeneficiary);
}

void LineFitting::rbTagsLineClick(const QString& lastBeneficiary) {
    selectFillStyle(FillStyle::BeneficiaryName, lastBeneficiary);
}

void LineFitting::ShowWordLines() {
    for (int i = 0; i < 3; ++i)
        setVisible(i, true);
    emit changed();
}

void LineFitting::HideWordLines() {
    for (int i = 0; i < 3; ++i)
        setVisible(i, false);
    emit changed();
}

void LineFitting::setWordLines(const FittedLines& lines) {
    m_lines = lines;
    if (!m_geometry || !m_geometry->threeLines)
        setVisible(2, false);
    emit changed();
}

void LineFitting::clearControlLines() {
    m_controlLines = {};
    emit changed();
}

void LineFitting::clearLabelCurrency() {
    m_labelCurrency.clear();
    emit changed();
}

void LineFitting::setVisible(int index, bool visible) {
    const bool threeLines = m_geometry && m_geometry->threeLines;
    m_lines.lines[index].visible = visible && (index < 2 || threeLines);
}
