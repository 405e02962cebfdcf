#include "platform/Dialogs.h"

void Dialogs::information(const QString& title, const QString& text) {
    message({title, text, DialogIcon::Information, {DialogButton::Ok}, DialogButton::Ok});
}

void Dialogs::warning(const QString& title, const QString& text) {
    message({title, text, DialogIcon::Warning, {DialogButton::Ok}, DialogButton::Ok});
}

void Dialogs::error(const QString& title, const QString& text) {
    message({title, text, DialogIcon::Error, {DialogButton::Ok}, DialogButton::Ok});
}

bool Dialogs::question(const QString& title, const QString& text, DialogButton defaultButton,
                       DialogIcon icon) {
    return message({title, text, icon, {DialogButton::Yes, DialogButton::No}, defaultButton}) ==
           DialogButton::Yes;
}
