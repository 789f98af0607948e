#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QSaveFile;

// The one way the program replaces a file: a QSaveFile (temporary file in the same folder,
// renamed over the target on success), opened and committed through these two helpers.
//
// QSaveFile alone cannot be trusted on a full disk (QTBUG-75077): write() may report the full
// count and commit() succeed with a truncated file. So every count, flush() and error() are
// checked, the size on disk is compared, and on any doubt the temporary file is discarded
// (cancelWriting() before commit()) and disk full is reported. The earlier file stays as it was.
namespace SaveFile {

// Opens path for replacing. On Linux QSaveFile writes into an unnamed file (O_TMPFILE) that only
// gets a name at the rename, so a killed save leaves nothing; where the file system cannot, it
// may leave a "<name>.XXXXXX" that cannot be told from the user's own files and so stays.
// Throws FileException with the diagnosed cause on failure.
[[nodiscard]] std::unique_ptr<QSaveFile> open(const QString &path);

// Writes bytes whole to the file opened by Open and commits it. Throws FileException
// (diskFull, or accessDenied when the rename over the target is refused) on failure; the target
// is then unchanged and the temporary file gone.
void writeAndCommit(QSaveFile &file, const QByteArray &bytes);

} // namespace SaveFile
