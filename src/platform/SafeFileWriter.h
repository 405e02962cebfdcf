#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

/// Replaces the file at `path` with `bytes` through QSaveFile: after a crash or a full disk
/// the file is still the old one. Returns a French message naming the file when it failed.
std::optional<QString> writeFileSafely(const QString& path, const QByteArray& bytes);
