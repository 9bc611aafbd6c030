#pragma once

#include <functional>

#include <QString>

namespace platform {

// The program has no error trapping of its own: a broken invariant (an
// overflow, a subscript out of range) stops it with the standard run-time
// error message. The handler is a seam so that tests can turn the stop into
// an exception they can assert on.
enum RuntimeErrorNumber : int {
    kOverflow = 6,
    kSubscriptOutOfRange = 9,
};

using FatalHandler = std::function<void(int number, const QString& description)>;

// Installs a handler and returns the previous one. A handler must not return
// (it exits or throws); if it does, the process aborts.
FatalHandler setFatalHandler(FatalHandler handler);

// The program's own handler: a modal box "Run-time error 'N':" / description,
// titled with the program's name, then exit with status 1.
void showRuntimeErrorAndExit(int number, const QString& description);

[[noreturn]] void fatal(int number, const QString& description);

// The text the run-time error box shows.
QString runtimeErrorText(int number, const QString& description);

// Thrown by the handler tests install.
struct RuntimeError {
    int number;
    QString description;
};

}  // namespace platform
