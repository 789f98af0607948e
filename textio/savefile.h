#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

class QSaveFile;

// The one way the program replaces a file: a QSaveFile (temporary file in the same folder,
// renamed over the target on success), opened, written and committed through these helpers.
//
// QSaveFile alone cannot be trusted on a full disk (QTBUG-75077): write() may report the full
// count and commit() succeed with a truncated file. So every count, flush() and error() are
// checked, the size on disk is compared, and on any doubt the temporary file is discarded
// (cancelWriting() before commit()) and disk full is reported. The earlier file stays as it was.
//
// The profile is the one file written otherwise: QSettings writes and replaces it itself.
namespace SaveFile {

// Opens path for replacing. On Linux QSaveFile writes into an unnamed file (O_TMPFILE) that only
// gets a name at the rename, so a killed save leaves nothing; where the file system cannot, it
// may leave a "<name>.XXXXXX" that cannot be told from the user's own files and so stays.
// Throws FileException with the diagnosed cause on failure.
[[nodiscard]] std::unique_ptr<QSaveFile> open(const QString &path);

// Appends bytes whole to the file opened by open, for a file written piece by piece. False when
// they could not be written; commit() then reports disk full.
bool write(QSaveFile &file, const QByteArray &bytes);

// Commits what write() wrote. Throws FileException (diskFull, or the diagnosed cause when the
// rename over the target is refused) on failure; the target is then unchanged and the temporary
// file gone.
void commit(QSaveFile &file);

// write() and commit() at once.
void writeAndCommit(QSaveFile &file, const QByteArray &bytes);

// Replaces path with bytes. True when they are in place; false with the message in *error,
// the earlier file left as it was.
bool save(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// Saves to a path given as the system's own bytes, which need not read as text (a name in
// ISO 8859-1 on a UTF-8 system), so that Qt's file functions cannot reach it by name. save is
// handed a path that they can reach in the same folder, and saves the file there through open()
// and commit(), or returns false after saying why it could not; the file is then renamed to
// path. True when it is in place. Throws FileException, naming no file, when the rename fails;
// the saved file is then removed.
using Saver = std::function<bool(const QString &path)>;
[[nodiscard]] bool saveAs(const QByteArray &path, const Saver &save);

} // namespace SaveFile
