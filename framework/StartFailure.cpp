#include "StartFailure.h"

#include "DisplayReach.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <iterator>

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        const auto end = std::min(text.find(separator, start), text.size());
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// Qt's form: platforms separated by ';', each a name with ':'-separated options behind it.
std::vector<std::string> PlatformNames(const std::string& text) {
    std::vector<std::string> names;
    for (const std::string& platform : Split(text, ';')) {
        std::string name = Split(platform, ':').front();
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (!name.empty()) {
            names.push_back(name);
        }
    }
    if (names.empty()) {
        names.push_back(text);
    }
    return names;
}

// Whether the platform failed only for want of its display: the display it connects to is
// not named, or no server answers there. Other platforms need no display of ours.
bool DisplayIsMissing(const std::string& platform) {
    if (platform == "xcb") {
        const char* display = std::getenv("DISPLAY");
        return display == nullptr || !AnySocketAnswers(X11DisplaySockets(display));
    }
    if (platform.starts_with("wayland")) {
        return !AnySocketAnswers(
            WaylandDisplaySockets(std::getenv("WAYLAND_DISPLAY"), std::getenv("XDG_RUNTIME_DIR")));
    }
    return false;
}

std::string Quoted(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "\"" : ", \"") + name + "\"";
    }
    return text;
}

// "the Qt platform "xcb"", or with its chooser: "the Qt platform that QT_QPA_PLATFORM names,
// "xcb","
std::string Platforms(const std::vector<std::string>& names, const std::string& chooser) {
    const std::string noun = names.size() == 1 ? "the Qt platform " : "the Qt platforms ";
    if (chooser.empty()) {
        return noun + Quoted(names);
    }
    const std::string by =
        chooser.starts_with('-') ? "given with " + chooser : "that " + chooser + " names";
    return noun + by + ", " + Quoted(names) + ",";
}

} // namespace

PlatformChoice ChosenPlatforms(int argc, char** argv) {
    // Qt reads "-platform name" and "--platform name"; the last one counts.
    const char* given = nullptr;
    for (int i = 1; i + 1 < argc; ++i) {
        const char* argument = argv[i];
        if (argument != nullptr && std::strncmp(argument, "--", 2) == 0) {
            ++argument;
        }
        if (argument != nullptr && std::strcmp(argument, "-platform") == 0) {
            given = argv[++i];
        }
    }
    if (given != nullptr) {
        return {PlatformNames(given), "-platform"};
    }
    if (const char* named = std::getenv("QT_QPA_PLATFORM"); named != nullptr && *named != 0) {
        return {PlatformNames(named), "QT_QPA_PLATFORM"};
    }
    const char* session = std::getenv("XDG_SESSION_TYPE");
    if (std::getenv("WAYLAND_DISPLAY") != nullptr ||
        (session != nullptr && std::strcmp(session, "wayland") == 0)) {
        return {{"wayland", "xcb"}, ""};
    }
    return {{"xcb"}, ""};
}

std::string StartFailureWords(const std::string& program, const PlatformChoice& choice,
                              const char* fatalVariable) {
    std::vector<std::string> failed;
    std::copy_if(choice.names.begin(), choice.names.end(), std::back_inserter(failed),
                 [](const std::string& name) { return !DisplayIsMissing(name); });
    if (failed.empty()) {
        std::string words =
            program +
            ": cannot open a graphical display, and it needs one.\n"
            "Run it on a desktop, or set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland) to a display "
            "that is running.\n";
        if (!choice.chooser.empty()) {
            std::string platforms = Platforms(choice.names, choice.chooser);
            platforms[0] = 'T';
            words += platforms + " did not start.\n";
        }
        return words;
    }
    if (fatalVariable != nullptr) {
        const bool warnings = std::strcmp(fatalVariable, "QT_FATAL_WARNINGS") == 0;
        return program + ": the start stopped at Qt's " +
               (warnings ? "warning" : "critical message") + " above, which " + fatalVariable +
               " makes fatal.\n";
    }
    const char* debugPlugins = std::getenv("QT_DEBUG_PLUGINS");
    const bool saysAll = debugPlugins != nullptr && *debugPlugins != 0;
    return program + ": " + Platforms(failed, choice.chooser) +
           " could not start; Qt's messages above say why" +
           (saysAll ? "" : " (with QT_DEBUG_PLUGINS=1 Qt says more)") + ".\n";
}
