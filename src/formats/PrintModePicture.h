#pragma once

#include "formats/PrintMode.h"

#include <QPixmap>
#include <QWidget>
#include <optional>

class PrintModeSettings;

/// The picture of a print mode at the given size, turned upside down on request.
QPixmap printModePixmap(PrintMode mode, QSize size, bool turned);

/// The picture of a print mode: a sheet with the cheque where the printer takes it, turned
/// upside down on request. Double-click turns it; right-click opens the mode menu.
class PrintModePicture : public QWidget {
    Q_OBJECT
public:
    /// Follows the current mode of `settings`.
    explicit PrintModePicture(PrintModeSettings& settings, QWidget* parent = nullptr);
    /// Always shows `mode` (the chooser's sheets), without the turning and the menu.
    PrintModePicture(PrintModeSettings& settings, PrintMode mode, QWidget* parent = nullptr);

    PrintMode mode() const;
    QSize sizeHint() const override { return {64, 84}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    PrintModeSettings& m_settings;
    std::optional<PrintMode> m_fixedMode;
};
