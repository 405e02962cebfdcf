#include "app/ChequeSession.h"

#include "core/ChequeDate.h"
#include "core/DecimalMode.h"
#include "core/FillStyle.h"
#include "formats/BankFormat.h"
#include "platform/AppFolders.h"
#include "platform/Dialogs.h"
#include "platform/IniFile.h"
#include "platform/Platform.h"
#include "platform/Printers.h"
#include "platform/Sounds.h"

namespace {

const QString kShow = QStringLiteral("SHOW");

void writeWordingOptions(IniDocument& d, const WordingOptions& o) {
    d.writeString(kShow, u"UMonaie", o.unitSingular);
    d.writeString(kShow, u"UMonaieS", o.unitPlural);
    d.writeString(kShow, u"U100Monaie", o.subUnitSingular);
    d.writeString(kShow, u"U100MonaieS", o.subUnitPlural);
    d.writeString(kShow, u"Preposition", o.preposition);
    d.writeString(kShow, u"Devise", o.currencySign);
    d.writeInteger(kShow, u"Datage", o.dateStyle);
    d.writeBool(kShow, u"ThreeDecimal", o.threeDecimals);
    d.writeBool(u"PRINT", u"YesDecimal", o.noDecimals);
    d.writeBool(kShow, u"Septante", o.specificites);
    d.writeString(kShow, u"LabelBtnValid", o.validateCaption);
    d.writeBool(kShow, u"Reset", o.resetZones);
    d.writeBool(kShow, u"FontMaj", o.majuscules);
}

WordFontSettings readFontSettings(const IniDocument& d) {
    WordFontSettings f;
    f.defaultFont = d.readBool(kShow, u"FontDefault", true);
    f.fontName = d.readString(kShow, u"FontName", f.fontName).left(72);
    f.wordsSize = d.readInteger(kShow, u"FontSizeSL", f.wordsSize);
    f.beneficiarySize = d.readInteger(kShow, u"FontSizeB", f.beneficiarySize);
    f.figuresSize = d.readInteger(kShow, u"FontSizeSC", f.figuresSize);
    f.placeDateSize = d.readInteger(kShow, u"FontSizeLD", f.placeDateSize);
    return f;
}

void writeFontSettings(IniDocument& d, const WordFontSettings& f) {
    d.writeBool(kShow, u"FontDefault", f.defaultFont);
    d.writeString(kShow, u"FontName", f.fontName);
    d.writeInteger(kShow, u"FontSizeSL", f.wordsSize);
    d.writeInteger(kShow, u"FontSizeB", f.beneficiarySize);
    d.writeInteger(kShow, u"FontSizeSC", f.figuresSize);
    d.writeInteger(kShow, u"FontSizeLD", f.placeDateSize);
}

FillTagStyle journalTags(FillStyle style) {
    switch (style) {
    case FillStyle::IdenticalChars:
        return FillTagStyle::IdenticalCharacters;
    case FillStyle::NoTags:
        return FillTagStyle::NoTags;
    case FillStyle::BeneficiaryName:
        return FillTagStyle::RepeatBeneficiary;
    }
    return FillTagStyle::NotSelected;
}

} // namespace

