#pragma once

#include <QString>

#include <memory>

class QSaveFile;

// Writes generated text into a new file, piece by piece.
//
// The file is opened (created in its folder) at construction and replaces any earlier file of
// that name only at Close, atomically: an object destroyed without Close, or a failing Close,
// leaves the earlier file as it was. Every "\n" of the text becomes CR LF; nothing else is added
// or dropped. Pieces have no length limit. Failures throw FileException: opening at
// construction (with the diagnosed cause), writing at Close (diskFull).
class TextFile
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

    TextFile(const QString &path, Encoding encoding);
    ~TextFile();
    TextFile(const TextFile &) = delete;
    TextFile &operator=(const TextFile &) = delete;

    // Appends text as it is. Throws FileException (invalidFile) once the file is closed.
    void write(const QString &text);
    // As write, then a line end.
    void writeLine(const QString &text);

    // Writes everything and replaces the file of that name. Throws FileException when the text
    // cannot be written whole; the earlier file then stays. A second Close does nothing.
    void close();

    [[nodiscard]] QString getFilePath() const { return m_path; }
    [[nodiscard]] bool isOpen() const { return m_file != nullptr; }

    // The bytes that Close writes for text: line ends CR LF, encoded as stated.
    [[nodiscard]] static QByteArray encode(const QString &text, Encoding encoding);

private:
    QString m_path;
    Encoding m_encoding;
    std::unique_ptr<QSaveFile> m_file;
    QString m_text;
};

// True for the control characters U+0000 to U+001F and U+007F, which no file of the program
// keeps inside a text: a line end would split the line, U+001A ends a deal file.
[[nodiscard]] constexpr bool isControlCharacter(char16_t c)
{
    return c < 0x20 || c == 0x7F;
}

// The text with every control character written as a space.
[[nodiscard]] QString withoutControlCharacters(QString text);
