#include "textio/savefile.h"

#include "textio/filediagnosis.h"
#include "textio/fileexception.h"

#include <QSaveFile>

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

void writeAndCommit(QSaveFile &file, const QByteArray &bytes)
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

} // namespace SaveFile
