#include "formats/FormatPages.h"

#include "formats/BankFormatCatalogue.h"
#include "formats/FormatDisplayNames.h"
#include "formats/FormatTab.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QWidget* findPage(QTabWidget& base, const QString& name) {
    return base.findChild<QWidget*>(name);
}

QVBoxLayout* pageLayout(QWidget* page) {
    if (auto* existing = qobject_cast<QVBoxLayout*>(page->layout()))
        return existing;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    return layout;
}

} // namespace

void FormatPages::build(QTabWidget& pageCtrlBase, const BankFormatCatalogue& catalogue,
                        FormatPositions& positions, FormatDisplayNames& names) {
    for (const BankFormat& format : catalogue.formats()) {
        QWidget* page = findPage(pageCtrlBase, pageName(catalogue, format.number));
        if (!page)
            continue;
        if (format.page.isEmpty()) {
            // CESU: the page is the format tab; its contents go inside it.
            auto* tab = new FormatTab(format, positions, names, page);
            tab->setObjectName(format.formatTab + QStringLiteral("Contenu"));
            pageLayout(page)->addWidget(tab);
            page->setProperty("formatNumber", format.number);
            continue;
        }
        QTabWidget* inner = innerTabs(page);
        if (!inner) {
            inner = new QTabWidget(page);
            inner->setObjectName(QStringLiteral("PageCtrl") + format.page);
            inner->setDocumentMode(true);
            pageLayout(page)->addWidget(inner);
        }
        auto* tab = new FormatTab(format, positions, names, inner);
        inner->addTab(tab, names.caption(format.number));
        QObject::connect(&names, &FormatDisplayNames::displayNameChanged, inner,
                         [inner, tab, &names](int number) {
                             if (number == tab->formatNumber())
                                 inner->setTabText(inner->indexOf(tab), names.caption(number));
                         });
    }
}

QString FormatPages::pageName(const BankFormatCatalogue& catalogue, int number) {
    const BankFormat* format = catalogue.byNumber(number);
    if (!format)
        return {};
    return format->page.isEmpty() ? format->formatTab : QStringLiteral("Onglet") + format->page;
}

QTabWidget* FormatPages::innerTabs(QWidget* page) {
    if (!page)
        return nullptr;
    return page->findChild<QTabWidget*>(QString(), Qt::FindDirectChildrenOnly);
}

int FormatPages::shownFormat(QWidget* page) {
    if (!page)
        return 0;
    if (QTabWidget* inner = innerTabs(page)) {
        if (auto* tab = qobject_cast<FormatTab*>(inner->currentWidget()))
            return tab->formatNumber();
        return 0;
    }
    return page->property("formatNumber").toInt();
}

void FormatPages::bringToFront(QTabWidget& pageCtrlBase, const BankFormatCatalogue& catalogue,
                               int number) {
    QWidget* page = findPage(pageCtrlBase, pageName(catalogue, number));
    if (!page)
        return;
    if (QTabWidget* inner = innerTabs(page)) {
        for (int i = 0; i < inner->count(); ++i) {
            auto* tab = qobject_cast<FormatTab*>(inner->widget(i));
            if (tab && tab->formatNumber() == number)
                inner->setCurrentIndex(i);
        }
    }
    pageCtrlBase.setCurrentWidget(page);
}
