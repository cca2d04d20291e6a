// Test entry point: a QApplication exists for every test, so widgets and fonts can be used.
// Each test process gets its own link directory and no host settings, so that link windows and
// single-instance locks of tests running side by side never meet (a main window that found its
// lock taken would end the test process with exit code 0). An empty configuration folder keeps a
// language file of the user's own out of the tests.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtimeDir;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(runtimeDir.filePath(QStringLiteral("config"))));
    qputenv("APPDATA", QFile::encodeName(runtimeDir.filePath(QStringLiteral("config")))); // on Windows
    qputenv("KYVELO_HOST_SETTINGS",
            QFile::encodeName(runtimeDir.filePath(QStringLiteral("no-settings.ini"))));
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
