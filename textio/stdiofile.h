#pragma once

#include <QByteArray>
#include <QString>

// Reads a text file line by line; the reading side of the program's text files, used by the import.
//
// The whole file is read when it is opened; lines are then cut from its bytes and decoded one
// at a time, so a line has no length limit and no second copy of the file is made. Byte rules: a byte 0x1A ends the text; CR LF and a lone LF
// end a line and are not part of it; a lone CR stays in the line; the last line needs no line
// end. Decoding: UTF-8 when the bytes are valid UTF-8 and hold at least one
// multi-byte sequence (a leading byte-order mark is then dropped), otherwise one byte per
// character (ISO 8859-1).
class StdioFile
{
public:
    // A deal file takes under a kilobyte. Anything larger than this is refused (tooLarge)
    // unread, so that whatever file or device is opened, memory stays bounded.
    static constexpr qint64 MaxSize = qint64(16) << 20;

    // Opens path for reading. Throws FileException: fileNotFound, accessDenied (also for a
    // directory), badPath, tooManyOpenFiles..., tooLarge beyond MaxSize, and genericException
    // when reading fails.
    explicit StdioFile(const QString &path);
    // Reads a regular file open as fd, of about size bytes, to its end, up to MaxSize, in as few
    // system calls as its size allows (a market's thousands of files). fileName is the name
    // errors quote: tooLarge beyond MaxSize, genericException when reading fails.
    [[nodiscard]] static StdioFile fromDescriptor(int fd, qint64 size, const QString &fileName);
    // The text of bytes, as if read from a file called fileName.
    [[nodiscard]] static StdioFile fromBytes(const QByteArray &bytes,
                                              const QString &fileName = QString());

    // The next line, without its line end, and true; the empty text and false when nothing is
    // left.
    bool readString(QString &line);
    // Ends reading; ReadString then gives false.
    void close();

    [[nodiscard]] QString getFilePath() const { return m_path; }

    // The text that bytes stand for, by the rules above (0x1A, encoding), line ends untouched.
    [[nodiscard]] static QString decode(QByteArray bytes);
    // True when bytes are well-formed UTF-8 (no overlong forms, surrogates or values beyond
    // U+10FFFF); multiByte tells whether any sequence is longer than one byte.
    [[nodiscard]] static bool isValidUtf8(const QByteArray &bytes, bool *multiByte = nullptr);

private:
    StdioFile() = default;

    void take(QByteArray bytes);

    QString m_path;
    QByteArray m_bytes;
    bool m_utf8 = false;
    qsizetype m_pos = 0;
};
