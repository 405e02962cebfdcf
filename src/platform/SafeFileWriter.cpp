#include "platform/SafeFileWriter.h"

#include <QDir>
#include <QSaveFile>

std::optional<QString> writeFileSafely(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    const auto failure = [&path](const QString& reason) {
        return QStringLiteral("Le fichier « %1 » n'a pas pu être enregistré :\r\n%2\r\n\r\n"
                              "Son contenu précédent est conservé.")
            .arg(QDir::toNativeSeparators(path), reason);
    };
    // Unbuffered, so a short write (a full disk) shows in the count write() returns rather
    // than vanishing in a flush at commit.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failure(reason);
    }
    if (!file.commit())
        return failure(file.errorString());
    return std::nullopt;
}
