#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Widget suites run without a screen unless a platform is named explicitly.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A private runtime folder where the session has none (CI, containers).
    QTemporaryDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeDir.isValid()) {
        QFile::setPermissions(runtimeDir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                     QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
    }
    // The game's settings and history stay in the build's test folder.
    if (qEnvironmentVariableIsEmpty("TALLYRUN_SETTINGS_DIR"))
        qputenv("TALLYRUN_SETTINGS_DIR", TALLYRUN_TEST_OUTPUT "/settings");
    if (qEnvironmentVariableIsEmpty("TALLYRUN_DATA_DIR"))
        qputenv("TALLYRUN_DATA_DIR", TALLYRUN_TEST_OUTPUT "/data");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
