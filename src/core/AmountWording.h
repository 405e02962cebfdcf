#pragma once

#include "core/WordingOptions.h"

#include <QObject>
#include <QString>
#include <array>

class ChequeEntry;
class Clipboard;
class ConversionHost;
class WordLines;
struct Platform;

/// The amount in words: the wording options and current unit words, the conversion
/// `Convertir` producing `AmountWords` (kept as `EditPioche`), the Majuscules switch and the
/// buttons that restore the default words.
class AmountWording : public QObject {
    Q_OBJECT
public:
    /// The three "Libellé par défaut " buttons of the word fields.
    enum class DefaultWords { Unit, SubUnit, Preposition };

    static constexpr int kWordMaxLength = 20;
    static constexpr int kPrepositionMaxLength = 3;
    static constexpr int kValidateCaptionMaxLength = 10;

    AmountWording(Platform& platform, ConversionHost& host, ChequeEntry& entry, WordLines& lines,
                  QObject* parent = nullptr);

    /// Takes the words, wording, case and captions of the options (the decimal mode and the
    /// date style belong to the entry).
    void applyOptions(const WordingOptions& options);
    /// The options as they stand, for saving.
    WordingOptions options() const { return m_options; }

    /// The edit fields of the words; typing in one enables its default button again.
    void setUnitSingular(const QString& word);    // EditMonaieSingul
    void setUnitPlural(const QString& word);      // EditMonaiePluriel
    void setSubUnitSingular(const QString& word); // Edit100MonaieSingul
    void setSubUnitPlural(const QString& word);   // Edit100MonaiePluriel
    void setPreposition(const QString& word);     // EditDoro
    void setValidateCaption(const QString& text); // EditEuro2, caption of "Valider"
    void setCurrencySign(const QString& sign);    // caption of btnConvertir

    /// The unit and sub-unit words for the current amount, each with its leading blank.
    QString currentUnit() const { return m_currentUnit; }
    QString currentSubUnit() const { return m_currentSubUnit; }
    void MonaieUnite(const QString& amount);
    void MonaieUnite2(const QString& amount);
    /// Plural unit unless the grouped amount reads 0,… or 1,….
    bool DetectPluriel() const;

    /// The last `AmountWords`: "***" + words + unit words + U+00A0 + "***".
    QString EditPioche() const { return m_pioche; }

    /// Enter, "Valider" or print: writes the amount in words and hands them to the line
    /// fitting. False when no words were produced (no format, empty entry, overflow).
    bool Convertir();

    /// The Majuscules box: the three visible word lines change case at once.
    void cbFontMajClick(bool checked);
    /// Spécificités (septante, huitante, nonante) from the next conversion.
    void BelgicismeClick(bool checked);

    bool isDefaultButtonEnabled(DefaultWords which) const;
    /// Start-up check: a default-words button is enabled only when its words differ from the
    /// defaults.
    void DisableBtnParDefaut();
    void BtnDefautMonaieClick();
    void BtnDefaut100MonaieClick();
    void btnRemiseDefautPrepClick();
    void BtnRemiseDefautSigneEuroClick();

    /// Copies the words, without stars and framing blanks, to the clipboard.
    void PPMPasteSommelettresClick(Clipboard& clipboard);

    static const QString kDefaultWordsQuestion;

signals:
    void wordsChanged(const QString& amountWords);
    void optionsChanged();
    void currentUnitsChanged();
    void defaultButtonsChanged();

private:
    void setEditPioche(const QString& text);
    void normaliseEntry();
    void reportOverflow(bool withDecimals);
    void restoreDefaultWords(DefaultWords which);
    void setDefaultButtonEnabled(DefaultWords which, bool enabled);
    void setWord(QString& word, const QString& value, int maxLength, DefaultWords button);

    Platform& m_platform;
    ConversionHost& m_host;
    ChequeEntry& m_entry;
    WordLines& m_lines;
    WordingOptions m_options;
    QString m_currentUnit;
    QString m_currentSubUnit;
    QString m_pioche;
    bool m_firstConversion = true;
    std::array<bool, 3> m_defaultButtonEnabled{true, true, true};
};
