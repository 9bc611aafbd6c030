#pragma once

#include <QString>

namespace platform {

// True when `name`, taken exactly as given (relative names against the
// working directory), is an existing regular file, following symbolic links.
// Folders, pipes, sockets and devices do not count, so opening a name that
// passes never blocks.
bool regularFileExists(const QString& name);

}  // namespace platform
