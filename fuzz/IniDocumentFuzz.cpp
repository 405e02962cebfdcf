// Any bytes as a settings file: reading, writing and reading again must neither crash, hang
// nor lose the value just written.
#include "platform/IniDocument.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    IniDocument doc = IniDocument::fromBytes(bytes);
    for (const QString& section : doc.sections()) {
        for (const QString& key : doc.keys(section)) {
            doc.readString(section, key, {});
            doc.readInteger(section, key, 0);
        }
    }
    doc.eraseSection(u"PRINT");
    const QString section = doc.sections().value(0, QStringLiteral("SHOW"));
    doc.writeString(section, u"FuzzKey", QStringLiteral("valeur\r\nsur deux lignes"));
    const IniDocument again = IniDocument::fromBytes(doc.toBytes());
    if (section.trimmed() == section && !section.contains(u']') && !section.isEmpty() &&
        again.readString(section, u"FuzzKey", {}) != QStringLiteral("valeur sur deux lignes"))
        std::abort();
    return 0;
}
