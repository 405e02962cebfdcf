#pragma once

#include "platform/Dialogs.h"

#include <cstdio>

/// Dialogs for the command line: every message goes to standard error, questions take
/// their default answer and choosers are cancelled.
class ConsoleDialogs : public Dialogs {
public:
    explicit ConsoleDialogs(FILE* stream = stderr) : m_stream(stream) {}

    DialogButton message(const MessageRequest& request) override;
    void passingBox(const PassingBoxRequest& request) override;
    std::optional<QString> inputBox(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> chooseFileToOpen(const QString&, const QString&,
                                            const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> chooseFileToSave(const QString&, const QString&,
                                            const QString&) override {
        return std::nullopt;
    }
    std::optional<QColor> chooseColour(const QString&, const QColor&) override {
        return std::nullopt;
    }
    std::optional<QFont> chooseFont(const QString&, const QFont&) override { return std::nullopt; }

private:
    void print(const QString& title, const QString& text);

    FILE* m_stream;
};
