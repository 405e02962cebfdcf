#pragma once

#include <QObject>
#include <QString>

/// A one-line entry field as text + caret + selection, with the key filter of the account
/// and cheque fields of the account window.
class NumberEntryField : public QObject {
    Q_OBJECT
public:
    enum class Kind {
        Account, // digits and A-Z; 13 characters until the first typed change, 12 afterwards
        Cheque   // digits; 7 characters
    };
    enum class KeyResult { Ignored, Accepted, Enter };

    explicit NumberEntryField(Kind kind, QObject* parent = nullptr);

    const QString& text() const { return m_text; }
    int caret() const { return m_caret; }
    int selectionStart() const { return m_selectionStart; }
    int selectionLength() const { return m_selectionLength; }
    int maxLength() const;

    /// Replaces the text (as the program does), caret at the end, nothing selected.
    void setText(const QString& text);
    /// Moves the caret; with `length` the characters after it are selected.
    void setCaret(int position, int length = 0);
    /// Selects everything, the caret at the end.
    void selectAll();

    /// One typed character: '\b' is backspace, '\r' Enter; filtered keys do nothing. Typing
    /// the last character the field holds, or past it, signals `limitReached` (alert sound).
    KeyResult KeyPress(QChar key);

signals:
    void textChanged(const QString& text);
    void limitReached();

private:
    bool accepts(QChar key) const;
    void replaceSelection(const QString& with);

    Kind m_kind;
    QString m_text;
    int m_caret = 0;
    int m_selectionStart = 0;
    int m_selectionLength = 0;
    bool m_typedChange = false;
};
