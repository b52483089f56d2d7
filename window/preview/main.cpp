// A stand-in start-up that opens the main window and runs the event loop.
#include "ExceptionReport.h"
#include "Window1.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    try {
        Window1::Instance();
    } catch (const std::exception& e) {
        ReportUnhandledException(e);
        return 1;
    }
    return QApplication::exec();
}
