#pragma once

#include <QToolBar>

class QMenu;
class QToolButton;

/// The main window's toolbar: its commands with their shortcuts and hints, and the options,
/// information and help menus. Commands that belong to the window are signalled.
class MainToolbar : public QToolBar {
    Q_OBJECT
public:
    explicit MainToolbar(QWidget* parent = nullptr);

    QMenu* optionsMenu() const { return m_options; }
    QToolButton* button(const char* name) const;
    /// The options entry of that object name.
    QAction* option(const char* name) const;

signals:
    void quitRequested();
    void formatsRequested();
    void orientationRequested();
    void printerRequested();
    /// An options entry that shows a settings page (by the page's object name).
    void settingsPageRequested(const QString& page);
    void ReglageClick();
    void faceColourRequested(bool customise);
    void frameColourRequested(bool customise);
    void muteRequested();
    void dateStyleRequested(int style);
    void folderRequested(bool userFolder);
    void renameFormatRequested();
    void mainHelpRequested();
    void faqRequested();
    void webSiteRequested();

private:
    QAction* addCommand(const char* name, const char* icon, const QString& hint,
                        const QKeySequence& shortcut);
    void addGap(int width, const char* name = nullptr);
    void popupUnder(QMenu* menu, const char* buttonName);
    void buildOptionsMenu();
    void buildInfoMenus();
    QAction* laterEntry(QMenu* menu, const char* text);

    QMenu* m_options = nullptr;
    QMenu* m_infos = nullptr;
    QMenu* m_help = nullptr;
};
