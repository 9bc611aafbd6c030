#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <QFile>

namespace platform {

bool regularFileExists(const QString& name)
{
    if (name.isEmpty() || name.contains(QChar(u'\0')))
        return false;
    // stat() rather than QFileInfo: it is one system call and tells a FIFO
    // from a file without opening it.
    const QByteArray path = QFile::encodeName(name);
    struct stat st {};
    return ::stat(path.constData(), &st) == 0 && S_ISREG(st.st_mode);
}

QString openRegularFile(const QString& name, QFile& file)
{
    if (name.isEmpty() || name.contains(QChar(u'\0')))
        return QStringLiteral("it cannot be opened: %1").arg(qt_error_string(ENOENT));
    const int fd = ::open(QFile::encodeName(name).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return QStringLiteral("it cannot be opened: %1").arg(qt_error_string(errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return QStringLiteral("it is not a regular file");
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return QStringLiteral("it cannot be opened: %1").arg(file.errorString());
    }
    return {};
}

}  // namespace platform
