// Loaded into the program with LD_PRELOAD: notes when the main window's canvas has finished its
// first paint and how much memory the process has held at its peak, writes both to the file
// named by TESVAN_PROBE_REPORT and ends the process. TESVAN_PROBE_LINGER_MS keeps the program
// running that long after the first paint before the memory is read.
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

long long MonotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

long long PeakResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::atoll(line.c_str() + 6);
        }
    }
    return -1;
}

[[noreturn]] void ReportAndExit(long long firstPaint) {
    if (const char* path = std::getenv("TESVAN_PROBE_REPORT")) {
        if (FILE* out = std::fopen(path, "w")) {
            std::fprintf(out, "%lld %lld\n", firstPaint, PeakResidentKilobytes());
            std::fclose(out);
        }
    }
    _exit(firstPaint > 0 ? 0 : 3);
}

class FirstPaintWatch : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (painting_ || done_ || event->type() != QEvent::Paint || !IsMainCanvas(watched)) {
            return false;
        }
        // Paint it here, inside the paint the window is doing, to know when it is over.
        painting_ = true;
        watched->event(event);
        painting_ = false;
        done_ = true;
        const long long firstPaint = MonotonicNanoseconds();
        const char* linger = std::getenv("TESVAN_PROBE_LINGER_MS");
        const int lingerMs = linger != nullptr ? std::atoi(linger) : 0;
        if (lingerMs <= 0) {
            ReportAndExit(firstPaint);
        }
        QTimer::singleShot(lingerMs, [firstPaint] { ReportAndExit(firstPaint); });
        return true;
    }

  private:
    static bool IsMainCanvas(QObject* watched) {
        auto* widget = qobject_cast<QWidget*>(watched);
        return widget != nullptr && widget->objectName() == QLatin1String("Canvas1") &&
               widget->window()->objectName().startsWith(QLatin1String("Window1"));
    }

    bool painting_ = false;
    bool done_ = false;
};

void InstallWatch() {
    auto* watch = new FirstPaintWatch;
    QCoreApplication::instance()->installEventFilter(watch);
    // A program that never paints its canvas is reported as such rather than waited for.
    QTimer::singleShot(10000, [] { ReportAndExit(0); });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallWatch)
