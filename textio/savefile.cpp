#include "textio/savefile.h"

#include "textio/filediagnosis.h"
#include "textio/fileexception.h"

#include <QSaveFile>

namespace SaveFile {

std::unique_ptr<QSaveFile> Open(const QString &path)
{
    const FileDiagnosis::Result name = FileDiagnosis::CheckName(path);
    if (name.cause != CFileException::none)
        throw CFileException(name.cause, path, name.osError);
    auto file = std::make_unique<QSaveFile>(path);
    if (!path.isEmpty() && file->open(QIODevice::WriteOnly))
        return file;
    file.reset();
    const FileDiagnosis::Result why = FileDiagnosis::ForWriting(path);
    throw CFileException(why.cause, path, why.osError);
}

void WriteAndCommit(QSaveFile &file, const QByteArray &bytes)
{
    const QString path = file.fileName();
    bool ok = file.isOpen() && file.error() == QFileDevice::NoError;

    // write() may take a large block in several goes; each count is checked.
    qint64 done = 0;
    while (ok && done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            ok = false;
        else
            done += written;
    }
    ok = ok && file.flush() && file.error() == QFileDevice::NoError;
    // The size the system holds for the temporary file must be all that was written.
    ok = ok && file.size() == bytes.size();

    if (!ok) {
        // Discards the temporary file: commit() then removes it and returns false.
        file.cancelWriting();
        file.commit();
        throw CFileException(CFileException::diskFull, path);
    }
    if (!file.commit()) {
        // The data reached the disk, but closing failed (the data did not fit after all) or the
        // rename over the target was refused (the folder or the target changed meanwhile).
        if (file.error() != QFileDevice::RenameError)
            throw CFileException(CFileException::diskFull, path);
        FileDiagnosis::Result why = FileDiagnosis::ForWriting(path);
        if (why.cause == CFileException::genericException)
            why.cause = CFileException::accessDenied;
        throw CFileException(why.cause, path, why.osError);
    }
}

} // namespace SaveFile
