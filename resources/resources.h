#pragma once

#include <QString>
#include <QStringList>

namespace resources {

// The round clock's music: a 16-bit PCM RIFF WAVE image of about 30.5 seconds.
inline const QString ClockMusicPath = QStringLiteral(":/WAVE/Figurello30");

// The application icon: its scalable drawing (SVG), and its pictures, one per rendered size.
QString AppIconScalablePath();
QStringList AppIconPaths();

// Makes the compiled-in resources of this library available (idempotent).
void init();

} // namespace resources
