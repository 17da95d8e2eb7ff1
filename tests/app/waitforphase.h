#pragma once

#include "gamefrm.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

// Handles events until the window's round reaches `phase`, for at most five seconds.
inline bool waitForPhase(const GameFrm& window, RoundFlow::Phase phase) {
    const QDeadlineTimer deadline(5000);
    while (window.round().phase() != phase && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    return window.round().phase() == phase;
}
