#include "formats/ChequeFacePanel.h"

#include "app/ChequeSession.h"
#include "core/GuiClipboard.h"
#include "core/ScreenFonts.h"
#include "formats/EntryLineEdit.h"
#include "formats/PrintModeMenu.h"
#include "formats/PrintModePicture.h"
#include "formats/ScreenScale.h"
#include "platform/Printers.h"

#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace {

constexpr QSize kFaceSize(654, 267);
const QColor kFieldColour(240, 251, 255);
const QColor kFormatLabelColour(193, 193, 255);
const QColor kHoverColour(0, 0, 128);

int X(int mm) {
    return ScreenScale::millimetresToPixelsX(mm);
}
int Y(int mm) {
    return ScreenScale::millimetresToPixelsY(mm);
}

QFont pixelFont(const QString& family, int pixelSize, bool bold = false) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace

ChequeFacePanel::ChequeFacePanel(ChequeSession& session, QWidget* parent)
    : QFrame(parent), m_session(session) {
    setObjectName(QStringLiteral("RbPanelFaceCheque"));
    setFixedSize(kFaceSize);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    setAutoFillBackground(true);
    setFrameShape(QFrame::NoFrame);
    buildNumberPanels();
    buildFields();
    buildPrintArea();
    buildBottomStrip();
    bindEntry();
    bindWords();
    applyFonts();
    SeeScreenLines();
}

// --- Building ---

EntryLineEdit* ChequeFacePanel::textField(const char* name, int maxLength, QSize size) {
    auto* field = new EntryLineEdit(this);
    field->setObjectName(QString::fromLatin1(name));
    field->setMaxLength(maxLength);
    field->resize(size);
    return field;
}

QLabel* ChequeFacePanel::companionLabel(const char* name, const QString& text, int pixelSize) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(pixelFont(QStringLiteral("Arial"), pixelSize));
    label->adjustSize();
    return label;
}

QFrame* ChequeFacePanel::line(const char* name, int width) {
    auto* frame = new QFrame(this);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFixedSize(width, 1);
    frame->setStyleSheet(QStringLiteral("background: rgb(110, 110, 110);"));
    return frame;
}

