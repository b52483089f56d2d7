#include "UiThread.h"

#include "Exceptions.h"

#include <QCoreApplication>
#include <QThread>

#include <string>

void RequireMainThread(std::string_view what) {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) {
        throw RuntimeException(std::string(what) + ": no application object exists yet");
    }
    if (QThread::currentThread() != app->thread()) {
        throw ThreadAccessingUIException(std::string(what) +
                                         ": user-interface call from a thread other than the "
                                         "main thread");
    }
}

bool OnMainThread() {
    QCoreApplication* app = QCoreApplication::instance();
    return app != nullptr && QThread::currentThread() == app->thread();
}
