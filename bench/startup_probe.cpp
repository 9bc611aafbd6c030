// The program's own start-up, ended as soon as the welcome window has been
// painted: what scripts/bench times against the minimal window.
#include <QApplication>

#include "first_paint.h"
#include "platform/form.h"
#include "shell/module1.h"
#include "shell/welcome.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    shell::prepareApplication();
    shell::Main();
    new QuitAfterFirstPaint(&Welcome.get());
    const int status = QApplication::exec();
    platform::destroyAllForms();
    return status;
}
