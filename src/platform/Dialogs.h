#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <optional>

enum class DialogIcon { None, Information, Warning, Error, Question };
enum class DialogButton { None, Ok, Cancel, Yes, No, Abort, Retry, Ignore };

/// A message box: texts use "\r\n" for line breaks, as the program's messages are written.
struct MessageRequest {
    QString title;
    QString text;
    DialogIcon icon = DialogIcon::Information;
    QList<DialogButton> buttons{DialogButton::Ok};
    DialogButton defaultButton = DialogButton::Ok;
};

/// A small topmost window that closes by itself after `rounds` waits of `waitMs`, events
/// being processed between the waits; with `okButton` the user may close it sooner.
struct PassingBoxRequest {
    QString title;
    QString text;
    int rounds = 201;
    int waitMs = 10;
    int width = 0; // 0: as wide as the text needs
    int height = 110;
    bool okButton = false;
};

/// Every dialog the program shows goes through this service, so tests can read and answer them.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual DialogButton message(const MessageRequest& request) = 0;
    virtual void passingBox(const PassingBoxRequest& request) = 0;
    virtual std::optional<QString> inputBox(const QString& title, const QString& prompt,
                                            const QString& initial) = 0;
    virtual std::optional<QString> chooseFileToOpen(const QString& title, const QString& folder,
                                                    const QString& filter) = 0;
    virtual std::optional<QString> chooseFileToSave(const QString& title, const QString& path,
                                                    const QString& filter) = 0;
    virtual std::optional<QColor> chooseColour(const QString& title, const QColor& initial) = 0;
    virtual std::optional<QFont> chooseFont(const QString& title, const QFont& initial) = 0;

    void information(const QString& title, const QString& text);
    void warning(const QString& title, const QString& text);
    void error(const QString& title, const QString& text);
    /// Yes/No question; true when the answer is Yes.
    bool question(const QString& title, const QString& text,
                  DialogButton defaultButton = DialogButton::No,
                  DialogIcon icon = DialogIcon::Question);
};
