#pragma once

#include <QString>

class QFile;

namespace platform {

// True when `name`, taken exactly as given (relative names against the
// working directory), is an existing regular file, following symbolic links.
// Folders, pipes, sockets and devices do not count, so opening a name that
// passes never blocks.
bool regularFileExists(const QString& name);

// Opens `name` for reading as the file system names it, exactly the file
// that regularFileExists tests: QFile alone would take a name that starts
// with ":" for one of the program's own resources. Only a regular file
// opens, and opening never blocks. Returns why it failed, or an empty text.
QString openRegularFile(const QString& name, QFile& file);

}  // namespace platform
