#include "platform/QtSoundOutput.h"

#include <QSoundEffect>
#include <QUrl>

QtSoundOutput::QtSoundOutput() = default;

QtSoundOutput::~QtSoundOutput() {
    qDeleteAll(m_effects);
}

void QtSoundOutput::play(const QString& path) {
    if (m_current)
        m_current->stop();
    QSoundEffect*& effect = m_effects[path];
    if (!effect) {
        effect = new QSoundEffect;
        effect->setSource(QUrl::fromLocalFile(path));
    }
    m_current = effect;
    effect->play();
}

bool QtSoundOutput::isPlaying() const {
    return m_current && m_current->isPlaying();
}

extern "C" Q_DECL_EXPORT SoundOutput* createQuilmetSoundOutput() {
    return new QtSoundOutput;
}
