#pragma once

#include <QString>

namespace resources {

// The round clock's music: a 16-bit PCM RIFF WAVE image of about 30.5 seconds.
inline const QString ClockMusicPath = QStringLiteral(":/WAVE/Figurello30");

// Makes the compiled-in resources of this library available (idempotent).
void init();

} // namespace resources