void ChequeFacePanel::buildFields() {
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Label%1").arg(8 + i));
        label->setAttribute(Qt::WA_TranslucentBackground);
        label->hide();
        m_wordLines.at(static_cast<size_t>(i)) = label;
    }

    m_beneficiary = textField("EditBeneficiaire", 117, {433, 22});
    m_labelBenef = companionLabel("LabelBenef", QStringLiteral("à"), 13);
    m_labelBenef->setCursor(Qt::PointingHandCursor);
    m_ligneBeneficiaire = line("LigneBeneficiaire", 448);
    m_gommeBeneficiaire = new QToolButton(this);
    m_gommeBeneficiaire->setObjectName(QStringLiteral("GommeBeneficiaire"));
    m_gommeBeneficiaire->setText(QStringLiteral("X"));
    m_gommeBeneficiaire->setFixedSize(14, 14);
    m_gommeBeneficiaire->setAutoRaise(true);
    m_gommeBeneficiaire->setToolTip(QStringLiteral("Effacer le bénéficiaire"));
    m_gommeBeneficiaire->setStyleSheet(
        QStringLiteral("QToolButton { color: red; font: bold 10px; border: none; }"));
    connect(m_gommeBeneficiaire, &QToolButton::clicked, &m_session.entry(),
            &ChequeEntry::GommeBeneficiaireClick);

    // The conversion button lies under the amount panel, which covers it.
    m_btnConvertir = new QPushButton(m_session.wording().options().currencySign, this);
    m_btnConvertir->setObjectName(QStringLiteral("btnConvertir"));
    m_btnConvertir->setFixedSize(135, 33);
    m_btnRelaisConvertir = new QPushButton(m_session.wording().options().validateCaption, this);
    m_btnRelaisConvertir->setObjectName(QStringLiteral("btnRelaisConvertir"));
    m_btnRelaisConvertir->setFixedSize(135, 37);
    m_btnRelaisConvertir->setFont(pixelFont(QStringLiteral("Arial"), 13));
    m_btnRelaisConvertir->setStyleSheet(QStringLiteral("color: rgb(90, 90, 90);"));
    m_btnRelaisConvertir->setToolTip(QStringLiteral("Écrire la somme en lettres   [Entrée]"));
    m_btnRelaisConvertir->hide();
    for (QPushButton* button : {m_btnConvertir, m_btnRelaisConvertir})
        connect(button, &QPushButton::clicked, this, [this] { m_session.wording().Convertir(); });

    m_rbPanel3 = new QFrame(this);
    m_rbPanel3->setObjectName(QStringLiteral("RbPanel3"));
    m_rbPanel3->setFixedSize(136, 33);
    m_rbPanel3->setStyleSheet(QStringLiteral(
        "#RbPanel3 { background: rgb(240, 251, 255); border: 1px solid rgb(150, 170, 190);"
        " border-radius: 4px; }"));
    m_amount = new EntryLineEdit(m_rbPanel3);
    m_amount->setObjectName(QStringLiteral("EditSaisieSomme"));
    m_amount->setGeometry(7, 5, 102, 22);
    m_amount->setMaxLength(14);
    m_amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_amount->setToolTip(
        QStringLiteral("Somme en chiffres, puis [Entrée] pour l'écrire en lettres"));
    auto* gommeSomme = new QToolButton(m_rbPanel3);
    gommeSomme->setObjectName(QStringLiteral("GommeEditSaisieSomme"));
    gommeSomme->setText(QStringLiteral("X"));
    gommeSomme->setGeometry(115, 10, 14, 14);
    gommeSomme->setToolTip(QStringLiteral("Remettre la somme à zéro"));
    gommeSomme->setStyleSheet(m_gommeBeneficiaire->styleSheet());
    connect(gommeSomme, &QToolButton::clicked, &m_session.entry(), &ChequeEntry::GommeSaisieSomme);

    m_place = textField("EditLieu", 30, {119, 13});
    m_labelA = companionLabel("LabelA", QStringLiteral("à"), 11);
    m_ligneA = line("LigneA", 120);
    m_date = textField("EditDate", 24, {119, 13});
    m_date->setToolTip(QStringLiteral("Double-clic : mini-calendrier"));
    m_labelLE = companionLabel("LabelLE", QStringLiteral("le"), 11);
    m_ligneLE = line("LigneLE", 120);
    connect(m_date, &EntryLineEdit::doubleClicked, this, &ChequeFacePanel::calendarRequested);
}

void ChequeFacePanel::buildPrintArea() {
    m_printModeMenu = buildPrintModeMenu(m_session.printModes(), this);
    m_btnPrint = new QPushButton(this);
    m_btnPrint->setObjectName(QStringLiteral("BtnPrintCheque"));
    m_btnPrint->setGeometry(13, 147, 89, 57);
    m_btnPrint->setIcon(QIcon(QStringLiteral(":/pictures/Imprimer.svg")));
    m_btnPrint->setIconSize({40, 40});
    m_btnPrint->setContextMenuPolicy(Qt::CustomContextMenu);
    m_btnPrint->setMouseTracking(true);
    m_btnPrint->installEventFilter(this);
    m_btnPrint->hide();
    connect(m_btnPrint, &QPushButton::clicked, this, [this] { m_session.PrintChequeCondition(); });
    connect(m_btnPrint, &QPushButton::customContextMenuRequested, this,
            [this](const QPoint& pos) { m_printModeMenu->popup(m_btnPrint->mapToGlobal(pos)); });

    for (const PrintMode mode : printModesInMenuOrder()) {
        auto* picture = new QLabel(this);
        picture->setObjectName(QString::fromLatin1(printModeInfo(mode).picture));
        picture->setGeometry(108, 163, 56, 40);
        picture->setToolTip(QString::fromUtf8(printModeInfo(mode).caption) +
                            QStringLiteral("\nDouble-clic : retourner l'image"));
        picture->setContextMenuPolicy(Qt::CustomContextMenu);
        picture->installEventFilter(this);
        picture->hide();
        connect(picture, &QLabel::customContextMenuRequested, this,
                [this, picture](QPoint pos) { m_printModeMenu->popup(picture->mapToGlobal(pos)); });
        m_pictures.at(static_cast<size_t>(mode) - 1) = picture;
        refreshPicture(mode);
    }
    PrintModeSettings& modes = m_session.printModes();
    connect(&modes, &PrintModeSettings::modeChanged, this, &ChequeFacePanel::refreshPictures);
    connect(&modes, &PrintModeSettings::pictureTurnedChanged, this,
            &ChequeFacePanel::refreshPicture);
    connect(&m_session, &ChequeSession::printButtonVisibleChanged, this, [this](bool visible) {
        m_btnPrint->setVisible(visible);
        refreshPictures();
    });
}

