#pragma once

#include <memory>

#include <QApplication>

namespace platform {

// Creates the application on the window system. When no display can be
// opened (none is set, a stale one, a compositor that does not run, a
// platform without a screen), it says so in one line that names the display
// and ends the process with status 2; Qt alone would abort with a core dump
// and the advice to reinstall. --help and --version are answered on standard
// output first, and the process ends with status 0 without a display.
std::unique_ptr<QApplication> openApplication(int& argc, char** argv);

}  // namespace platform
