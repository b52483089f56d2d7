// Test entry for suites that need a QApplication: runs headless under the offscreen platform
// unless a platform was chosen explicitly.
#include "RunAllTests.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QTemporaryDir runtimeDir;
    setenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit().constData(), 0);
    QApplication app(argc, argv);
    return RunAllTests(argc, argv);
}
