#include "platform/Shell.h"

#include <QDesktopServices>

bool DesktopShell::open(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}
