#include "textio/fileexception.h"

#include "textio/stdiofile.h"

#include <QCoreApplication>

#include <cerrno>
#include <iterator>

namespace {
// The texts of the causes, in the order of FileException::Cause.
constexpr const char *CauseTexts[] = {
    QT_TRANSLATE_NOOP("FileException", "No error occurred."),
    QT_TRANSLATE_NOOP("FileException", "An unknown error occurred while accessing %1."),
    QT_TRANSLATE_NOOP("FileException", "%1 was not found."),
    QT_TRANSLATE_NOOP("FileException", "%1 contains an incorrect path."),
    QT_TRANSLATE_NOOP("FileException",
                      "Could not open %1 because there are too many open files."),
    QT_TRANSLATE_NOOP("FileException", "Access to %1 was denied."),
    QT_TRANSLATE_NOOP("FileException", "An incorrect file handle was associated with %1."),
    QT_TRANSLATE_NOOP("FileException", "Seek failed on %1"),
    QT_TRANSLATE_NOOP("FileException", "Encountered a hardware I/O error while accessing %1."),
    QT_TRANSLATE_NOOP("FileException", "Encountered a sharing violation while accessing %1."),
    QT_TRANSLATE_NOOP("FileException", "Encountered a locking violation while accessing %1."),
    QT_TRANSLATE_NOOP("FileException", "Disk full while accessing %1."),
    QT_TRANSLATE_NOOP("FileException", "%1 is too large to be read: at most %2 MiB are read."),
};
static_assert(std::size(CauseTexts) == FileException::tooLarge + 1,
              "one text for every cause");
static_assert(StdioFile::MaxSize % (qint64(1) << 20) == 0, "the limit is told in whole MiB");
} // namespace

FileException::FileException(Cause cause, QString fileName, int osError)
    : m_cause(cause), m_fileName(std::move(fileName)), m_osError(osError),
      m_what(message().toStdString())
{
}

QString FileException::causeText(Cause cause)
{
    const int index = (cause >= none && cause <= tooLarge) ? cause : genericException;
    QString text = QCoreApplication::translate("FileException", CauseTexts[index]);
    if (index == tooLarge)
        text.replace(QLatin1String("%2"), QString::number(StdioFile::MaxSize >> 20));
    return text;
}

QString FileException::message() const
{
    // One pass from the left: a path that holds "%1" itself is not replaced again.
    return causeText(m_cause).replace(QLatin1String("%1"), m_fileName);
}

const char *FileException::what() const noexcept
{
    return m_what.c_str();
}

FileException::Cause FileException::causeFromErrno(int error)
{
    switch (error) {
    case 0:
        return none;
    case ENOENT:
        return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
    case EXDEV:
#ifdef ELOOP
    case ELOOP:
#endif
        return badPath;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
    case EEXIST:
        return accessDenied;
    case EMFILE:
    case ENFILE:
        return tooManyOpenFiles;
    case ENOSPC:
    case EFBIG:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return diskFull;
    case EBADF:
        return invalidFile;
    case ESPIPE:
        return notSeekable;
    case EIO:
    case ENXIO:
    case ENODEV:
        return hardIO;
    case EBUSY:
#ifdef ETXTBSY
    case ETXTBSY:
#endif
        return busy;
    case EDEADLK:
#ifdef ENOLCK
    case ENOLCK:
#endif
        return lockFailed;
    default:
        return genericException;
    }
}

void FileException::throwErrno(int error, const QString &fileName)
{
    throw FileException(causeFromErrno(error), fileName, error);
}
