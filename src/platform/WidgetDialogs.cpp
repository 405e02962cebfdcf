#include "platform/WidgetDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QVBoxLayout>

namespace {

QString shown(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(u'\r', u'\n');
    return lines;
}

QMessageBox::StandardButton toQt(DialogButton button) {
    switch (button) {
    case DialogButton::Ok:
        return QMessageBox::Ok;
    case DialogButton::Cancel:
        return QMessageBox::Cancel;
    case DialogButton::Yes:
        return QMessageBox::Yes;
    case DialogButton::No:
        return QMessageBox::No;
    case DialogButton::Abort:
        return QMessageBox::Abort;
    case DialogButton::Retry:
        return QMessageBox::Retry;
    case DialogButton::Ignore:
        return QMessageBox::Ignore;
    case DialogButton::None:
        break;
    }
    return QMessageBox::NoButton;
}

QString frenchCaption(DialogButton button) {
    switch (button) {
    case DialogButton::Ok:
        return QStringLiteral("OK");
    case DialogButton::Cancel:
        return QStringLiteral("Annuler");
    case DialogButton::Yes:
        return QStringLiteral("Oui");
    case DialogButton::No:
        return QStringLiteral("Non");
    case DialogButton::Abort:
        return QStringLiteral("Abandonner");
    case DialogButton::Retry:
        return QStringLiteral("Réessayer");
    case DialogButton::Ignore:
        return QStringLiteral("Ignorer");
    case DialogButton::None:
        break;
    }
    return {};
}

QMessageBox::Icon toQt(DialogIcon icon) {
    switch (icon) {
    case DialogIcon::Information:
        return QMessageBox::Information;
    case DialogIcon::Warning:
        return QMessageBox::Warning;
    case DialogIcon::Error:
        return QMessageBox::Critical;
    case DialogIcon::Question:
        return QMessageBox::Question;
    case DialogIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

DialogButton WidgetDialogs::message(const MessageRequest& request) {
    QMessageBox box(toQt(request.icon), request.title, shown(request.text), QMessageBox::NoButton,
                    m_parent);
    QHash<QAbstractButton*, DialogButton> answers;
    for (DialogButton b : request.buttons) {
        QPushButton* button = box.addButton(toQt(b));
        button->setText(frenchCaption(b));
        answers.insert(button, b);
        if (b == request.defaultButton)
            box.setDefaultButton(button);
    }
    box.exec();
    return answers.value(box.clickedButton(), request.buttons.contains(DialogButton::Cancel)
                                                  ? DialogButton::Cancel
                                                  : request.defaultButton);
}

void WidgetDialogs::passingBox(const PassingBoxRequest& request) {
    QDialog box(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                             Qt::WindowTitleHint);
    box.setWindowTitle(request.title);
    box.setAttribute(Qt::WA_ShowWithoutActivating);
    auto* layout = new QVBoxLayout(&box);
    auto* label = new QLabel(shown(request.text), &box);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    bool closedByUser = false;
    if (request.okButton) {
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &box, [&] { closedByUser = true; });
        layout->addWidget(buttons);
    }
    box.adjustSize();
    if (request.width > 0)
        box.resize(request.width, box.height());
    if (request.height > 0)
        box.setFixedHeight(std::max(request.height, box.minimumSizeHint().height()));
    if (QScreen* screen = QGuiApplication::primaryScreen())
        box.move(screen->availableGeometry().center() - box.rect().center());
    box.show();
    for (int round = 0; round < request.rounds && !closedByUser; ++round) {
        QElapsedTimer wait;
        wait.start();
        while (wait.elapsed() < request.waitMs && !closedByUser) {
            QApplication::processEvents(QEventLoop::AllEvents, request.waitMs);
            QThread::msleep(1);
        }
    }
    box.close();
}

std::optional<QString> WidgetDialogs::inputBox(const QString& title, const QString& prompt,
                                               const QString& initial) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(m_parent, title, shown(prompt), QLineEdit::Normal, initial, &ok);
    return ok ? std::optional<QString>(text) : std::nullopt;
}

std::optional<QString> WidgetDialogs::chooseFileToOpen(const QString& title, const QString& folder,
                                                       const QString& filter) {
    const QString path = QFileDialog::getOpenFileName(m_parent, title, folder, filter);
    return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
}

std::optional<QString> WidgetDialogs::chooseFileToSave(const QString& title, const QString& path,
                                                       const QString& filter) {
    const QString chosen = QFileDialog::getSaveFileName(m_parent, title, path, filter);
    return chosen.isEmpty() ? std::nullopt : std::optional<QString>(chosen);
}

std::optional<QColor> WidgetDialogs::chooseColour(const QString& title, const QColor& initial) {
    const QColor colour = QColorDialog::getColor(initial, m_parent, title);
    return colour.isValid() ? std::optional<QColor>(colour) : std::nullopt;
}

std::optional<QFont> WidgetDialogs::chooseFont(const QString& title, const QFont& initial) {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, m_parent, title);
    return ok ? std::optional<QFont>(font) : std::nullopt;
}
