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

Result FromErrno(int error)
{
    return {CFileException::CauseFromErrno(error), error};
}

// In a path that is being created, a missing component means the folder is wrong.
Result FromErrnoForCreation(int error)
{
    if (error == ENOENT)
        return {CFileException::badPath, error};
    return FromErrno(error);
}

} // namespace

#ifdef Q_OS_UNIX

Result ForWriting(const QString &path)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return {CFileException::badPath, -1};
    const QByteArray native = QFile::encodeName(path);

    struct stat st {};
    if (::stat(native.constData(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return {CFileException::accessDenied, EISDIR};
        if (::access(native.constData(), W_OK) != 0)
            return FromErrno(errno);
    } else if (errno != ENOENT) {
        return FromErrnoForCreation(errno);
    }

    const QFileInfo info(path);
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    if (::stat(folder.constData(), &st) != 0)
        return FromErrnoForCreation(errno);
    if (!S_ISDIR(st.st_mode))
        return {CFileException::badPath, ENOTDIR};
    if (::access(folder.constData(), W_OK | X_OK) != 0)
        return FromErrno(errno);

    // Everything looks right: try what QSaveFile does, a new file in that folder, and take the
    // system's own answer (too many open files, no room for another inode...).
    QByteArray probe = folder + "/.zantoria-probe-XXXXXX";
    const int fd = ::mkstemp(probe.data());
    if (fd < 0)
        return FromErrnoForCreation(errno);
    ::close(fd);
    ::unlink(probe.constData());
    return {CFileException::genericException, -1};
}

Result CheckName(const QString &path)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return {CFileException::badPath, -1};
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0
        && (errno == ENAMETOOLONG || errno == ENOTDIR || errno == ELOOP)) {
        return {CFileException::badPath, errno};
    }
    return {CFileException::none, 0};
}

Result ForReading(const QString &path)
{
    if (path.isEmpty())
        return {CFileException::fileNotFound, ENOENT};
    if (path.contains(QChar(0)))
        return {CFileException::badPath, -1};
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return FromErrno(errno);
    struct stat st {};
    const bool isDirectory = ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode);
    ::close(fd);
    if (isDirectory)
        return {CFileException::accessDenied, EISDIR};
    return {CFileException::genericException, -1};
}

#else // not Q_OS_UNIX: what QFileInfo can tell

Result ForWriting(const QString &path)
{
    if (path.isEmpty())
        return {CFileException::badPath, -1};
    const QFileInfo info(path);
    if (info.isDir())
        return {CFileException::accessDenied, -1};
    if (info.exists() && !info.isWritable())
        return {CFileException::accessDenied, -1};
    const QFileInfo folder(info.absolutePath());
    if (!folder.exists() || !folder.isDir())
        return {CFileException::badPath, -1};
    if (!folder.isWritable())
        return {CFileException::accessDenied, -1};
    return {CFileException::genericException, -1};
}

Result CheckName(const QString &path)
{
    if (path.isEmpty())
        return {CFileException::badPath, -1};
    return {CFileException::none, 0};
}

Result ForReading(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return {CFileException::fileNotFound, -1};
    if (info.isDir() || !info.isReadable())
        return {CFileException::accessDenied, -1};
    return {CFileException::genericException, -1};
}

#endif

} // namespace FileDiagnosis
