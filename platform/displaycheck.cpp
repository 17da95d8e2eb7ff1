#include "displaycheck.h"

#include <QtGlobal>

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

QString missingDisplayMessage(const QString& programPath) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS) && !defined(Q_OS_ANDROID)
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return {};
    const QByteArray display = qgetenv("DISPLAY");
    const QString howTo = QStringLiteral("start it from a desktop session, or on a virtual "
                                         "display with: xvfb-run %1")
                              .arg(programPath);
    if (display.isEmpty())
        return QStringLiteral("tallyrun: no display found; ") + howTo;
#ifdef TALLYRUN_HAVE_XCB
    if (!displayAnswers(display))
        return QStringLiteral("tallyrun: the display %1 cannot be reached; ")
                   .arg(QString::fromLocal8Bit(display)) +
               howTo;
#endif
    return {};
#else
    Q_UNUSED(programPath);
    return {};
#endif
}
