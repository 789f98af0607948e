#include "textio/fileexception.h"

#include "textio/stdiofile.h"

#include <QCoreApplication>

#include <cerrno>
#include <iterator>

namespace {
// The texts of the causes, in the order of CFileException::Cause.
constexpr const char *CauseTexts[] = {
    QT_TRANSLATE_NOOP("CFileException", "No error occurred."),
    QT_TRANSLATE_NOOP("CFileException", "An unknown error occurred while accessing %1."),
    QT_TRANSLATE_NOOP("CFileException", "%1 was not found."),
    QT_TRANSLATE_NOOP("CFileException", "%1 contains an incorrect path."),
    QT_TRANSLATE_NOOP("CFileException",
                      "Could not open %1 because there are too many open files."),
    QT_TRANSLATE_NOOP("CFileException", "Access to %1 was denied."),
    QT_TRANSLATE_NOOP("CFileException", "An incorrect file handle was associated with %1."),
    QT_TRANSLATE_NOOP("CFileException",
                      "Could not remove %1 because it is the current directory."),
    QT_TRANSLATE_NOOP("CFileException", "Could not create %1 because the directory is full."),
    QT_TRANSLATE_NOOP("CFileException", "Seek failed on %1"),
    QT_TRANSLATE_NOOP("CFileException", "Encountered a hardware I/O error while accessing %1."),
    QT_TRANSLATE_NOOP("CFileException", "Encountered a sharing violation while accessing %1."),
    QT_TRANSLATE_NOOP("CFileException", "Encountered a locking violation while accessing %1."),
    QT_TRANSLATE_NOOP("CFileException", "Disk full while accessing %1."),
    QT_TRANSLATE_NOOP("CFileException", "Attempted to access %1 past its end."),
    QT_TRANSLATE_NOOP("CFileException",
                      "%1 is too large to be read: a deal file holds at most %2 MiB."),
};
static_assert(std::size(CauseTexts) == CFileException::tooLarge + 1,
              "one text for every cause");
static_assert(CStdioFile::MaxSize % (qint64(1) << 20) == 0, "the limit is told in whole MiB");
} // namespace

CFileException::CFileException(Cause cause, QString fileName, int osError)
    : m_cause(cause), m_fileName(std::move(fileName)), m_osError(osError),
      m_what(Message().toStdString())
{
}

QString CFileException::CauseText(Cause cause)
{
    const int index = (cause >= none && cause <= tooLarge) ? cause : genericException;
    QString text = QCoreApplication::translate("CFileException", CauseTexts[index]);
    if (index == tooLarge)
        text.replace(QLatin1String("%2"), QString::number(CStdioFile::MaxSize >> 20));
    return text;
}

QString CFileException::Message() const
{
    // One pass from the left: a path that holds "%1" itself is not replaced again.
    return CauseText(m_cause).replace(QLatin1String("%1"), m_fileName);
}

const char *CFileException::what() const noexcept
{
    return m_what.c_str();
}

CFileException::Cause CFileException::CauseFromErrno(int error)
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
        return badSeek;
    case EIO:
    case ENXIO:
    case ENODEV:
        return hardIO;
    case EBUSY:
#ifdef ETXTBSY
    case ETXTBSY:
#endif
        return sharingViolation;
    case EDEADLK:
#ifdef ENOLCK
    case ENOLCK:
#endif
        return lockViolation;
    default:
        return genericException;
    }
}

void CFileException::ThrowErrno(int error, const QString &fileName)
{
    throw CFileException(CauseFromErrno(error), fileName, error);
}
