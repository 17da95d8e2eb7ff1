#pragma once

#include <QString>

// On systems where windows need a display server, whether one can be reached before the GUI
// is started: DISPLAY must be set and, where the X client library is at hand, its server must
// take a connection.
enum class DisplayProblem { None, NotSet, Unreachable };
DisplayProblem FindDisplayProblem();

// A one-line explanation of the problem and of how to run the game; empty for None.
QString DisplayProblemMessage(DisplayProblem problem, const QString& programPath);
