#include "core/GuiClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

QString GuiClipboard::text() const {
    return QGuiApplication::clipboard()->text();
}

void GuiClipboard::setText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}