void ChequeFacePanel::buildBottomStrip() {
    auto* strip = new QFrame(this);
    strip->setObjectName(QStringLiteral("RbPanelBasChq"));
    strip->setGeometry(2, 227, 650, 38);
    strip->setStyleSheet(QStringLiteral("#RbPanelBasChq { background: white; }"));

    m_lblBqChoisie = new QLabel(strip);
    m_lblBqChoisie->setObjectName(QStringLiteral("lblBqChoisie"));
    m_lblBqChoisie->setGeometry(88, 4, 393, 30);
    m_lblBqChoisie->setAlignment(Qt::AlignCenter);
    m_lblBqChoisie->setToolTip(QStringLiteral("Choix d'un format bancaire"));
    m_lblBqChoisie->setStatusTip(m_lblBqChoisie->toolTip());
    m_lblBqChoisie->setCursor(Qt::PointingHandCursor);
    m_lblBqChoisie->installEventFilter(this);
    setHoverStyle(m_lblBqChoisie, false);

    auto* verso = new QToolButton(strip);
    verso->setObjectName(QStringLiteral("btnVoirVersoChq"));
    verso->setGeometry(10, 9, 64, 20);
    verso->setText(QStringLiteral("Verso"));
    verso->setEnabled(false);
    verso->setToolTip(QStringLiteral("Dos du chèque : bientôt disponible"));

    const auto settingsButton = [strip](const char* name, Qt::ArrowType arrow, const char* hint) {
        auto* button = new QToolButton(strip);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(603, 12, 17, 17);
        button->setArrowType(arrow);
        button->setAutoRaise(true);
        button->setToolTip(QString::fromUtf8(hint));
        button->setStatusTip(button->toolTip());
        return button;
    };
    m_btnMontrerVolet = settingsButton("BtnMontrerVolet", Qt::DownArrow,
                                       "Options de réglages du format de chèques en cours...");
    m_btnCacherVolet =
        settingsButton("BtnCacherVolet", Qt::UpArrow, "Cacher ces options de réglages...");
    m_btnCacherVolet->hide();
    connect(m_btnMontrerVolet, &QToolButton::clicked, this,
            &ChequeFacePanel::MontrerVoletRequested);
    connect(m_btnCacherVolet, &QToolButton::clicked, this, &ChequeFacePanel::CacherVoletRequested);

    connect(&m_session.currentFormat(), &CurrentFormat::currentFormatChanged, this,
            &ChequeFacePanel::refreshFormatLabel);
    connect(&m_session.formatNames(), &FormatDisplayNames::displayNameChanged, this,
            &ChequeFacePanel::refreshFormatLabel);
    refreshFormatLabel();
}

