#pragma once

class QApplication;

// Makes the process's QApplication. When Qt can start no platform (no display, a display that
// nobody serves, a named platform that fails), Qt would abort with advice that does not apply;
// this says instead that the program needs a graphical display, naming DISPLAY and
// WAYLAND_DISPLAY, and ends the process with exit status 1. Qt's messages from a start that
// succeeds are passed on once it has.
QApplication* StartGuiApplication(int& argc, char** argv);
