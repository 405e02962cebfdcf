#include "platform/LazySoundOutput.h"

#include <QCoreApplication>
#include <QLibrary>

LazySoundOutput::LazySoundOutput() = default;
LazySoundOutput::~LazySoundOutput() = default;

SoundOutput* LazySoundOutput::output() {
    if (m_tried)
        return m_output.get();
    m_tried = true;
    const QString appDir = QCoreApplication::applicationDirPath();
    // Beside the program in the build tree; in <prefix>/lib/quilmet once installed.
    for (const QString& folder : {appDir, appDir + QStringLiteral("/../lib/quilmet")}) {
        QLibrary module(folder + QLatin1Char('/') + QLatin1String(kModuleName));
        using Create = SoundOutput* (*)();
        if (auto create = reinterpret_cast<Create>(module.resolve("createQuilmetSoundOutput"))) {
            m_output.reset(create());
            break;
        }
    }
    return m_output.get();
}

void LazySoundOutput::play(const QString& path) {
    if (SoundOutput* out = output())
        out->play(path);
}

bool LazySoundOutput::isPlaying() const {
    return m_output && m_output->isPlaying();
}
