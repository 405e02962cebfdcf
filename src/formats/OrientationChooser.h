#pragma once

#include "formats/OrientationChoice.h"

#include <QDialog>
#include <map>

class PrintModeSettings;
class QFrame;
class QPlainTextEdit;
class QStackedWidget;
struct Platform;

/// The orientation chooser TChoixOrientPrint: one framed radio button per print mode, the
/// sheet picture and explanation of the checked one; closing applies the checked mode.
class OrientationChooser : public QDialog {
    Q_OBJECT
public:
    OrientationChooser(PrintModeSettings& settings, Platform& platform, QWidget* parent = nullptr);

    /// Checks a mode's radio button as a click does.
    void checkMode(PrintMode mode);
    PrintMode checkedMode() const { return m_choice.checked(); }

    void done(int result) override;

signals:
    /// "Éditer le texte riche d'entête".
    void headerEditorRequested();
    /// "Consulter en ligne la Foire Aux Questions".
    void faqRequested();

private:
    void showMode(PrintMode mode);

    PrintModeSettings& m_settings;
    OrientationChoice m_choice;
    std::map<PrintMode, QFrame*> m_frames;
    QPlainTextEdit* m_memo = nullptr;
    QStackedWidget* m_pictures = nullptr;
};
