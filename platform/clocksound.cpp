#include "clocksound.h"

#include <QFile>
#include <QSoundEffect>
#include <QUrl>

ClockSound::ClockSound() = default;
ClockSound::~ClockSound() {
    stop();
}

void ClockSound::load(const QString& resourcePath) {
    stop();
    m_effect.reset();
    m_resourcePath.clear();
    // Only the header is read here; the clip itself when it first plays.
    QFile file(resourcePath);
    if (file.open(QIODevice::ReadOnly) && file.read(4) == "RIFF")
        m_resourcePath = resourcePath;
}

void ClockSound::play() {
    if (m_resourcePath.isEmpty())
        return;
    if (!m_effect) {
        // Created on first use: an audio backend is only touched when a clip is played.
        m_effect = std::make_unique<QSoundEffect>();
        m_effect->setSource(QUrl(QStringLiteral("qrc") + m_resourcePath));
    }
    m_effect->stop();
    m_effect->play();
}

void ClockSound::stop() {
    if (m_effect)
        m_effect->stop();
}
