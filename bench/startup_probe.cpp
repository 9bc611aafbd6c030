// The program's own start-up, ended as soon as the welcome window has been
// painted: what scripts/bench times against the minimal window.
#include <QApplication>
#include <QTimer>

#include "platform/form.h"
#include "shell/module1.h"
#include "shell/welcome.h"

namespace {
class FirstPaint : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return false;
    }
};
}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    shell::prepareApplication();
    shell::Main();
    FirstPaint watcher;
    Welcome->installEventFilter(&watcher);
    const int status = QApplication::exec();
    platform::destroyAllForms();
    return status;
}
