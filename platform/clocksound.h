#pragma once

#include <QString>
#include <memory>

class QSoundEffect;

// Plays one sound clip asynchronously and stops it. Implementations never report a failure:
// with no audio device, or a clip that cannot be decoded, they stay silent.
class SoundSink {
public:
    virtual ~SoundSink() = default;
    // Loads the clip (a RIFF WAVE image) from a resource path such as ":/WAVE/name".
    virtual void load(const QString& resourcePath) = 0;
    virtual void play() = 0;
    virtual void stop() = 0;
};

// The real sink, over the system's audio output.
class ClockSound final : public SoundSink {
public:
    ClockSound();
    ~ClockSound() override;

    void load(const QString& resourcePath) override;
    void play() override;
    void stop() override;

    // Whether the last load() found a RIFF WAVE image.
    bool hasClip() const { return !m_resourcePath.isEmpty(); }

private:
    QString m_resourcePath;
    std::unique_ptr<QSoundEffect> m_effect;
};
