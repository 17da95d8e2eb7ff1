#include "resources.h"

#include "programversion.h"

#include <QDir>
#include <QFile>
#include <QtGlobal>

static void initResources() {
    Q_INIT_RESOURCE(clock_music);
    Q_INIT_RESOURCE(app_icon);
}

namespace resources {

void init() {
    static const bool done = [] {
        initResources();
        return true;
    }();
    (void)done;
}

QString AppIconScalablePath() {
    init();
    return QStringLiteral(":/icons/scalable/apps/%1.svg").arg(QLatin1String(tallyrun::kAppId));
}

QStringList AppIconPaths() {
    init();
    const QDir icons(QStringLiteral(":/icons"));
    QStringList paths;
    for (const QString& size : icons.entryList(QDir::Dirs)) {
        const QString path =
            QStringLiteral(":/icons/%1/apps/%2.png").arg(size, QLatin1String(tallyrun::kAppId));
        if (QFile::exists(path))
            paths += path;
    }
    return paths;
}

} // namespace resources