void ChequeFacePanel::buildNumberPanels() {
    m_hintZone = new QFrame(this);
    m_hintZone->setObjectName(QStringLiteral("PanelHintRB"));
    m_hintZone->setGeometry(452, 4, 196, 50);
    m_hintZone->setToolTip(
        QStringLiteral("Numéros de compte et de chèque : un clic pour les saisir"));
    m_hintZone->setStatusTip(m_hintZone->toolTip());
    m_hintZone->setCursor(Qt::PointingHandCursor);
    m_hintZone->installEventFilter(this);
    const char* captions[] = {"Compte n°", "Chèque n°"};
    const char* panels[] = {"RbPanelNumeroCpt", "RbPanelNumeroChq"};
    for (int i = 0; i < 2; ++i) {
        auto* caption = new QLabel(QString::fromUtf8(captions[i]), m_hintZone);
        caption->setObjectName(QStringLiteral("LabelCaptionNumero%1").arg(i + 1));
        caption->setGeometry(22, 5 + 22 * i, 62, 18);
        auto* panel = new QLabel(m_hintZone);
        panel->setObjectName(QString::fromLatin1(panels[i]));
        panel->setGeometry(84, 4 + 22 * i, 108, 19);
        panel->setAlignment(Qt::AlignCenter);
        panel->setFrameShape(QFrame::StyledPanel);
        for (QLabel* label : {caption, panel}) {
            label->installEventFilter(this);
            setHoverStyle(label, false);
        }
        m_numberCaptions.at(static_cast<size_t>(i)) = caption;
        (i == 0 ? m_accountPanel : m_chequePanel) = panel;
    }
    for (int mark = 1; mark <= 3; ++mark) {
        auto* frame = new QFrame(m_hintZone);
        frame->setObjectName(QStringLiteral("MarqueCompte%1").arg(mark));
        frame->setGeometry(4, 6 + 13 * (mark - 1), 11, 11);
        m_accountMarks.at(static_cast<size_t>(mark - 1)) = frame;
    }
    m_accountIndicator = new QLabel(m_hintZone);
    m_accountIndicator->setObjectName(QStringLiteral("IndicCompte"));
    m_accountIndicator->setToolTip(
        QStringLiteral("Indicateur du quatrième au neuvième compte S.G."));
    m_accountIndicator->setGeometry(4, 42, 12, 8);
    connect(&m_session.account(), &CurrentAccount::changed, this, &ChequeFacePanel::refreshAccount);
    refreshAccount();
}

// --- Binding ---

