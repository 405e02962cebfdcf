#pragma once

#include "platform/Dialogs.h"

#include <QStringList>
#include <deque>
#include <variant>

/// Records every dialog with its texts and answers from a script; with no scripted answer
/// a message takes its default button and a chooser is cancelled.
class RecordingDialogs : public Dialogs {
public:
    enum class Kind { Message, PassingBox, InputBox, OpenFile, SaveFile, Colour, Font };
    struct Call {
        Kind kind;
        QString title;
        QString text;
        DialogIcon icon = DialogIcon::None;
        QList<DialogButton> buttons;
        DialogButton defaultButton = DialogButton::None;
        PassingBoxRequest passing;
    };
    using Answer = std::variant<DialogButton, QString, QColor, QFont, std::monostate>;

    void script(Answer answer) { m_script.push_back(std::move(answer)); }

    DialogButton message(const MessageRequest& request) override;
    void passingBox(const PassingBoxRequest& request) override;
    std::optional<QString> inputBox(const QString& title, const QString& prompt,
                                    const QString& initial) override;
    std::optional<QString> chooseFileToOpen(const QString& title, const QString& folder,
                                            const QString& filter) override;
    std::optional<QString> chooseFileToSave(const QString& title, const QString& path,
                                            const QString& filter) override;
    std::optional<QColor> chooseColour(const QString& title, const QColor& initial) override;
    std::optional<QFont> chooseFont(const QString& title, const QFont& initial) override;

    const std::vector<Call>& calls() const { return m_calls; }
    QStringList titles() const;
    void clear() { m_calls.clear(); }

private:
    std::optional<Answer> next();
    template <typename T> std::optional<T> nextAs();

    std::vector<Call> m_calls;
    std::deque<Answer> m_script;
};
