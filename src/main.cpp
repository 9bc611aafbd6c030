#include <cstdio>
#include <cstdlib>

#include <QApplication>

#include "platform/form.h"
#include "shell/module1.h"

namespace {
// Without a display Qt would abort with a terse message; say what to do.
bool displayAvailable()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform)
        return true;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}
}  // namespace

int main(int argc, char* argv[])
{
    if (!displayAvailable()) {
        std::fprintf(
            stderr,
            "netadmin-quiz: no display is available (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
            "Start it from a desktop session, or under a virtual display: xvfb-run -a scripts/run\n");
        return 2;
    }
    QApplication app(argc, argv);
    shell::prepareApplication();
    shell::Main();
    const int status = QApplication::exec();
    platform::destroyAllForms();
    return status;
}