void ChequeFacePanel::bindEntry() {
    ChequeEntry& entry = m_session.entry();
    m_amount->setKeyHook([this](QKeyEvent* event) { return amountKey(event); });
    m_amount->setContextMenuPolicy(Qt::NoContextMenu);
    connect(&entry, &ChequeEntry::amountChanged, this, &ChequeFacePanel::refreshAmount);

    struct TextBinding {
        EntryLineEdit* field;
        EntryField which;
        bool (ChequeEntry::*keyPress)(QChar);
        void (ChequeEntry::*keyDown)(int);
        void (ChequeEntry::*set)(const QString&);
    };
    const TextBinding bindings[] = {
        {m_beneficiary, EntryField::Beneficiary, &ChequeEntry::EditBeneficiaireKeyPress,
         &ChequeEntry::EditBeneficiaireKeyDown, &ChequeEntry::setBeneficiary},
        {m_place, EntryField::Place, &ChequeEntry::EditLieuKeyPress, &ChequeEntry::EditLieuKeyDown,
         &ChequeEntry::setPlace},
        {m_date, EntryField::Date, &ChequeEntry::EditDateKeyPress, &ChequeEntry::EditDateKeyDown,
         &ChequeEntry::setDate},
    };
    for (const TextBinding& b : bindings) {
        b.field->setKeyHook([&entry, b](QKeyEvent* event) {
            switch (event->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_Escape:
                (entry.*b.keyDown)(event->key());
                return true;
            default:
                break;
            }
            const QString text = event->text();
            if (!text.isEmpty() && text.at(0).isPrint())
                return !(entry.*b.keyPress)(text.at(0));
            return false;
        });
        connect(b.field, &QLineEdit::textEdited, &entry,
                [&entry, b](const QString& text) { (entry.*b.set)(text); });
        refreshField(static_cast<int>(b.which));
    }
    connect(m_beneficiary, &EntryLineEdit::keyReleased, &entry,
            &ChequeEntry::EditBeneficiaireKeyUp);
    connect(&entry, &ChequeEntry::fieldChanged, this,
            [this](EntryField field) { refreshField(static_cast<int>(field)); });
    connect(&entry, &ChequeEntry::validateButtonVisibleChanged, m_btnRelaisConvertir,
            &QWidget::setVisible);
    connect(&entry, &ChequeEntry::focusRequested, this, [this](EntryField field) {
        EntryLineEdit* fields[] = {m_amount, m_beneficiary, m_place, m_date};
        fields[static_cast<int>(field)]->setFocus(Qt::OtherFocusReason);
    });
    connect(&entry, &ChequeEntry::focusNextRequested, this, [] {
        if (QWidget* focused = QApplication::focusWidget())
            focused->nextInFocusChain()->setFocus(Qt::TabFocusReason);
    });
    connect(&m_session.wording(), &AmountWording::optionsChanged, this, [this] {
        m_btnConvertir->setText(m_session.wording().options().currencySign);
        m_btnRelaisConvertir->setText(m_session.wording().options().validateCaption);
    });
    setTabOrder(m_amount, m_beneficiary);
    setTabOrder(m_beneficiary, m_place);
    setTabOrder(m_place, m_date);
    refreshAmount();
}

bool ChequeFacePanel::amountKey(QKeyEvent* event) {
    ChequeEntry& entry = m_session.entry();
    // The caret and selection the user made with the mouse or arrows reach the model first.
    const int start =
        m_amount->hasSelectedText() ? m_amount->selectionStart() : m_amount->cursorPosition();
    entry.setAmountSelection(start, static_cast<int>(m_amount->selectedText().size()));
    if (event->matches(QKeySequence::Paste)) {
        GuiClipboard clipboard;
        entry.ItemCollerClick(clipboard);
        return true;
    }
    if (event->matches(QKeySequence::Cut)) {
        entry.ItemEffacerClick();
        return true;
    }
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo))
        return true;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_session.wording().Convertir();
        return true;
    case Qt::Key_Escape:
    case Qt::Key_Delete:
        entry.EditSaisieSommeKeyDown(event->key());
        return true;
    case Qt::Key_Backspace:
        entry.EditSaisieSommeKeyPress(u'\b');
        return true;
    default:
        break;
    }
    const QString text = event->text();
    if (text.isEmpty() || !text.at(0).isPrint() || (event->modifiers() & Qt::ControlModifier))
        return false; // caret moves and shortcuts
    entry.EditSaisieSommeKeyPress(text.at(0));
    return true;
}

void ChequeFacePanel::refreshAmount() {
    const ChequeEntry& entry = m_session.entry();
    const QSignalBlocker blocker(m_amount);
    if (m_amount->text() != entry.amountText())
        m_amount->setText(entry.amountText());
    if (entry.amountSelLength() > 0)
        m_amount->setSelection(entry.amountSelStart(), entry.amountSelLength());
    else
        m_amount->setCursorPosition(entry.amountSelStart());
}

void ChequeFacePanel::refreshField(int field) {
    const ChequeEntry& entry = m_session.entry();
    switch (static_cast<EntryField>(field)) {
    case EntryField::Amount:
        refreshAmount();
        return;
    case EntryField::Beneficiary:
        if (m_beneficiary->text() != entry.beneficiary()) {
            m_beneficiary->setText(entry.beneficiary());
            // A fill longer than the field must not hide the name.
            if (!m_beneficiary->hasFocus())
                m_beneficiary->setCursorPosition(0);
        }
        return;
    case EntryField::Place:
        if (m_place->text() != entry.place())
            m_place->setText(entry.place());
        return;
    case EntryField::Date:
        if (m_date->text() != entry.date())
            m_date->setText(entry.date());
        return;
    }
}

