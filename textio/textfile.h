#pragma once

#include "textio/textformat.h"

#include <QString>

#include <memory>

class QSaveFile;

// Writes generated text into a new file, printf-style piece by piece.
//
// The file is opened (created in its folder) at construction and replaces any earlier file of
// that name only at Close, atomically: an object destroyed without Close, or a failing Close,
// leaves the earlier file as it was. Every "\n" of the text becomes CR LF; nothing else is added
// or dropped. Pieces have no length limit. Failures throw CFileException: opening at
// construction (with the diagnosed cause), writing at Close (diskFull).
class CTextFile
{
public:
    enum class Encoding {
        // UTF-8 without byte-order mark: the report, whose page declares utf-8.
        Utf8,
        // One byte per character (ISO 8859-1) when every character of the whole file is at most
        // U+00FF and those bytes do not read as UTF-8 themselves; otherwise the whole file as
        // UTF-8 without byte-order mark: the exchange file.
        Latin1UnlessWider
    };

    CTextFile(const QString &path, Encoding encoding);
    ~CTextFile();
    CTextFile(const CTextFile &) = delete;
    CTextFile &operator=(const CTextFile &) = delete;

    // Formats the arguments into format (see FormatText: "%s", "%d", "%%") and appends the result.
    template <typename... Args>
    void Write(const QString &format, const Args &...args)
    {
        Append(FormatText(format, {CFormatArg(args)...}));
    }
    // As Write, then a line end.
    template <typename... Args>
    void WriteLine(const QString &format, const Args &...args)
    {
        Append(FormatText(format, {CFormatArg(args)...}));
        Append(QStringLiteral("\n"));
    }

    // Writes everything and replaces the file of that name. Throws CFileException when the text
    // cannot be written whole; the earlier file then stays. A second Close does nothing.
    void Close();

    [[nodiscard]] QString GetFilePath() const { return m_path; }
    [[nodiscard]] bool IsOpen() const { return m_file != nullptr; }

    // The bytes that Close writes for text: line ends CR LF, encoded as stated.
    [[nodiscard]] static QByteArray Encode(const QString &text, Encoding encoding);

private:
    void Append(const QString &piece);

    QString m_path;
    Encoding m_encoding;
    std::unique_ptr<QSaveFile> m_file;
    QString m_text;
};
