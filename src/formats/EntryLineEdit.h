#pragma once

#include <QLineEdit>
#include <functional>

/// A borderless entry field of the cheque face whose keys go to its model first: the key
/// hook decides whether Qt's own handling still runs.
class EntryLineEdit : public QLineEdit {
    Q_OBJECT
public:
    /// Returns true when the key was handled and must not reach the line edit.
    using KeyHook = std::function<bool(QKeyEvent*)>;

    explicit EntryLineEdit(QWidget* parent = nullptr);
    void setKeyHook(KeyHook hook) { m_keyHook = std::move(hook); }

signals:
    void keyReleased();
    void doubleClicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    KeyHook m_keyHook;
};
