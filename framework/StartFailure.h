#pragma once

#include <string>
#include <vector>

// The Qt platforms a start tries, in order, and who chose them: the -platform argument,
// QT_QPA_PLATFORM, or Qt itself (wayland first where a Wayland display or session is named,
// then xcb). Read from the arguments before Qt takes its own out of them.
struct PlatformChoice {
    std::vector<std::string> names;
    std::string chooser; // "-platform", "QT_QPA_PLATFORM", or empty for Qt's own choice
};
PlatformChoice ChosenPlatforms(int argc, char** argv);

// What the program says, after Qt's messages, when no platform started. Where each platform
// tried needs a display that is not set or does not answer: that it needs a display. Else
// which platform could not start, or, where fatalVariable names QT_FATAL_WARNINGS or
// QT_FATAL_CRITICALS, that the message it made fatal ended the start.
std::string StartFailureWords(const std::string& program, const PlatformChoice& choice,
                              const char* fatalVariable);
