#pragma once

#include <QByteArray>
#include <QString>

// Every text file the program shares with its users (settings, journals, lists, series, RTF)
// is in the Windows-1252 code page.
namespace cp1252 {

/// Decodes cp1252 bytes; every byte gives exactly one character, so offsets are kept.
QString decode(QByteArrayView bytes);

/// Encodes to cp1252; a character the code page lacks becomes '?'.
QByteArray encode(QStringView text);

} // namespace cp1252
