#pragma once

#include "platform/IniDocument.h"

#include <QString>
#include <functional>

/// A settings file on disk. It is never held open: a load reads it whole once (so a load
/// sequence parses it once), and every save replaces it whole through QSaveFile, so that the
/// file on disk is always the old or the new complete file.
class IniFile {
public:
    explicit IniFile(QString path);

    const QString& path() const { return m_path; }

    /// A missing or unreadable file reads as an empty one.
    IniDocument load() const;
    /// False, with errorString() naming the file, when the file could not be replaced.
    bool save(const IniDocument& document);
    /// Loads, applies the change and saves at once.
    bool update(const std::function<void(IniDocument&)>& change);
    QString errorString() const { return m_error; }

    QString readString(QStringView section, QStringView key, const QString& fallback) const;
    int readInteger(QStringView section, QStringView key, int fallback) const;
    bool readBool(QStringView section, QStringView key, bool fallback) const;
    bool writeString(QStringView section, QStringView key, const QString& value);
    bool writeInteger(QStringView section, QStringView key, int value);
    bool writeBool(QStringView section, QStringView key, bool value);
    bool eraseSection(QStringView section);
    bool deleteKey(QStringView section, QStringView key);

private:
    QString m_path;
    QString m_error;
};
