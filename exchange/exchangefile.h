#pragma once

#include "textio/fileexception.h"

#include <QString>

#include <optional>
#include <vector>

class StdioFile;
struct DealRecord;
struct ReadNotice;

// A data error of an imported file: what is wrong and on which line (the first line is 1).
struct ImportError
{
    enum Kind { UnrecognizedSyntax, MissingLabel, UnrecognizedLabel, UnrecognizedLocale, UnrecognizedCurrency };

    Kind kind;
    int line;

    // The message shown to the user, quoting the file's full path.
    [[nodiscard]] QString message(const QString &path) const;
};

// The deal file: ";" comment lines, then one "Label = value" line per field, loans numbered 1 to 5.
// The comment line "; Locale: LC_MONETARY=en_US LC_NUMERIC=en_US" names the locales its figures
// were written in; they are read in those, or, in a file without the line, in the reader's own.
// The next, "; Currency: USD", names the deal's currency; without it the deal is in that of the
// money locale the figures are read in. Importing a field gives the deal the file's currency.
// Control characters in texts are written as spaces. A file that cannot be read or written is
// told as a message in *error, as is the first faulty line of a file read.
namespace ExchangeFile {
inline const QString DefaultExtension = QStringLiteral("zant");

// Writes every field but the loan on screen; replaces an existing file only once all is written.
// True when it was written; false with the message in *error, the earlier file left as it was.
bool write(const DealRecord &record, const QString &path, QString *error = nullptr);

// Reads entries into the record until the end or the first data error. Fields set before that
// line keep their new values. Each figure is taken as its field shows it. A figure its field
// cannot show, or a text longer than MaxTextLength, is not read: the field keeps what it held,
// and notices, when given, gets what the user has to be told; the rest of the file is read as
// usual. True when the whole file was read. False with the message, quoting path, in *error when
// the file cannot be read (nothing was read) or at a faulty line; *faultyLine, when given, tells
// which of the two it was.
bool read(DealRecord &record, const QString &path, QString *error,
          std::vector<ReadNotice> *notices = nullptr, bool *faultyLine = nullptr);
// The same for text already read: the first faulty line is returned.
std::optional<ImportError> read(DealRecord &record, StdioFile &file,
                                   std::vector<ReadNotice> *notices = nullptr);
// The message of a file error met reading a deal file, naming the file shownName: the text
// layer's own, but for a file too large, which is told as a deal file's limit.
[[nodiscard]] QString fileErrorMessage(const FileException &exception, const QString &shownName);
} // namespace ExchangeFile
