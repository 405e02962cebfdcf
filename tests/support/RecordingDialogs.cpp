#include "support/RecordingDialogs.h"

std::optional<RecordingDialogs::Answer> RecordingDialogs::next() {
    if (m_script.empty())
        return std::nullopt;
    Answer answer = std::move(m_script.front());
    m_script.pop_front();
    return answer;
}

template <typename T> std::optional<T> RecordingDialogs::nextAs() {
    const std::optional<Answer> answer = next();
    if (answer && std::holds_alternative<T>(*answer))
        return std::get<T>(*answer);
    return std::nullopt;
}

DialogButton RecordingDialogs::message(const MessageRequest& request) {
    m_calls.push_back({Kind::Message,
                       request.title,
                       request.text,
                       request.icon,
                       request.buttons,
                       request.defaultButton,
                       {}});
    return nextAs<DialogButton>().value_or(request.defaultButton);
}

void RecordingDialogs::passingBox(const PassingBoxRequest& request) {
    m_calls.push_back(
        {Kind::PassingBox, request.title, request.text, DialogIcon::None,
         request.okButton ? QList<DialogButton>{DialogButton::Ok} : QList<DialogButton>{},
         DialogButton::None, request});
}

std::optional<QString> RecordingDialogs::inputBox(const QString& title, const QString& prompt,
                                                  const QString&) {
    m_calls.push_back(
        {Kind::InputBox, title, prompt, DialogIcon::None, {}, DialogButton::None, {}});
    return nextAs<QString>();
}

std::optional<QString> RecordingDialogs::chooseFileToOpen(const QString& title,
                                                          const QString& folder, const QString&) {
    m_calls.push_back(
        {Kind::OpenFile, title, folder, DialogIcon::None, {}, DialogButton::None, {}});
    return nextAs<QString>();
}

std::optional<QString> RecordingDialogs::chooseFileToSave(const QString& title, const QString& path,
                                                          const QString&) {
    m_calls.push_back({Kind::SaveFile, title, path, DialogIcon::None, {}, DialogButton::None, {}});
    return nextAs<QString>();
}

std::optional<QColor> RecordingDialogs::chooseColour(const QString& title, const QColor&) {
    m_calls.push_back({Kind::Colour, title, {}, DialogIcon::None, {}, DialogButton::None, {}});
    return nextAs<QColor>();
}

std::optional<QFont> RecordingDialogs::chooseFont(const QString& title, const QFont&) {
    m_calls.push_back({Kind::Font, title, {}, DialogIcon::None, {}, DialogButton::None, {}});
    return nextAs<QFont>();
}

QStringList RecordingDialogs::titles() const {
    QStringList list;
    for (const Call& call : m_calls)
        list << call.title;
    return list;
}
