#pragma once

#include <QString>

class BankFormatCatalogue;
class FormatDisplayNames;
class FormatPositions;
class QTabWidget;
class QWidget;

/// The format tabs on the pages of PageCtrlBase: pages "A" … "S" hold an inner page control
/// `PageCtrl<letter>` of format tabs, page "CESU" is itself the format tab.
class FormatPages {
public:
    /// Creates every format tab on its page, captions following the display names.
    static void build(QTabWidget& pageCtrlBase, const BankFormatCatalogue& catalogue,
                      FormatPositions& positions, FormatDisplayNames& names);
    /// Object name of the page holding format `number` ("OngletB", "OngletCESU"); empty when
    /// the number is no format.
    static QString pageName(const BankFormatCatalogue& catalogue, int number);
    /// The inner page control of a page, nullptr for CESU or an unknown page.
    static QTabWidget* innerTabs(QWidget* page);
    /// The format whose tab is shown when `page` is shown; 0 for a page without formats.
    static int shownFormat(QWidget* page);
    /// Brings the page and the inner tab of format `number` to the front.
    static void bringToFront(QTabWidget& pageCtrlBase, const BankFormatCatalogue& catalogue,
                             int number);
};
