#pragma once

#include <QByteArray>
#include <QString>

class StdioFile;

#include <functional>
#include <optional>

// A file named on the command line. Its bytes are the file system's own and reach the file as
// they are, also when they are no UTF-8 ("caf\xe9.zant"); the texts are for Qt and for messages.
struct FileName
{
    QByteArray bytes;
    QString text;  // the bytes read as text, for Qt's file functions where isText()
    QString shown; // for messages: visible(bytes)

    [[nodiscard]] static FileName fromArgument(const QByteArray &argument);
    // "-" stands for standard output.
    [[nodiscard]] bool isStandardOutput() const { return bytes == "-"; }
    // True when the bytes read as text give the same bytes back: Qt's own file functions reach it.
    [[nodiscard]] bool isText() const;
};

namespace CommandFiles {

// A name as a message on a terminal shows it, never acting on the terminal: a byte that is no
// UTF-8 and a control character (U+0000 to U+001F, U+007F) as \xHH, the other invisible
// characters that move or hide text (U+0080 to U+009F, the marks of writing direction, the line
// and paragraph separators) as \uHHHH, and the backslash itself as \\; the rest as it is.
[[nodiscard]] QString visible(const QByteArray &name);


// The report beside the deal file: its name with the last extension replaced by ".htm".
[[nodiscard]] FileName reportBeside(const FileName &deal);

// The report of each deal file, beside it: each its own file. The first of the deal files whose
// reports would be the same file, or one of the deal files themselves, keeps ReportBeside; the
// later ones keep their whole name and add ".htm" ("deal.v2" gives "deal.v2.htm"). Returns why
// the run cannot be made when two would still write the same file, or a deal file is named
// twice; reports are then empty.
[[nodiscard]] std::optional<QString> reportsBeside(const QList<FileName> &deals, QList<FileName> &reports);

// Why the report may not be written to output: it is a folder, something else than a regular
// file (a FIFO, a device), or the deal file itself under any name; nothing when it may.
[[nodiscard]] std::optional<QString> outputProblem(const FileName &output, const FileName &input);

// Reads input from the very file checked, however its name's bytes read, and hands its text to
// read. Throws FileException like the import. Returns why input is no deal file: a folder, or
// not a regular file (a FIFO would wait for a writer for ever, a device reads as an empty or an
// endless deal); nothing when it was read.
using Reader = std::function<void(StdioFile &file)>;
[[nodiscard]] std::optional<QString> readInput(const FileName &input, const Reader &read);

// Lets write save the output through SaveFile at a path Qt can reach: the output's own name, or,
// when its bytes do not read as text, one in its folder that SaveFile::saveAs then gives the
// output's name; for "-" the file is copied to standard output. write returns false after it has
// said why it failed. True when the output is in place.
using Writer = std::function<bool(const QString &path)>;
[[nodiscard]] bool writeOutput(const FileName &output, const Writer &write);

// Writes bytes whole to standard output at once; says why when it cannot (a full disk, a closed
// output).
[[nodiscard]] bool writeStandardOutput(const QByteArray &bytes);

} // namespace CommandFiles
