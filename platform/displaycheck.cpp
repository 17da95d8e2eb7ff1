#include "displaycheck.h"

#include <QtGlobal>

QString missingDisplayMessage(const QString& programPath) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS) && !defined(Q_OS_ANDROID)
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return {};
    return QStringLiteral("tallyrun: no display found; start it from a desktop session, or on a "
                          "virtual display with: xvfb-run %1")
        .arg(programPath);
#else
    Q_UNUSED(programPath);
    return {};
#endif
}
