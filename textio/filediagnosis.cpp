#include "textio/filediagnosis.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace FileDiagnosis {

namespace {

Result fromErrno(int error)
{
    return {FileException::causeFromErrno(error), error};
}

// In a path that is being created, a missing component means the folder is wrong.
Result fromErrnoForCreation(int error)
{
    if (error == ENOENT)
        return {FileException::badPath, error};
    return fromErrno(error);
}

} // namespace

#ifdef Q_OS_UNIX

Result forWriting(const QString &path)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return {FileException::badPath, -1};
    const QByteArray native = QFile::encodeName(path);

    struct stat st {};
    if (::stat(native.constData(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return {FileException::accessDenied, EISDIR};
        if (::access(native.constData(), W_OK) != 0)
            return fromErrno(errno);
    } else if (errno != ENOENT) {
        return fromErrnoForCreation(errno);
    }

    const QFileInfo info(path);
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    if (::stat(folder.constData(), &st) != 0)
        return fromErrnoForCreation(errno);
    if (!S_ISDIR(st.st_mode))
        return {FileException::badPath, ENOTDIR};
    if (::access(folder.constData(), W_OK | X_OK) != 0)
        return fromErrno(errno);

    // Everything looks right: try what QSaveFile does, a new file in that folder, and take the
    // system's own answer (too many open files, no room for another inode...).
    QByteArray probe = folder + "/.zantoria-probe-XXXXXX";
    const int fd = ::mkstemp(probe.data());
    if (fd < 0)
        return fromErrnoForCreation(errno);
    ::close(fd);
    ::unlink(probe.constData());
    return {FileException::genericException, -1};
}

Result checkName(const QString &path)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return {FileException::badPath, -1};
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0
        && (errno == ENAMETOOLONG || errno == ENOTDIR || errno == ELOOP)) {
        return {FileException::badPath, errno};
    }
    return {FileException::none, 0};
}

Result forReading(const QString &path)
{
    if (path.isEmpty())
        return {FileException::fileNotFound, ENOENT};
    if (path.contains(QChar(0)))
        return {FileException::badPath, -1};
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return fromErrno(errno);
    struct stat st {};
    const bool isDirectory = ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode);
    ::close(fd);
    if (isDirectory)
        return {FileException::accessDenied, EISDIR};
    return {FileException::genericException, -1};
}

#else // not Q_OS_UNIX: what QFileInfo can tell

Result forWriting(const QString &path)
{
    if (path.isEmpty())
        return {FileException::badPath, -1};
    const QFileInfo info(path);
    if (info.isDir())
        return {FileException::accessDenied, -1};
    if (info.exists() && !info.isWritable())
        return {FileException::accessDenied, -1};
    const QFileInfo folder(info.absolutePath());
    if (!folder.exists() || !folder.isDir())
        return {FileException::badPath, -1};
    if (!folder.isWritable())
        return {FileException::accessDenied, -1};
    return {FileException::genericException, -1};
}

Result checkName(const QString &path)
{
    if (path.isEmpty())
        return {FileException::badPath, -1};
    return {FileException::none, 0};
}

Result forReading(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return {FileException::fileNotFound, -1};
    if (info.isDir() || !info.isReadable())
        return {FileException::accessDenied, -1};
    return {FileException::genericException, -1};
}

#endif

} // namespace FileDiagnosis
