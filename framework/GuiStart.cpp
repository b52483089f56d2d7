#include "GuiStart.h"

#include "StartFailure.h"

#include <QApplication>
#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace {

// A copy of a context field that may be null: Qt's message pattern tells null from empty.
class Field {
  public:
    explicit Field(const char* text)
        : text_(text != nullptr ? std::optional<std::string>(text) : std::nullopt) {}
    const char* Get() const { return text_ ? text_->c_str() : nullptr; }

  private:
    std::optional<std::string> text_;
};

// A message Qt logged while the application was being made, with copies of its context.
struct HeldMessage {
    QtMsgType type;
    Field file;
    int line;
    Field function;
    Field category;
    QString text;
};

// Qt makes the nth warning fatal where QT_FATAL_WARNINGS is n (other text counts as 1), and
// likewise the criticals with QT_FATAL_CRITICALS. It decides after the handler returns, and
// then aborts; so this counts along with Qt, from the first message of the process.
class FatalCountdown {
  public:
    explicit FatalCountdown(const char* variable) : variable_(variable) {
        const QByteArray value = qgetenv(variable);
        bool number = false;
        left_ = value.isEmpty() ? 0 : value.toInt(&number, 0);
        if (!value.isEmpty() && !number) {
            left_ = 1;
        }
    }
    // Whether the message now counted is the fatal one.
    bool Count() { return left_ > 0 && --left_ == 0; }
    const char* Variable() const { return variable_; }

  private:
    const char* variable_;
    int left_ = 0;
};

std::mutex heldMutex;
std::vector<HeldMessage> held;
QtMessageHandler previousHandler = nullptr;
std::string programName;
PlatformChoice platformChoice;
std::optional<FatalCountdown> fatalWarnings;
std::optional<FatalCountdown> fatalCriticals;

void PassOnHeldMessages() {
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(message.file.Get(), message.line, message.function.Get(),
                                         message.category.Get());
        previousHandler(message.type, context, message.text);
    }
    held.clear();
}

// Whether Qt makes this message fatal, and the variable that does so (none for a qFatal).
struct Fatality {
    bool fatal = false;
    const char* variable = nullptr;
};

Fatality FatalityOf(QtMsgType type) {
    if (type == QtFatalMsg) {
        return {true};
    }
    FatalCountdown* countdown = type == QtWarningMsg    ? &*fatalWarnings
                                : type == QtCriticalMsg ? &*fatalCriticals
                                                        : nullptr;
    if (countdown != nullptr && countdown->Count()) {
        return {true, countdown->Variable()};
    }
    return {};
}

// Qt's own summary of a platform that could not start, with advice to reinstall, which the
// program's words replace.
bool IsQtsNoPlatformSummary(QtMsgType type, const QString& text) {
    return type == QtFatalMsg && text.contains(u"no Qt platform plugin could be initialized");
}

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const std::lock_guard lock(heldMutex);
    const Fatality fatality = FatalityOf(type);
    if (!IsQtsNoPlatformSummary(type, text)) {
        held.push_back({type, Field(context.file), context.line, Field(context.function),
                        Field(context.category), text});
    }
    if (!fatality.fatal) {
        return;
    }
    PassOnHeldMessages();
    // A fatal message once a platform runs has nothing to do with the start: Qt aborts, as
    // it always does.
    if (!QGuiApplication::platformName().isEmpty()) {
        return;
    }
    // No platform started, and Qt aborts once this returns; so the words and the exit come
    // here. Nothing is torn down: the application object is half made.
    const std::string words = StartFailureWords(programName, platformChoice, fatality.variable);
    std::fputs(words.c_str(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
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
    platformChoice = ChosenPlatforms(argc, argv);
    fatalWarnings.emplace("QT_FATAL_WARNINGS");
    fatalCriticals.emplace("QT_FATAL_CRITICALS");
    previousHandler = qInstallMessageHandler(HoldMessage);
    auto* application = new QApplication(argc, argv);
    qInstallMessageHandler(previousHandler);
    const std::lock_guard lock(heldMutex);
    PassOnHeldMessages();
    return application;
}
