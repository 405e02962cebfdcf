#pragma once

#include <QPoint>
#include <optional>

class IniDocument;
class QWidget;

/// Window positions in the settings file: one section per window, named after it, holding
/// `Left` and `Top`.
class WindowPositions {
public:
    /// The stored top-left corner; none when the window has no section.
    static std::optional<QPoint> stored(const IniDocument& settings, const QString& window);
    /// Places the window at a stored corner, brought onto the monitor nearest to it.
    static void restore(QWidget& window, QPoint topLeft);
    /// Writes the window's normal top-left corner.
    static void save(const QWidget& window, IniDocument& settings);
};