ChequeSession::ChequeSession(Platform& platform, const TextMeasurer& measurer, Printers& printers,
                             QObject* parent)
    : QObject(parent), m_platform(platform), m_printers(printers),
      m_catalogue(BankFormatCatalogue::standard()), m_formatNames(m_catalogue),
      m_positions(m_catalogue, m_formatNames, platform.dialogs),
      m_currentFormat(m_catalogue, m_formatNames, platform.dialogs, platform.sounds),
      m_printModes(platform.dialogs, platform.sounds), m_entry(platform, *this, m_wordLines),
      m_wording(platform, *this, m_entry, m_wordLines),
      m_fitting(measurer, platform.dialogs, platform.sounds), m_journal(platform),
      m_account(platform), m_recorder(platform, m_journal, m_account), m_printJob(printers) {
    // The fitted lines are what the face shows and the cheque prints.
    connect(&m_fitting, &LineFitting::changed, this, [this] {
        const FittedLines& fitted = m_fitting.wordLines();
        for (int line = 1; line <= WordLines::kCount; ++line) {
            m_wordLines.setText(line, fitted.lines.at(line - 1).text);
            m_wordLines.setVisible(line, fitted.lines.at(line - 1).visible);
        }
    });
    connect(&m_fitting, &LineFitting::wordsRefused, this, [this] { setPrintButtonVisible(false); });
    connect(&m_fitting, &LineFitting::beneficiaryReplaced, &m_entry, &ChequeEntry::setBeneficiary);
    connect(&m_fitting, &LineFitting::amountReplaced, &m_entry, &ChequeEntry::setAmountText);
    connect(&m_fitting, &LineFitting::fieldsFilledCheckRequested, this,
            &ChequeSession::BtnTestSiEditsPleinsClick);
    connect(&m_currentFormat, &CurrentFormat::formatSelected, this,
            [this](int number, bool) { onFormatSelected(number); });
    connect(&m_positions, &FormatPositions::positionChanged, this, [this](int number, int, int) {
        if (number == m_currentFormat.number())
            updateLineGeometry();
    });
    m_fitting.setFontSettings(m_fontSettings);
    bindSettings();
}

void ChequeSession::bindSettings() {
    const auto owner = [this](const char* name, SettingsSequence::ModelLoader load,
                              SettingsSequence::ModelSaver save) {
        m_settings.bindOwner(QString::fromLatin1(name), std::move(load), std::move(save));
    };
    owner(
        "positions", [this](const IniDocument& d) { m_positions.load(d); },
        [this](IniDocument& d) { m_positions.save(d); });
    owner(
        "format names", [this](const IniDocument& d) { m_formatNames.load(d); },
        [this](IniDocument& d) { m_formatNames.save(d); });
    owner(
        "current format", [this](const IniDocument& d) { m_currentFormat.load(d); },
        [this](IniDocument& d) { m_currentFormat.save(d); });
    owner(
        "print modes", [this](const IniDocument& d) { m_printModes.load(d); },
        [this](IniDocument& d) { m_printModes.save(d); });
    owner(
        "journal", [this](const IniDocument& d) { m_journal.load(d); },
        [this](IniDocument& d) { m_journal.save(d); });
    owner(
        "account", [this](const IniDocument& d) { m_account.load(d); },
        [this](IniDocument& d) { m_account.save(d); });
    owner(
        "lists", [this](const IniDocument& d) { m_lists.load(d); },
        [this](IniDocument& d) { m_lists.save(d); });
    owner(
        "counter", [this](const IniDocument& d) { m_recorder.load(d); },
        [this](IniDocument& d) { m_recorder.save(d); });
    owner(
        "wording",
        [this](const IniDocument& d) {
            const WordingOptions options = readWordingOptions(d);
            m_entry.setDecimalMode(options.decimalMode());
            m_entry.setResetZones(options.resetZones);
            // A stored style outside 1..4 leaves none checked: the first one is then taken.
            m_entry.setDateStyle(static_cast<int>(dateStyleFromSetting(options.dateStyle)));
            m_wording.applyOptions(options);
            m_entry.setAmountText(zeroAmount(options.decimalMode()));
        },
        [this](IniDocument& d) {
            WordingOptions options = m_wording.options();
            options.threeDecimals = m_entry.decimalMode() == DecimalMode::Three;
            options.noDecimals = m_entry.decimalMode() == DecimalMode::None;
            options.resetZones = m_entry.resetZones();
            options.dateStyle = m_entry.dateStyle();
            writeWordingOptions(d, options);
        });
    owner(
        "fonts", [this](const IniDocument& d) { setFontSettings(readFontSettings(d)); },
        [this](IniDocument& d) { writeFontSettings(d, m_fontSettings); });
    owner(
        "fitting",
        [this](const IniDocument& d) {
            if (const auto style = fillStyleFromSetting(d.readInteger(u"PRINT", u"Tags", 0)))
                m_fitting.setFillStyle(*style);
        },
        [this](IniDocument& d) {
            d.writeInteger(u"PRINT", u"Tags", fillStyleSetting(m_fitting.fillStyle()));
        });
    owner(
        "sounds",
        [this](const IniDocument& d) {
            m_platform.sounds.setMuted(d.readBool(kShow, u"Wav", false));
        },
        [this](IniDocument& d) { d.writeBool(kShow, u"Wav", m_platform.sounds.isMuted()); });
    m_settings.bind(
        QStringLiteral("SAISIE LIEU"), QStringLiteral("Lieu"),
        [this] { return QVariant(m_entry.place()); },
        [this](const QVariant& v) {
            m_entry.setPlace(v.toString().left(ChequeEntry::kPlaceMaxLength));
        });
}

