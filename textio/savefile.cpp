#include "textio/savefile.h"

#include "textio/descriptor.h"
#include "textio/filediagnosis.h"
#include "textio/fileexception.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace SaveFile {

std::unique_ptr<QSaveFile> open(const QString &path)
{
    const FileDiagnosis::Result name = FileDiagnosis::checkName(path);
    if (name.cause != FileException::none)
        throw FileException(name.cause, path, name.osError);
    auto file = std::make_unique<QSaveFile>(path);
    if (!path.isEmpty() && file->open(QIODevice::WriteOnly))
        return file;
    file.reset();
    const FileDiagnosis::Result why = FileDiagnosis::forWriting(path);
    throw FileException(why.cause, path, why.osError);
}

bool write(QSaveFile &file, const QByteArray &bytes)
{
    if (!file.isOpen() || file.error() != QFileDevice::NoError)
        return false;
    // write() may take a large block in several goes; each count is checked.
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

void commit(QSaveFile &file)
{
    const QString path = file.fileName();
    bool ok = file.isOpen() && file.error() == QFileDevice::NoError;
    ok = ok && file.flush() && file.error() == QFileDevice::NoError;
    // The size the system holds for the temporary file must be all that was written.
    ok = ok && file.size() == file.pos();

    if (!ok) {
        // Discards the temporary file: commit() then removes it and returns false.
        file.cancelWriting();
        file.commit();
        throw FileException(FileException::diskFull, path);
    }
    if (!file.commit()) {
        // The data reached the disk, but closing failed (the data did not fit after all) or the
        // rename over the target was refused (the folder or the target changed meanwhile).
        if (file.error() != QFileDevice::RenameError)
            throw FileException(FileException::diskFull, path);
        FileDiagnosis::Result why = FileDiagnosis::forWriting(path);
        if (why.cause == FileException::genericException)
            why.cause = FileException::accessDenied;
        throw FileException(why.cause, path, why.osError);
    }
}

void writeAndCommit(QSaveFile &file, const QByteArray &bytes)
{
    if (!write(file, bytes))
        file.cancelWriting();
    commit(file);
}

bool save(const QString &path, const QByteArray &bytes, QString *error)
{
    try {
        const std::unique_ptr<QSaveFile> file = open(path);
        writeAndCommit(*file, bytes);
        return true;
    } catch (const FileException &exception) {
        if (error)
            *error = exception.message();
    }
    return false;
}

#ifdef Q_OS_UNIX

bool saveAs(const QByteArray &path, const Saver &save)
{
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray folderName = slash < 0 ? QByteArray() : slash == 0 ? QByteArray("/") : path.left(slash);
    const QByteArray base = path.mid(slash + 1);
    const Descriptor folder(
        ::open(folderName.isEmpty() ? "." : folderName.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.fd() < 0)
        return save(QFile::decodeName(path)); // which then says why the folder cannot be reached
    // The whole file is saved under a name of this process's own first, so that the rename to
    // path is the one step that replaces the earlier file.
    const QByteArray temporary = ".zantoria-save-" + QByteArray::number(::getpid());
    if (!save(folder.path() + QLatin1Char('/') + QFile::decodeName(temporary)))
        return false;
    if (::renameat(folder.fd(), temporary.constData(), folder.fd(), base.constData()) == 0)
        return true;
    const int error = errno;
    ::unlinkat(folder.fd(), temporary.constData(), 0);
    FileException::throwErrno(error, QString());
}

#else

bool saveAs(const QByteArray &path, const Saver &save)
{
    return save(QFile::decodeName(path));
}

#endif

} // namespace SaveFile