void ChequeFacePanel::bindWords() {
    connect(&m_session.wordLines(), &WordLines::lineChanged, this,
            &ChequeFacePanel::refreshWordLine);
    connect(&m_session, &ChequeSession::fontSettingsChanged, this, &ChequeFacePanel::applyFonts);
    const auto layout = [this] { SeeScreenLines(); };
    connect(&m_session.positions(), &FormatPositions::positionChanged, this, layout);
    connect(&m_session.positions(), &FormatPositions::chequeRedrawRequested, this, layout);
    connect(&m_session.currentFormat(), &CurrentFormat::formatSelected, this, layout);
    for (int line = 1; line <= WordLines::kCount; ++line)
        refreshWordLine(line);
}

void ChequeFacePanel::applyFonts() {
    const ScreenFonts fonts = ScreenFonts::fromSettings(m_session.fontSettings());
    for (QLabel* label : m_wordLines)
        label->setFont(fonts.wordLines);
    m_beneficiary->setFont(fonts.beneficiary);
    m_amount->setFont(fonts.figures);
    m_place->setFont(fonts.placeDate);
    m_date->setFont(fonts.placeDate);
    for (int line = 1; line <= WordLines::kCount; ++line)
        refreshWordLine(line);
}

void ChequeFacePanel::refreshWordLine(int line) {
    QLabel* label = m_wordLines.at(static_cast<size_t>(line - 1));
    label->setText(m_session.wordLines().text(line));
    label->adjustSize();
    label->setVisible(m_session.wordLines().isVisible(line));
}

void ChequeFacePanel::refreshPictures() {
    for (const PrintMode mode : printModesInMenuOrder())
        refreshPicture(mode);
}

void ChequeFacePanel::refreshPicture(PrintMode mode) {
    QLabel* picture = m_pictures.at(static_cast<size_t>(mode) - 1);
    const PrintModeSettings& modes = m_session.printModes();
    picture->setPixmap(printModePixmap(mode, picture->size(), modes.pictureTurned(mode)));
    picture->setVisible(m_session.printButtonVisible() && modes.mode() == mode);
}

void ChequeFacePanel::refreshAccount() {
    const CurrentAccount& account = m_session.account();
    m_accountPanel->setText(account.accountNumber());
    m_chequePanel->setText(account.chequeNumber());
    for (int mark = 1; mark <= 3; ++mark) {
        m_accountMarks.at(static_cast<size_t>(mark - 1))
            ->setStyleSheet(QStringLiteral("background: %1; border: 2px solid %2;")
                                .arg(faceColour().name(), account.markColour(mark).name()));
    }
    m_accountIndicator->setVisible(account.indicatorVisible());
    m_accountIndicator->setText(account.indicatorText());
}

void ChequeFacePanel::refreshFormatLabel() {
    const CurrentFormat& format = m_session.currentFormat();
    m_lblBqChoisie->setText(format.hasFormat() ? format.indicatorText()
                                               : QStringLiteral("Banque non choisie..."));
}

void ChequeFacePanel::setHoverStyle(QLabel* label, bool hovered) {
    const bool formatLabel = label == m_lblBqChoisie;
    QFont font = formatLabel ? pixelFont(QStringLiteral("Arial Black"), 21) : this->font();
    font.setBold(hovered);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, hovered ? kHoverColour : kFormatLabelColour);
    if (!formatLabel && !hovered)
        palette.setColor(QPalette::WindowText, QColor(90, 90, 160));
    label->setPalette(palette);
}

// --- Layout ---

