#include "formats/EntryLineEdit.h"

#include <QKeyEvent>

EntryLineEdit::EntryLineEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setStyleSheet(QStringLiteral("QLineEdit { background: rgb(240, 251, 255); border: none; }"));
}

void EntryLineEdit::keyPressEvent(QKeyEvent* event) {
    if (m_keyHook && m_keyHook(event)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void EntryLineEdit::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    if (!event->isAutoRepeat())
        emit keyReleased();
}

void EntryLineEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    QLineEdit::mouseDoubleClickEvent(event);
    emit doubleClicked();
}
