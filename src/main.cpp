#include "platform/display.h"
#include "platform/form.h"
#include "shell/module1.h"

int main(int argc, char* argv[])
{
    const auto app = platform::openApplication(argc, argv);
    shell::prepareApplication();
    shell::Main();
    const int status = QApplication::exec();
    platform::destroyAllForms();
    return status;
}
