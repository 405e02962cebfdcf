#pragma once

#include "core/ControlLines.h"
#include "core/FaceEntry.h"
#include "core/FillStyle.h"
#include "core/FittedLines.h"
#include "core/LineGeometry.h"
#include "core/ScreenFonts.h"
#include "core/WordFontSettings.h"

#include <QObject>
#include <optional>

class Dialogs;
class Sounds;
class TextMeasurer;

/// Splits the amount in words over the lines of the current format, refuses words that do not
/// fit, and fills the words lines, the beneficiary and the amount in figures with marks.
/// Holds the words lines, the control lines and the figures fill that the face and the print
/// job read; asks the cheque face, through signals, to change the fields it owns.
class LineFitting : public QObject {
    Q_OBJECT
public:
    LineFitting(const TextMeasurer& measurer, Dialogs& dialogs, Sounds& sounds,
                QObject* parent = nullptr);

    /// Nothing is split or filled before the main window has been shown.
    void setMainWindowShown(bool shown);
    /// The line lengths of the current format; nothing when no format is chosen.
    void setGeometry(std::optional<LineGeometry> geometry);
    const std::optional<LineGeometry>& geometry() const { return m_geometry; }
    /// The word-font settings; applied by the next GetFont.
    void setFontSettings(const WordFontSettings& settings);
    FillStyle fillStyle() const { return m_fillStyle; }
    void setFillStyle(FillStyle style);
    /// The amount in words to split (copied there by each conversion).
    void setAmountWords(const QString& amountWords);
    const QString& amountWords() const { return m_stokLines123; }

    /// Applies the screen fonts of the settings, then splits (GetTo3Lines).
    void GetFont(const FaceEntry& entry);
    /// Splits the words over the lines, warns and refuses when they do not fit, then fills.
    void GetTo3Lines(const FaceEntry& entry);
    /// Star fills of the words lines, the beneficiary fill, control lines, figures fill.
    void DonneMMClick(const FaceEntry& entry);
    /// Stars after the amount in figures (FiguresFill) and LabelCurrency.
    void SizeChampSCMM(const FaceEntry& entry);
    /// Before the split: the amount field shows the grouped amount without its dots, the
    /// lines that may be seen are shown, and the words count as fitting until split again.
    void AjoutTagsEtoiles(const FaceEntry& entry);
    /// A line beginning with "-" gives it back to the end of the line above.
    void TiretsDebutLigne();
    /// Seven stars after line 1 when it holds no "mille" and line 2 begins with "euros".
    void AjoutEtoilesFinLigne1();

    /// Choosing a beneficiary fill style puts the typed beneficiary back, without fill.
    void rbTagsCharsClick(const QString& lastBeneficiary);
    void rbTagsClick(const QString& lastBeneficiary);
    void rbTagsLineClick(const QString& lastBeneficiary);

    /// Shows lines 1 and 2, and line 3 on the three-line format.
    void ShowWordLines();
    void HideWordLines();
    /// Replaces the lines as they stand (case change, overflow notice, clearing).
    void setWordLines(const FittedLines& lines);
    void clearControlLines();
    void clearLabelCurrency();

    const FittedLines& wordLines() const { return m_lines; }
    const ScreenFonts& fonts() const { return m_fonts; }
    const ControlLines& controlLines() const { return m_controlLines; }
    /// False once a split refused the words, until the next conversion starts: the
    /// fields-filled check must then keep the print button hidden.
    bool wordsFit() const { return m_wordsFit; }
    /// The stars printed after the amount in figures (at most 20).
    const QString& figuresFill() const { return m_figuresFill; }
    /// "***" + grouped amount + FiguresFill while a fill exists, else what it was set to.
    const QString& labelCurrency() const { return m_labelCurrency; }
    /// The amount in figures as printed: "***" + grouped amount + FiguresFill.
    QString figuresText(const QString& groupedAmount) const;

signals:
    /// Lines, fonts, control lines, fill or LabelCurrency changed.
    void changed();
    /// The words do not fit: the warning was shown and the print button must be hidden.
    void wordsRefused();
    /// The beneficiary field must now hold this text (with or without its fill).
    void beneficiaryReplaced(const QString& text);
    /// The amount field must now hold this text.
    void amountReplaced(const QString& text);
    /// The fields-filled check of the print button must run now.
    void fieldsFilledCheckRequested();

private:
    void setVisible(int index, bool visible);
    void starFill(int index, int targetMm);
    QString beneficiaryFill(const QString& beneficiary);
    void selectFillStyle(FillStyle style, const QString& lastBeneficiary);
    void warnWordsTooLarge();

    const TextMeasurer& m_measurer;
    Dialogs& m_dialogs;
    Sounds& m_sounds;

    bool m_mainWindowShown = false;
    std::optional<LineGeometry> m_geometry;
    WordFontSettings m_fontSettings;
    ScreenFonts m_fonts;
    FillStyle m_fillStyle = FillStyle::IdenticalChars;
    QString m_stokLines123;

    FittedLines m_lines;
    ControlLines m_controlLines;
    bool m_wordsFit = true;
    QString m_figuresFill;
    QString m_labelCurrency;
};
