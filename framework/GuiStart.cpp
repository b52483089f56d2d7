#include "GuiStart.h"

#include <QApplication>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

namespace {

// A message Qt logged while the application was being made, with copies of its context.
struct HeldMessage {
    QtMsgType type;
    std::string file;
    int line;
    std::string function;
    std::string category;
    QString text;
};

std::mutex heldMutex;
std::vector<HeldMessage> held;
std::string programName;

// Qt's only way to report a platform that cannot start is a fatal message, after which it
// aborts; so the report and the exit happen here, before control returns to Qt. Nothing is
// torn down: the application object is half made.
[[noreturn]] void ExplainNoDisplay() {
    std::fprintf(stderr,
                 "%s: cannot open a graphical display, and it needs one.\n"
                 "Run it on a desktop, or set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland) to a "
                 "display that is running.\n",
                 programName.c_str());
    // A platform the user chose is what failed; say so, as DISPLAY may be fine.
    if (const char* chosen = std::getenv("QT_QPA_PLATFORM"); chosen != nullptr && *chosen != 0) {
        std::fprintf(stderr, "The platform that QT_QPA_PLATFORM names, \"%s\", did not start.\n",
                     chosen);
    }
    std::fflush(stderr);
    std::_Exit(1);
}

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        ExplainNoDisplay();
    }
    const auto copy = [](const char* s) { return std::string(s != nullptr ? s : ""); };
    const std::lock_guard lock(heldMutex);
    held.push_back({type, copy(context.file), context.line, copy(context.function),
                    copy(context.category), text});
}

void PassOnHeldMessages() {
    const std::lock_guard lock(heldMutex);
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(message.file.c_str(), message.line,
                                         message.function.c_str(), message.category.c_str());
        qt_message_output(message.type, context, message.text);
    }
    held.clear();
}

std::string BaseName(const char* path) {
    const std::string name = path != nullptr ? path : "";
    const auto slash = name.rfind('/');
    return slash == std::string::npos ? name : name.substr(slash + 1);
}

} // namespace

QApplication* StartGuiApplication(int& argc, char** argv) {
    programName = argc > 0 ? BaseName(argv[0]) : "";
    if (programName.empty()) {
        programName = "this program";
    }
    const QtMessageHandler previous = qInstallMessageHandler(HoldMessage);
    auto* application = new QApplication(argc, argv);
    qInstallMessageHandler(previous);
    PassOnHeldMessages();
    return application;
}