void ChequeFacePanel::SeeScreenLines() {
    const CurrentFormat& current = m_session.currentFormat();
    if (!current.hasFormat())
        return;
    const FieldPositions& p = m_session.positions().positions(current.number());
    m_wordLines[0]->move(X(p.field(1)), Y(p.field(7)));
    m_wordLines[1]->move(X(p.field(2)), Y(p.field(8)));
    if (current.format()->lineCount == 3)
        m_wordLines[2]->move(X(p.field(30)), Y(p.field(31)));

    m_beneficiary->move(X(p.field(3)), Y(p.field(9)));
    const QPoint b = m_beneficiary->pos();
    m_labelBenef->move(b.x() - 15, b.y() + 2);
    m_ligneBeneficiaire->move(b.x() - 15, b.y() + 20);
    m_gommeBeneficiaire->move(b.x() + 437, b.y() + 3);

    m_rbPanel3->move(X(p.field(4)), Y(p.field(10)) - 7);
    m_btnConvertir->move(m_rbPanel3->pos());
    m_btnRelaisConvertir->move(m_rbPanel3->x(), m_rbPanel3->y() - 41);

    m_place->move(X(p.field(5)), Y(p.field(11) + 3));
    m_labelA->move(m_place->x() - 15, m_place->y() + 2);
    m_ligneA->move(m_place->x() - 1, m_place->y() + 11);

    m_date->move(X(p.field(6)), Y(p.field(12) + 3));
    m_labelLE->move(m_date->x() - 18, m_date->y() + 2);
    m_ligneLE->move(m_date->x() - 1, m_date->y() + 11);
}

// --- Colours, focus, mouse ---

QColor ChequeFacePanel::faceColour() const {
    return palette().color(QPalette::Window);
}

void ChequeFacePanel::setFaceColour(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
    m_hintZone->setStyleSheet(
        QStringLiteral("#PanelHintRB { background: %1; border: 1px solid %1; }")
            .arg(colour.name()));
    refreshAccount();
}

void ChequeFacePanel::setSettingsShown(bool shown) {
    m_btnMontrerVolet->setVisible(!shown);
    m_btnCacherVolet->setVisible(shown);
}

void ChequeFacePanel::focusAmount() {
    m_amount->setFocus(Qt::OtherFocusReason);
}

void ChequeFacePanel::mousePressEvent(QMouseEvent* event) {
    QFrame::mousePressEvent(event);
    focusAmount();
}

bool ChequeFacePanel::eventFilter(QObject* watched, QEvent* event) {
    auto* label = qobject_cast<QLabel*>(watched);
    const bool hoverLabel =
        label && (label == m_lblBqChoisie || label == m_accountPanel || label == m_chequePanel ||
                  label == m_numberCaptions[0] || label == m_numberCaptions[1]);
    switch (event->type()) {
    case QEvent::Enter:
        if (hoverLabel)
            setHoverStyle(label, true);
        if (watched == m_btnPrint) {
            const Printers& printers = m_session.printers();
            const QStringList names = printers.names();
            const int selected = printers.selected();
            const QString name =
                selected >= 0 && selected < names.size() ? names.at(selected) : QString();
            m_btnPrint->setStatusTip(QStringLiteral("Imprimer avec %1 le chèque d'un clic sur ce "
                                                    "bouton, ou bien du raccourci : Ctrl + P")
                                         .arg(name));
        }
        break;
    case QEvent::Leave:
        if (hoverLabel)
            setHoverStyle(label, false);
        break;
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            break;
        if (watched == m_lblBqChoisie) {
            emit formatMenuRequested(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
            return true;
        }
        if (watched == m_hintZone || (hoverLabel && label != m_lblBqChoisie)) {
            emit accountWindowRequested();
            return true;
        }
        break;
    case QEvent::MouseButtonDblClick:
        for (const PrintMode mode : printModesInMenuOrder()) {
            if (watched == m_pictures.at(static_cast<size_t>(mode) - 1)) {
                m_session.printModes().ImgDblClick(mode);
                return true;
            }
        }
        break;
    default:
        break;
    }
    return QFrame::eventFilter(watched, event);
}
