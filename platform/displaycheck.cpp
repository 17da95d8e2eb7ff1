#include "displaycheck.h"

#include <QCoreApplication>

#ifdef TALLYRUN_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace {

#ifdef TALLYRUN_HAVE_XCB
// Connects and hangs up at once, as the windowing layer would connect: a server that is gone,
// refuses the connection or asks for other credentials answers false.
bool displayAnswers(const QByteArray& display) {
    int screen = 0;
    xcb_connection_t* connection = xcb_connect(display.constData(), &screen);
    const bool answered = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answered;
}
#endif

} // namespace

DisplayProblem FindDisplayProblem() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS) && !defined(Q_OS_ANDROID)
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return DisplayProblem::None;
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty())
        return DisplayProblem::NotSet;
#ifdef TALLYRUN_HAVE_XCB
    if (!displayAnswers(display))
        return DisplayProblem::Unreachable;
#endif
#endif
    return DisplayProblem::None;
}

QString DisplayProblemMessage(DisplayProblem problem, const QString& programPath) {
    const QString howTo =
        QCoreApplication::translate("DisplayCheck", "start it from a desktop session, or on a "
                                                    "virtual display with: xvfb-run %1")
            .arg(programPath);
    switch (problem) {
    case DisplayProblem::None:
        break;
    case DisplayProblem::NotSet:
        return QCoreApplication::translate("DisplayCheck", "tallyrun: no display found; %1")
            .arg(howTo);
    case DisplayProblem::Unreachable:
        return QCoreApplication::translate("DisplayCheck",
                                           "tallyrun: the display %1 cannot be reached; %2")
            .arg(QString::fromLocal8Bit(qgetenv("DISPLAY")), howTo);
    }
    return {};
}
