#include "platform/Cp1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace cp1252 {

namespace {
constexpr const char* kCodec = "windows-1252";
constexpr char kSubstitute = 0x1A; // what the codec puts for a character it cannot map
} // namespace

QString decode(QByteArrayView bytes) {
    QStringDecoder decoder(kCodec);
    return decoder.decode(bytes);
}

QByteArray encode(QStringView text) {
    QStringEncoder encoder(kCodec);
    QByteArray bytes = encoder.encode(text);
    if (bytes.contains(kSubstitute) && bytes.size() == text.size()) {
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == kSubstitute && text[i] != QLatin1Char(kSubstitute))
                bytes[i] = '?';
        }
    }
    return bytes;
}

} // namespace cp1252
