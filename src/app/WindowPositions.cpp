#include "app/WindowPositions.h"

#include "platform/IniDocument.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <climits>

std::optional<QPoint> WindowPositions::stored(const IniDocument& settings, const QString& window) {
    if (!settings.sectionExists(window))
        return std::nullopt;
    return QPoint(settings.readInteger(window, u"Left", 0),
                  settings.readInteger(window, u"Top", 0));
}

void WindowPositions::restore(QWidget& window, QPoint topLeft) {
    // A monitor unplugged since the last run must not leave the window out of sight.
    QScreen* nearest = QGuiApplication::screenAt(topLeft);
    if (!nearest) {
        long best = LONG_MAX;
        for (QScreen* screen : QGuiApplication::screens()) {
            const QRect area = screen->availableGeometry();
            const QPoint clamped(std::clamp(topLeft.x(), area.left(), area.right()),
                                 std::clamp(topLeft.y(), area.top(), area.bottom()));
            const long distance = (clamped - topLeft).manhattanLength();
            if (distance < best) {
                best = distance;
                nearest = screen;
            }
        }
    }
    if (nearest) {
        const QRect area = nearest->availableGeometry();
        const QSize size = window.frameGeometry().size();
        topLeft.setX(std::clamp(topLeft.x(), area.left(),
                                std::max(area.left(), area.right() - size.width())));
        topLeft.setY(std::clamp(topLeft.y(), area.top(),
                                std::max(area.top(), area.bottom() - size.height())));
    }
    window.move(topLeft);
}

void WindowPositions::save(const QWidget& window, IniDocument& settings) {
    const QPoint corner = window.isMaximized() || window.isMinimized()
                              ? window.normalGeometry().topLeft()
                              : window.pos();
    settings.writeInteger(window.objectName(), u"Left", corner.x());
    settings.writeInteger(window.objectName(), u"Top", corner.y());
}