SettingsSequence::LoadResult
ChequeSession::loadSettings(const std::function<void(int step)>& progress) {
    IniFile file(m_platform.folders.settingsFilePath());
    const SettingsSequence::LoadResult result = m_settings.load(file, progress);
    if (m_currentFormat.hasFormat())
        m_currentFormat.Interface(m_currentFormat.number(), {});
    return result;
}

bool ChequeSession::saveSettings() {
    IniFile file(m_platform.folders.settingsFilePath());
    if (m_settings.save(file))
        return true;
    m_platform.sounds.play(Cue::Son004);
    m_platform.dialogs.error(QStringLiteral("Enregistrement des réglages..."), file.errorString());
    return false;
}

void ChequeSession::firstShowing() {
    m_entry.setMainWindowShown(true);
    m_fitting.setMainWindowShown(true);
    m_entry.writeStartDate();
    // The stored format was laid out by the load sequence; selecting it again now that the
    // window shows would reset the stored account and numbers to account 1.
}

void ChequeSession::setFontSettings(const WordFontSettings& settings) {
    m_fontSettings = settings;
    m_fitting.setFontSettings(settings);
    emit fontSettingsChanged();
}

JournalFormatInfo ChequeSession::journalFormatInfo(const BankFormat& format) const {
    JournalFormatInfo info;
    info.journalName = m_formatNames.caption(format.number);
    info.bankKey = format.accountName;
    info.oldJournalCode = format.oldJournalCode;
    info.oldJournalSuffix = format.oldJournalSuffix;
    info.slotCount = format.accountCount;
    info.threeLines = format.lineCount == 3;
    info.dashed = format.journalMarker == u"_";
    return info;
}

void ChequeSession::onFormatSelected(int number) {
    setPrintButtonVisible(false);
    updateLineGeometry();
    if (const BankFormat* format = m_catalogue.byNumber(number)) {
        const JournalFormatInfo info = journalFormatInfo(*format);
        m_account.AffecteNumeroChqEtCpt(&info, isMainWindowShown());
    }
    if (isMainWindowShown())
        m_fitting.GetFont(faceEntry());
}

void ChequeSession::updateLineGeometry() {
    const BankFormat* format = m_currentFormat.format();
    if (!format) {
        m_fitting.setGeometry(std::nullopt);
        return;
    }
    const FieldPositions& p = m_positions.positions(format->number);
    LineGeometry geometry;
    geometry.line1Mm = p.field(13);
    geometry.line2Mm = p.field(14);
    geometry.line3Mm = format->lineCount == 3 ? p.field(15) : 0;
    geometry.beneficiaryMm = p.field(16);
    geometry.threeLines = format->lineCount == 3;
    m_fitting.setGeometry(geometry);
}

FaceEntry ChequeSession::faceEntry() const {
    FaceEntry face;
    face.beneficiary = m_entry.beneficiary();
    face.amount = m_entry.amountText();
    face.groupedAmount = m_entry.EditCurrency();
    switch (m_entry.decimalMode()) {
    case DecimalMode::Two:
        face.decimals = FaceEntry::Decimals::Two;
        break;
    case DecimalMode::Three:
        face.decimals = FaceEntry::Decimals::Three;
        break;
    case DecimalMode::None:
        face.decimals = FaceEntry::Decimals::None;
        break;
    }
    return face;
}

// --- What the conversion asks of the window ---

bool ChequeSession::formatChosen() const {
    return m_currentFormat.hasFormat();
}

