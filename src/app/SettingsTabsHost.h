#pragma once

#include <QTabWidget>

class ChequeSession;

/// The settings page control `PageCtrlBase` under the cheque area: its 23 pages, and the
/// format pages that make their format current when shown.
class SettingsTabsHost : public QTabWidget {
    Q_OBJECT
public:
    explicit SettingsTabsHost(ChequeSession& session, QWidget* parent = nullptr);

    /// The page of this object name; nullptr for an unknown name.
    QWidget* page(const QString& name) const;
    /// Brings the page (and inner tab) of a format to the front, without applying it again.
    void showFormatTab(int number);

    /// Fills the pages; done when the panel is first opened or a page asked for, not at
    /// start, where its many controls would cost a good part of the start-up time.
    void populate();

private:
    void bindInnerTabs();
    void applyShownFormat();

    ChequeSession& m_session;
    bool m_bringingForward = false;
    bool m_populated = false;
};
