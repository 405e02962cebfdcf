#pragma once

#include "app/SettingsSequence.h"
#include "core/AmountWording.h"
#include "core/ChequeEntry.h"
#include "core/ConversionHost.h"
#include "core/LineFitting.h"
#include "core/WordFontSettings.h"
#include "core/WordLines.h"
#include "formats/BankFormatCatalogue.h"
#include "formats/ChequePrintJob.h"
#include "formats/CurrentFormat.h"
#include "formats/FormatDisplayNames.h"
#include "formats/FormatPositions.h"
#include "formats/PrintAccessories.h"
#include "formats/PrintModeSettings.h"
#include "journal/ChequeRecorder.h"
#include "journal/CurrentAccount.h"
#include "journal/Journal.h"
#include "journal/JournalFormatInfo.h"
#include "lists/EntryLists.h"

#include <QObject>

struct Platform;
class Printers;
class TextMeasurer;

/// The program's state behind the main window: every model of the cheque, bound together
/// as the main window binds its controls, with the settings sequences and the print command.
/// The window and the command line both drive it.
class ChequeSession : public QObject, private ConversionHost {
    Q_OBJECT
public:
    ChequeSession(Platform& platform, const TextMeasurer& measurer, Printers& printers,
                  QObject* parent = nullptr);

    Platform& platform() { return m_platform; }
    Printers& printers() { return m_printers; }
    const BankFormatCatalogue& catalogue() const { return m_catalogue; }
    FormatDisplayNames& formatNames() { return m_formatNames; }
    FormatPositions& positions() { return m_positions; }
    CurrentFormat& currentFormat() { return m_currentFormat; }
    PrintModeSettings& printModes() { return m_printModes; }
    WordLines& wordLines() { return m_wordLines; }
    ChequeEntry& entry() { return m_entry; }
    AmountWording& wording() { return m_wording; }
    LineFitting& fitting() { return m_fitting; }
    Journal& journal() { return m_journal; }
    CurrentAccount& account() { return m_account; }
    ChequeRecorder& recorder() { return m_recorder; }
    EntryLists& lists() { return m_lists; }
    SettingsSequence& settings() { return m_settings; }

    /// The load sequence, each step told to `progress`; then the stored format is applied.
    SettingsSequence::LoadResult loadSettings(const std::function<void(int step)>& progress = {});
    /// The save sequence; false after showing the error naming the file.
    bool saveSettings();
    /// The end of the first showing: date of the day, the rules that wait for the window.
    void firstShowing();
    bool isMainWindowShown() const { return m_entry.isMainWindowShown(); }

    WordFontSettings fontSettings() const { return m_fontSettings; }
    void setFontSettings(const WordFontSettings& settings);
    bool printButtonVisible() const { return m_printButtonVisible; }
    bool isPrinting() const { return m_printJob.isPrinting(); }
    void setAccessories(PrintAccessories* accessories) { m_accessories = accessories; }

    /// The print command: converts once more, then prints (the pre-print panel decision
    /// comes later) when the words fit and the fields are filled.
    PrintOutcome PrintChequeCondition();
    /// Prints the cheque of the current format and records it (journal, number, counter).
    PrintOutcome PrintCheque();
    /// Prints without recording: a trial on paper or in a file.
    PrintOutcome PrintChequeTrial();
    /// Escape while printing.
    void abortPrint() { m_printJob.abort(); }
    /// Shows the print button when beneficiary, place and date are filled and the words fit.
    void BtnTestSiEditsPleinsClick();

    /// What the cheque of the current format prints now.
    ChequeContent chequeContent() const;
    JournalFormatInfo journalFormatInfo(const BankFormat& format) const;

signals:
    void printButtonVisibleChanged(bool visible);
    /// No format is chosen: the format choice dialog has to be opened.
    void formatChoiceRequested();
    void fontSettingsChanged();
    void chequePrinted(const PrintOutcome& outcome);

private:
    // ConversionHost: what the conversion asks of the main window.
    bool formatChosen() const override;
    void openFormatChoice() override;
    void setPrintButtonVisible(bool visible) override;
    void checkFieldsFilled() override;
    void fitWords(const QString& amountWords) override;
    void clearFiguresLabel() override;
    void clearControlLines() override;

    void bindSettings();
    void onFormatSelected(int number);
    void updateLineGeometry();
    FaceEntry faceEntry() const;
    JournalEntry journalEntry() const;
    PrintOutcome print(bool record);

    Platform& m_platform;
    Printers& m_printers;
    const BankFormatCatalogue& m_catalogue;
    FormatDisplayNames m_formatNames;
    FormatPositions m_positions;
    CurrentFormat m_currentFormat;
    PrintModeSettings m_printModes;
    WordLines m_wordLines;
    ChequeEntry m_entry;
    AmountWording m_wording;
    LineFitting m_fitting;
    Journal m_journal;
    CurrentAccount m_account;
    ChequeRecorder m_recorder;
    EntryLists m_lists;
    SettingsSequence m_settings;
    ChequePrintJob m_printJob;
    PrintAccessories m_noAccessories;
    PrintAccessories* m_accessories = &m_noAccessories;
    WordFontSettings m_fontSettings;
    bool m_printButtonVisible = false;
};