void ChequeSession::openFormatChoice() {
    emit formatChoiceRequested();
}

void ChequeSession::setPrintButtonVisible(bool visible) {
    if (m_printButtonVisible == visible)
        return;
    m_printButtonVisible = visible;
    emit printButtonVisibleChanged(visible);
}

void ChequeSession::checkFieldsFilled() {
    BtnTestSiEditsPleinsClick();
}

void ChequeSession::fitWords(const QString& amountWords) {
    const FaceEntry face = faceEntry();
    m_fitting.AjoutTagsEtoiles(face);
    m_fitting.setAmountWords(amountWords);
    m_fitting.GetFont(faceEntry());
    m_fitting.TiretsDebutLigne();
    m_fitting.ShowWordLines();
}

void ChequeSession::clearFiguresLabel() {
    m_fitting.clearLabelCurrency();
}

void ChequeSession::clearControlLines() {
    m_fitting.clearControlLines();
}

void ChequeSession::BtnTestSiEditsPleinsClick() {
    const bool filled =
        !m_entry.beneficiary().isEmpty() && !m_entry.place().isEmpty() && !m_entry.date().isEmpty();
    setPrintButtonVisible(filled && m_fitting.wordsFit());
}

// --- Printing ---

ChequeContent ChequeSession::chequeContent() const {
    ChequeContent content;
    for (int line = 1; line <= WordLines::kCount; ++line)
        content.wordsLines.at(static_cast<size_t>(line - 1)) = m_wordLines.text(line);
    content.beneficiary = m_entry.beneficiary();
    content.figures = m_fitting.figuresText(m_entry.EditCurrency());
    content.place = m_entry.place();
    content.date = m_entry.date();
    return content;
}

JournalEntry ChequeSession::journalEntry() const {
    JournalEntry entry;
    entry.tags = journalTags(m_fitting.fillStyle());
    for (int line = 1; line <= WordLines::kCount; ++line)
        entry.wordsLines.at(static_cast<size_t>(line - 1)) = m_wordLines.text(line);
    const BankFormat* format = m_currentFormat.format();
    entry.threeLineFormat = format && format->lineCount == 3;
    entry.currencyPlural = m_wording.options().unitPlural;
    entry.figures = m_entry.amountText();
    entry.beneficiary = m_entry.LastBeneficiary();
    entry.place = m_entry.place();
    entry.date = m_entry.date();
    return entry;
}

PrintOutcome ChequeSession::PrintChequeCondition() {
    if (!m_wording.Convertir() || !m_printButtonVisible)
        return {};
    m_platform.sounds.play(Cue::Son006);
    return PrintCheque();
}

PrintOutcome ChequeSession::PrintCheque() {
    return print(true);
}

PrintOutcome ChequeSession::PrintChequeTrial() {
    return print(false);
}

PrintOutcome ChequeSession::print(bool record) {
    const BankFormat* format = m_currentFormat.format();
    if (!format)
        return {};
    ChequeJob job;
    job.format = format;
    job.positions = &m_positions.positions(format->number);
    job.mode = m_printModes.mode();
    job.offsets = m_printModes.offsets();
    job.fonts = m_fontSettings.defaultFont
                    ? PrintFonts::standard()
                    : PrintFonts::custom(m_fontSettings.fontName, m_fontSettings.wordsSize,
                                         m_fontSettings.beneficiarySize, m_fontSettings.figuresSize,
                                         m_fontSettings.placeDateSize);
    job.content = chequeContent();
    const PrintOutcome outcome = m_printJob.PrintChq(job, *m_accessories);
    m_entry.requestFocus(EntryField::Amount);
    if (outcome.aborted) {
        m_platform.dialogs.information(QStringLiteral("Impression..."),
                                       QStringLiteral("Impression annulée"));
    } else if (!outcome.printed) {
        m_platform.sounds.play(Cue::Son004);
        m_platform.dialogs.error(QStringLiteral("Impression..."), outcome.error);
    } else if (record) {
        m_recorder.recordPrintedCheque(journalEntry());
    }
    emit chequePrinted(outcome);
    return outcome;
}
