#include "clocksound.h"
#include "resources.h"

#include <QCoreApplication>
#include <QFile>
#include <QtEndian>
#include <cmath>
#include <gtest/gtest.h>

namespace {

struct Wave {
    int format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<std::int16_t> samples;
};

// The clip as the synthesiser writes it: a 44-byte header whose sizes match the file, then the
// samples; an empty Wave for anything else.
Wave parse(const QByteArray& image) {
    const char* h = image.constData();
    const auto le32 = [h](int at) { return qsizetype(qFromLittleEndian<quint32>(h + at)); };
    if (image.size() < 44 || !image.startsWith("RIFF") || image.mid(8, 8) != "WAVEfmt " ||
        image.mid(36, 4) != "data" || le32(4) != image.size() - 8 || le32(40) != image.size() - 44)
        return {};
    Wave w{qFromLittleEndian<quint16>(h + 20),
           qFromLittleEndian<quint16>(h + 22),
           int(le32(24)),
           qFromLittleEndian<quint16>(h + 34),
           {}};
    for (qsizetype at = 44; at + 1 < image.size(); at += 2)
        w.samples.push_back(qFromLittleEndian<qint16>(h + at));
    return w;
}

double rms(const Wave& w, double from, double to) {
    const auto a = static_cast<std::size_t>(from * w.rate);
    const auto b = std::min(w.samples.size(), static_cast<std::size_t>(to * w.rate));
    double sum = 0;
    for (std::size_t i = a; i < b; ++i)
        sum += double(w.samples[i]) * w.samples[i];
    return b > a ? std::sqrt(sum / double(b - a)) : 0.0;
}

TEST(ClockMusic, IsAThirtySecondPcmWaveEndingOnAChord) {
    resources::init();
    QFile file(resources::ClockMusicPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const Wave w = parse(file.readAll());
    EXPECT_EQ(w.format, 1);
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.rate, 48000);
    EXPECT_EQ(w.bits, 16);
    ASSERT_GT(w.rate, 0);
    EXPECT_NEAR(double(w.samples.size()) / w.rate, 30.5, 0.01);
    // Music all the way through, and the final chord at 30 s is the loudest moment.
    for (int second = 0; second < 30; ++second)
        EXPECT_GT(rms(w, second, second + 1), 1000.0) << "second " << second;
    EXPECT_GT(rms(w, 30.0, 30.2), 1.3 * rms(w, 29.5, 29.9));
}

TEST(ClockSound, StaysSilentWithoutAnAudioDeviceOrAClip) {
    resources::init();
    ClockSound sound;
    sound.load(resources::ClockMusicPath);
    EXPECT_TRUE(sound.hasClip());
    sound.play();
    QCoreApplication::processEvents();
    sound.play(); // again from the start
    sound.stop();
    sound.load(QStringLiteral(":/WAVE/none"));
    EXPECT_FALSE(sound.hasClip());
    sound.play();
    sound.stop();
}

} // namespace
