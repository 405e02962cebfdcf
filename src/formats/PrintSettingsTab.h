#pragma once

#include "formats/ModeOffsets.h"
#include "formats/PrintModeSettings.h"

#include <QWidget>

class QSpinBox;
struct Platform;

/// The tabs "Paramètres d'impression 1" (vertical modes' offsets, current mode, its picture,
/// the mode menu and the chooser) and "Paramètres d'impression 2" (laser and A4-bottom offsets).
class PrintSettingsTab : public QWidget {
    Q_OBJECT
public:
    enum class Page { First, Second };

    PrintSettingsTab(Page page, PrintModeSettings& settings, Platform& platform,
                     QWidget* parent = nullptr);

signals:
    /// The chooser asked for the RTF header editor or the FAQ page.
    void headerEditorRequested();
    void faqRequested();

private:
    QWidget* offsetBox(const QString& title, OffsetButton button);
    void showOffset(ModeOffset offset, int value);

    PrintModeSettings& m_settings;
    Platform& m_platform;
};
