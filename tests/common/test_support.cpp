#include "test_support.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>

namespace testsupport {

QString outputDir() {
    const QString dir = QStringLiteral(TALLYRUN_TEST_OUTPUT_DIR);
    QDir().mkpath(dir);
    return dir;
}

QString saveScreenshot(QWidget* widget, const QString& name) {
    const QString path = outputDir() + QLatin1Char('/') + name + QStringLiteral(".png");
    widget->grab().save(path);
    return path;
}

} // namespace testsupport
