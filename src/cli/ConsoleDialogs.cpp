#include "cli/ConsoleDialogs.h"

DialogButton ConsoleDialogs::message(const MessageRequest& request) {
    print(request.title, request.text);
    return request.defaultButton;
}

void ConsoleDialogs::passingBox(const PassingBoxRequest& request) {
    print(request.title, request.text);
}

void ConsoleDialogs::print(const QString& title, const QString& text) {
    QString body = text;
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    const QString line = title.isEmpty() ? body : title + QStringLiteral(" : ") + body;
    std::fputs((line.trimmed() + u'\n').toUtf8().constData(), m_stream);
}
