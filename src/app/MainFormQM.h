#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <optional>

class ChequeFacePanel;
class ChequeSession;
class FormatsMenu;
class MainToolbar;
class SettingsTabsHost;
class TBanqueParDefaut;
struct Platform;

/// The program's one main window (`TMainFormQM`): toolbar, cheque face, settings tabs and
/// status bar, bound to the session; it loads the settings when created and saves them when
/// it closes.
class MainFormQM : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kWidth = 779;
    static constexpr int kCollapsedHeight = 420;
    static constexpr int kExpandedHeight = 592;

    /// Told each step of the creation: progress 1 to 100 and the step's text.
    using Progress = std::function<void(int percent, const QString& text)>;

    /// Creates the window and runs the load sequence; see `isReady`.
    MainFormQM(Platform& platform, ChequeSession& session, const Progress& progress = {},
               QWidget* parent = nullptr);

    /// False when the user folder could not be created: the program must end.
    bool isReady() const { return m_ready; }
    bool isExpanded() const { return height() == kExpandedHeight; }
    ChequeFacePanel& face() { return *m_face; }
    SettingsTabsHost& tabs() { return *m_tabs; }
    /// "À " + place + ", le " + date, written at the first showing.
    QString lieuDate() const { return m_lieuDate; }

    void MontrerVolet();
    void CacherVolet();
    /// Options entries and double-clicks: shows a settings page, or collapses when it is
    /// already the active page of the expanded window.
    void showSettingsPage(const QString& pageName);
    void btnChoixBanqueClick();
    /// The welcome window, while no format is chosen.
    void openFormatChoice();

signals:
    /// The window was painted for the first time.
    void firstPainted();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void bindCommands();
    void bindSettings();
    void setExpanded(bool expanded);
    void setFrameColour(const QColor& colour);
    void customiseColour(bool face, bool customise);
    void printFromKeyboard();
    void chooseOrientation();
    void choosePrinter();
    void renameFormat();
    void showMainHelp();
    void notYet(const QString& what);

    Platform& m_platform;
    ChequeSession& m_session;
    MainToolbar* m_toolbar = nullptr;
    QWidget* m_frame = nullptr;
    ChequeFacePanel* m_face = nullptr;
    SettingsTabsHost* m_tabs = nullptr;
    FormatsMenu* m_formatsMenu = nullptr;
    QPointer<TBanqueParDefaut> m_welcome;
    std::optional<QPoint> m_storedPosition;
    QString m_lieuDate;
    bool m_ready = true;
    bool m_shown = false;
    bool m_painted = false;
    bool m_saved = false;
};
