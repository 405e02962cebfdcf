#pragma once

#include <QString>
#include <QUrl>

/// Opens files, folders and web pages with the programs the desktop associates with them.
class Shell {
public:
    virtual ~Shell() = default;
    virtual bool open(const QUrl& url) = 0;

    bool openPath(const QString& path) { return open(QUrl::fromLocalFile(path)); }
};

class DesktopShell : public Shell {
public:
    bool open(const QUrl& url) override;
};
