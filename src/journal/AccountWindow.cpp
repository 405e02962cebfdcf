#include "journal/AccountWindow.h"

#include "journal/CurrentAccount.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

constexpr int kSlots = 9;
const char* const kPageCaptions[] = {"Compte 1 à 3", "Compte 4 à 6", "Compte 7 à 9"};

QString name(const char* prefix, int k) {
    return QString::fromLatin1(prefix) + QString::number(k);
}

} // namespace

AccountWindow::AccountWindow(Platform& platform, CurrentAccount& current, QWidget* parent)
    : QDialog(parent), m_current(current), m_model(platform, current) {
    setObjectName(QStringLiteral("TCompteNumero"));
    setWindowTitle(QString::fromUtf8(CurrentAccount::kTitle));
    auto* layout = new QVBoxLayout(this);

    auto* header = new QLabel(this);
    header->setObjectName(QStringLiteral("lblFormatCompte"));
    QFont bold = header->font();
    bold.setBold(true);
    header->setFont(bold);
    layout->addWidget(header);

    auto* accounts = new QGroupBox(this);
    accounts->setObjectName(QStringLiteral("GroupComptes"));
    auto* grid = new QGridLayout(accounts);
    grid->setVerticalSpacing(2);
    grid->addWidget(new QLabel(QStringLiteral("Compte n°"), accounts), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Chèque n°"), accounts), 0, 2);
    for (int k = 1; k <= kSlots; ++k) {
        auto* radio = new QRadioButton(QStringLiteral("Compte %1").arg(k), accounts);
        radio->setObjectName(name("RbRBCpt", k));
        radio->setAutoExclusive(false); // the model decides which one is checked
        auto* accountLabel = new QLabel(accounts);
        accountLabel->setObjectName(name("LabelCompte", k));
        accountLabel->setMinimumWidth(130);
        auto* chequeLabel = new QLabel(accounts);
        chequeLabel->setObjectName(name("LabelCheque", k));
        chequeLabel->setMinimumWidth(80);
        const int row = (k - 1) % 3 + 1;
        grid->addWidget(radio, row, 0);
        grid->addWidget(accountLabel, row, 1);
        grid->addWidget(chequeLabel, row, 2);
        connect(radio, &QRadioButton::clicked, this, [this, k] { m_model.RbRBCptClick(k); });
    }
    auto* pages = new QHBoxLayout;
    for (int group = 0; group < 3; ++group) {
        auto* page = new QPushButton(QString::fromUtf8(kPageCaptions[group]), accounts);
        page->setObjectName(name("BtnPageCompte", group + 1));
        pages->addWidget(page);
        connect(page, &QPushButton::clicked, this, [this, group] { m_model.PageClick(group); });
    }
    grid->addLayout(pages, 4, 0, 1, 3);
    layout->addWidget(accounts);

    auto* prompt = new QLabel(this);
    prompt->setObjectName(QStringLiteral("lblSaisirCompte"));
    layout->addWidget(prompt);
    auto* fields = new QHBoxLayout;
    m_account = new QLineEdit(this);
    m_account->setObjectName(QStringLiteral("EditSaisieCompte"));
    m_account->setToolTip(QStringLiteral("Chiffres et lettres majuscules"));
    m_cheque = new QLineEdit(this);
    m_cheque->setObjectName(QStringLiteral("EditSaisieCheque"));
    m_cheque->setToolTip(QStringLiteral("Sept chiffres ; flèches haut et bas : plus ou moins un"));
    m_cheque->setFixedWidth(90);
    auto* plus = new QPushButton(QStringLiteral("+ 1"), this);
    plus->setObjectName(QStringLiteral("BtnPlusUn"));
    auto* minus = new QPushButton(QStringLiteral("- 1"), this);
    minus->setObjectName(QStringLiteral("BtnMoinsUn"));
    for (QPushButton* step : {plus, minus}) {
        step->setFixedWidth(36);
        step->setAutoDefault(false);
    }
    fields->addWidget(m_account, 1);
    fields->addWidget(m_cheque);
    fields->addWidget(plus);
    fields->addWidget(minus);
    layout->addLayout(fields);

    auto* buttons = new QHBoxLayout;
    auto* remove = new QPushButton(QStringLiteral("Supprimer ce compte"), this);
    remove->setObjectName(QStringLiteral("BtnSupprimer"));
    auto* validate = new QPushButton(QStringLiteral("&Valider"), this);
    validate->setObjectName(QStringLiteral("BtnValider"));
    auto* quit = new QPushButton(QStringLiteral("&Quitter"), this);
    quit->setObjectName(QStringLiteral("BtnQuitter"));
    for (QPushButton* button : {remove, validate, quit})
        button->setAutoDefault(false);
    buttons->addWidget(remove);
    buttons->addStretch();
    buttons->addWidget(validate);
    buttons->addWidget(quit);
    layout->addLayout(buttons);

    m_account->installEventFilter(this);
    m_cheque->installEventFilter(this);
    connect(plus, &QPushButton::clicked, &m_model, &CompteNumero::PlusUnClick);
    connect(minus, &QPushButton::clicked, &m_model, &CompteNumero::MoinsUnClick);
    connect(validate, &QPushButton::clicked, &m_model, &CompteNumero::ValiderClick);
    connect(remove, &QPushButton::clicked, this, [this] {
        if (m_model.SupprimerClick())
            accept();
    });
    connect(quit, &QPushButton::clicked, this, &QDialog::reject);
    connect(&m_model, &CompteNumero::changed, this, &AccountWindow::refresh);
    connect(&m_model.accountField(), &NumberEntryField::textChanged, this, &AccountWindow::refresh);
    connect(&m_model.chequeField(), &NumberEntryField::textChanged, this, &AccountWindow::refresh);

    m_model.AffecteNumeroCompte_Lecture();
    refresh();
}

void AccountWindow::refresh() {
    findChild<QLabel*>(QStringLiteral("lblFormatCompte"))
        ->setText(m_current.format() ? m_current.format()->journalName
                                     : QString::fromUtf8(CurrentAccount::kNoFormatName));
    findChild<QGroupBox*>(QStringLiteral("GroupComptes"))->setTitle(m_model.groupCaption());
    findChild<QLabel*>(QStringLiteral("lblSaisirCompte"))->setText(m_model.prompt());
    const int slotCount = m_model.slotCount();
    const int group = m_model.visibleGroup();
    for (int k = 1; k <= kSlots; ++k) {
        const bool shown = k <= slotCount && (k - 1) / 3 == group;
        const AccountSlot labels = m_model.slotLabels(k);
        auto* radio = findChild<QRadioButton*>(name("RbRBCpt", k));
        radio->setVisible(shown);
        radio->setChecked(k == m_model.checkedAccount());
        auto* accountLabel = findChild<QLabel*>(name("LabelCompte", k));
        accountLabel->setVisible(shown);
        accountLabel->setText(labels.accountNumber);
        auto* chequeLabel = findChild<QLabel*>(name("LabelCheque", k));
        chequeLabel->setVisible(shown);
        chequeLabel->setText(labels.chequeNumber);
    }
    for (int g = 0; g < 3; ++g)
        findChild<QPushButton*>(name("BtnPageCompte", g + 1))
            ->setVisible(m_model.pageButtonVisible(g));
    findChild<QPushButton*>(QStringLiteral("BtnSupprimer"))->setVisible(m_model.deleteVisible());

    const auto show = [](QLineEdit* edit, const NumberEntryField& field) {
        const QSignalBlocker block(edit);
        edit->setText(field.text());
        if (field.selectionLength() > 0)
            edit->setSelection(field.selectionStart(), field.selectionLength());
        else
            edit->setCursorPosition(field.caret());
    };
    show(m_account, m_model.accountField());
    show(m_cheque, m_model.chequeField());
    QLineEdit* focus = m_model.focus() == CompteNumero::Focus::Account ? m_account : m_cheque;
    if (!focus->hasFocus())
        focus->setFocus();
}

bool AccountWindow::fieldKey(QLineEdit* edit, NumberEntryField& field, QKeyEvent* key) {
    const bool cheque = edit == m_cheque;
    if (cheque && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
        m_model.EditSaisieChequeKeyDown(key->key());
        return true;
    }
    QChar typed;
    if (key->key() == Qt::Key_Backspace)
        typed = u'\b';
    else if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        typed = u'\r';
    else if (key->text().size() == 1)
        typed = key->text().front();
    else
        return true; // Delete, paste and the like would bypass the key filter
    if (edit->hasSelectedText())
        field.setCaret(edit->selectionStart(), int(edit->selectedText().size()));
    else
        field.setCaret(edit->cursorPosition());
    if (cheque)
        m_model.EditSaisieChequeKeyPress(typed);
    else
        m_model.EditSaisieCompteKeyPress(typed);
    return true;
}

bool AccountWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && (watched == m_account || watched == m_cheque)) {
        auto* edit = static_cast<QLineEdit*>(watched);
        auto* key = static_cast<QKeyEvent*>(event);
        NumberEntryField& field = edit == m_cheque ? m_model.chequeField() : m_model.accountField();
        // Caret moves and Escape stay the line edit's and the dialog's.
        if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right ||
            key->key() == Qt::Key_Home || key->key() == Qt::Key_End || key->key() == Qt::Key_Escape)
            return false;
        return fieldKey(edit, field, key);
    }
    return QDialog::eventFilter(watched, event);
}

void AccountWindow::done(int result) {
    if (!m_closing) {
        m_closing = true;
        m_model.QuitterClick();
    }
    QDialog::done(result);
}
