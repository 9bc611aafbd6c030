#include "platform/runtime_error.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include <QApplication>
#include <QMessageBox>

namespace platform {

namespace {
FatalHandler& handler()
{
    static FatalHandler h = showRuntimeErrorAndExit;
    return h;
}
}  // namespace

FatalHandler setFatalHandler(FatalHandler h)
{
    return std::exchange(handler(), std::move(h));
}

QString runtimeErrorText(int number, const QString& description)
{
    return QStringLiteral("Run-time error '%1':\n\n%2").arg(number).arg(description);
}

void showRuntimeErrorAndExit(int number, const QString& description)
{
    const QString text = runtimeErrorText(number, description);
    std::fprintf(stderr, "netadmin-quiz: %s\n",
                 qPrintable(QString(text).replace(QStringLiteral("\n\n"), QStringLiteral(" "))));
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("netadmin-quiz"), text, QMessageBox::Ok);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
    // At once: no unload handler, no destructor of a window in an unknown state.
    std::fflush(nullptr);
    std::_Exit(1);
}

void fatal(int number, const QString& description)
{
    handler()(number, description);
    std::abort();
}

}  // namespace platform
