#pragma once

#include <QMenu>

class ChequeSession;

/// The formats menu (`ppmChoixBanque`): the welcome entry while no format is chosen, then the
/// 26 formats, drawn by the program with the current one highlighted.
class FormatsMenu : public QMenu {
    Q_OBJECT
public:
    explicit FormatsMenu(ChequeSession& session, QWidget* parent = nullptr);

    /// Whether the welcome window is open (then `BqDefaut` is ignored).
    void setWelcomeOpen(bool open) { m_welcomeOpen = open; }

signals:
    /// A format entry was chosen and made current: its page has to come to the front.
    void formatChosenFromMenu(int number);

private:
    void refresh();

    ChequeSession& m_session;
    QAction* m_welcome = nullptr;
    QAction* m_welcomeSeparator = nullptr;
    bool m_welcomeOpen = false;
};
