#include "formats/FormatsMenu.h"

#include "app/ChequeSession.h"

#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

namespace {

// Format entries are painted by the program: the current format in purple whatever its
// highlight, the highlighted one in yellow-green, the others in the menu's own colour.
class FormatEntryStyle : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (element != CE_MenuItem || !item ||
            item->menuItemType == QStyleOptionMenuItem::Separator ||
            item->checkType == QStyleOptionMenuItem::NotCheckable) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        QColor background = option->palette.color(QPalette::Window);
        QColor text = option->palette.color(QPalette::WindowText);
        if (item->checked) {
            background = QColor(122, 54, 192);
            text = QColor(239, 228, 237);
        } else if (option->state & State_Selected) {
            background = QColor(223, 255, 0);
            text = QColor(0, 0, 128);
        }
        painter->fillRect(option->rect, background);
        painter->setPen(text);
        painter->setFont(item->font);
        QString caption = item->text.section(u'\t', 0, 0);
        caption.remove(u'&');
        painter->drawText(option->rect.adjusted(4, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, caption);
    }
};

} // namespace

FormatsMenu::FormatsMenu(ChequeSession& session, QWidget* parent)
    : QMenu(parent), m_session(session) {
    setObjectName(QStringLiteral("ppmChoixBanque"));
    auto* style = new FormatEntryStyle;
    style->setParent(this);
    setStyle(style);

    m_welcome = addAction(QStringLiteral("ACCUEIL DU CHOIX DE VOTRE FORMAT BANCAIRE DE CHÈQUES"));
    m_welcome->setObjectName(QStringLiteral("BqDefaut"));
    connect(m_welcome, &QAction::triggered, this,
            [this] { m_session.currentFormat().BqDefautClick(m_welcomeOpen); });
    m_welcomeSeparator = addSeparator();
    for (const BankFormat& format : session.catalogue().formats()) {
        QAction* action = addAction(QString());
        action->setObjectName(format.menuEntry);
        action->setCheckable(true);
        action->setData(format.number);
        const int number = format.number;
        connect(action, &QAction::triggered, this, [this, number] {
            if (m_session.currentFormat().Interface(number, {true, true}))
                emit formatChosenFromMenu(number);
            refresh();
        });
    }
    connect(this, &QMenu::aboutToShow, this, &FormatsMenu::refresh);
    connect(&session.currentFormat(), &CurrentFormat::currentFormatChanged, this,
            &FormatsMenu::refresh);
    refresh();
}

void FormatsMenu::refresh() {
    const CurrentFormat& current = m_session.currentFormat();
    m_welcome->setVisible(current.welcomeEntryVisible());
    m_welcomeSeparator->setVisible(current.welcomeEntryVisible());
    for (QAction* action : actions()) {
        const int number = action->data().toInt();
        if (number == 0)
            continue;
        action->setText(m_session.formatNames().displayName(number));
        action->setChecked(number == current.number());
    }
}
