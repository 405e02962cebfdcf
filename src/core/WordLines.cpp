#include "core/WordLines.h"

WordLines::WordLines(QObject* parent) : QObject(parent) {}

WordLines::Line* WordLines::at(int line) {
    return line >= 1 && line <= kCount ? &m_lines[static_cast<size_t>(line - 1)] : nullptr;
}

QString WordLines::text(int line) const {
    return line >= 1 && line <= kCount ? m_lines[static_cast<size_t>(line - 1)].text : QString();
}

bool WordLines::isVisible(int line) const {
    return line >= 1 && line <= kCount && m_lines[static_cast<size_t>(line - 1)].visible;
}

void WordLines::setText(int line, const QString& text) {
    Line* l = at(line);
    if (!l || l->text == text)
        return;
    l->text = text;
    emit lineChanged(line);
}

void WordLines::setVisible(int line, bool visible) {
    Line* l = at(line);
    if (!l || l->visible == visible)
        return;
    l->visible = visible;
    emit lineChanged(line);
}

void WordLines::clearTexts() {
    for (int line = 1; line <= kCount; ++line)
        setText(line, QString());
}
