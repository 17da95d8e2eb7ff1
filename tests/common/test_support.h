#pragma once

#include <QString>

class QWidget;

namespace testsupport {

// Folder for files that tests leave behind for people to look at (screenshots).
QString outputDir();

// Saves widget->grab() as <outputDir>/<name>.png and returns the file path.
QString saveScreenshot(QWidget* widget, const QString& name);

} // namespace testsupport
