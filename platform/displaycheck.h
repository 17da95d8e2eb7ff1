#pragma once

#include <QString>

// On systems where windows need a display server, tells whether one can be reached before
// the GUI is started: DISPLAY must be set and, where the X client library is at hand, its
// server must take a connection. Returns an empty text when the game can open its window,
// else a one-line explanation of how to run it.
QString missingDisplayMessage(const QString& programPath);
