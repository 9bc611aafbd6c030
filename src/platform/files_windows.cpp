#include "platform/files.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <QFile>

namespace platform {

namespace {

// The system's own wording of an error, as Explorer shows it.
QString systemMessage(DWORD error)
{
    wchar_t* text = nullptr;
    const DWORD n = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    QString message =
        n ? QString::fromWCharArray(text, int(n)).trimmed() : QStringLiteral("error %1").arg(error);
    ::LocalFree(text);
    return message;
}

QString cannotOpen(DWORD error)
{
    return QStringLiteral("it cannot be opened: %1").arg(systemMessage(error));
}

// Opens `name` as the file system names it and keeps the handle only for a
// file on disk: a folder does not open without backup semantics, and devices
// ("CON", "NUL", "COM1", named pipes) report another type, so nothing that
// could block a read gets through. Opening a device does not read from it.
HANDLE openDiskFile(const QString& name, DWORD access, QString& why)
{
    if (name.isEmpty() || name.contains(QChar(u'\0'))) {
        why = cannotOpen(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    const auto* path = reinterpret_cast<const wchar_t*>(name.utf16());
    const HANDLE h = ::CreateFileW(path, access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        const DWORD attributes = ::GetFileAttributesW(path);
        const bool folder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
        why = folder ? QStringLiteral("it is not a regular file") : cannotOpen(error);
        return h;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileType(h) != FILE_TYPE_DISK || !::GetFileInformationByHandle(h, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        ::CloseHandle(h);
        why = QStringLiteral("it is not a regular file");
        return INVALID_HANDLE_VALUE;
    }
    return h;
}

}  // namespace

bool regularFileExists(const QString& name)
{
    QString why;
    const HANDLE h = openDiskFile(name, 0, why);  // no access asked: only what the file is
    if (h == INVALID_HANDLE_VALUE)
        return false;
    ::CloseHandle(h);
    return true;
}

QString openRegularFile(const QString& name, QFile& file)
{
    QString why;
    const HANDLE h = openDiskFile(name, GENERIC_READ, why);
    if (h == INVALID_HANDLE_VALUE)
        return why;
    const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(h), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        ::CloseHandle(h);
        return cannotOpen(::GetLastError());
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::_close(fd);
        return QStringLiteral("it cannot be opened: %1").arg(file.errorString());
    }
    return {};
}

}  // namespace platform
