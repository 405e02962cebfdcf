#include "journal/NumberEntryField.h"

#include <algorithm>

namespace {

struct KindRules {
    int maxBeforeChange;
    int maxAfterChange;
    int alertFrom; // caret position from which a typed character sounds the alert
    bool letters;
};

KindRules rules(NumberEntryField::Kind kind) {
    return kind == NumberEntryField::Kind::Account ? KindRules{13, 12, 11, true}
                                                   : KindRules{7, 7, 6, false};
}

} // namespace

NumberEntryField::NumberEntryField(Kind kind, QObject* parent) : QObject(parent), m_kind(kind) {}

int NumberEntryField::maxLength() const {
    const KindRules r = rules(m_kind);
    return m_typedChange ? r.maxAfterChange : r.maxBeforeChange;
}

void NumberEntryField::setText(const QString& text) {
    m_text = text;
    m_caret = static_cast<int>(text.size());
    m_selectionStart = m_caret;
    m_selectionLength = 0;
    emit textChanged(m_text);
}

void NumberEntryField::setCaret(int position, int length) {
    const int size = static_cast<int>(m_text.size());
    m_selectionStart = std::clamp(position, 0, size);
    m_selectionLength = std::clamp(length, 0, size - m_selectionStart);
    m_caret = m_selectionStart + m_selectionLength;
}

void NumberEntryField::selectAll() {
    setCaret(0, static_cast<int>(m_text.size()));
}

bool NumberEntryField::accepts(QChar key) const {
    if (key >= u'0' && key <= u'9')
        return true;
    return rules(m_kind).letters && key >= u'A' && key <= u'Z';
}

void NumberEntryField::replaceSelection(const QString& with) {
    m_text.replace(m_selectionStart, m_selectionLength, with);
    m_caret = m_selectionStart + static_cast<int>(with.size());
    m_selectionStart = m_caret;
    m_selectionLength = 0;
    m_typedChange = true;
    emit textChanged(m_text);
}

NumberEntryField::KeyResult NumberEntryField::KeyPress(QChar key) {
    if (key == u'\r')
        return KeyResult::Enter;
    if (key == u'\b') {
        if (m_selectionLength == 0) {
            if (m_caret == 0)
                return KeyResult::Ignored;
            setCaret(m_caret - 1, 1);
        }
        replaceSelection(QString());
        return KeyResult::Accepted;
    }
    if (!accepts(key))
        return KeyResult::Ignored;
    const int caretBefore = m_selectionStart;
    if (caretBefore >= rules(m_kind).alertFrom)
        emit limitReached();
    if (m_text.size() - m_selectionLength + 1 > maxLength())
        return KeyResult::Ignored;
    replaceSelection(QString(key));
    return KeyResult::Accepted;
}
