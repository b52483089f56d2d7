#pragma once

class QApplication;

// Makes the process's QApplication. Qt's messages are held while it is made and then passed
// to the message handler installed before, all of them. When no platform can start, Qt would
// abort with advice that does not apply; this passes on Qt's messages instead, says in the
// program's words what failed (a display that is missing or does not answer, or the platform
// that could not start) and ends the process with exit status 1, QT_FATAL_WARNINGS or not.
QApplication* StartGuiApplication(int& argc, char** argv);
