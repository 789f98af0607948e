#include "textio/textfile.h"

#include "textio/fileexception.h"
#include "textio/savefile.h"
#include "textio/stdiofile.h"

#include <QSaveFile>

#include <algorithm>

TextFile::TextFile(const QString &path, Encoding encoding)
    : m_path(path), m_encoding(encoding), m_file(SaveFile::open(path))
{
}

// QSaveFile's destructor discards the temporary file when it was not committed.
TextFile::~TextFile() = default;

void TextFile::write(const QString &text)
{
    if (!m_file)
        throw FileException(FileException::invalidFile, m_path);
    m_text.append(text);
}

void TextFile::writeLine(const QString &text)
{
    write(text);
    m_text.append(QLatin1Char('\n'));
}

void TextFile::close()
{
    if (!m_file)
        return;
    // Whatever happens, the object is closed afterwards; a failed file is discarded.
    const std::unique_ptr<QSaveFile> file = std::move(m_file);
    const QByteArray bytes = encode(m_text, m_encoding);
    m_text.clear();
    SaveFile::writeAndCommit(*file, bytes);
}

QByteArray TextFile::encode(const QString &text, Encoding encoding)
{
    QString withLineEnds = text;
    withLineEnds.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    if (encoding == Encoding::Latin1UnlessWider
        && std::all_of(withLineEnds.cbegin(), withLineEnds.cend(),
                       [](QChar c) { return c.unicode() <= 0xFF; })) {
        // A one-byte form that is itself valid UTF-8 ("Ã©") would be read back as UTF-8 ("é"):
        // such a text is written as UTF-8, which reads back as it is.
        QByteArray latin1 = withLineEnds.toLatin1();
        bool multiByte = false;
        if (!StdioFile::isValidUtf8(latin1, &multiByte) || !multiByte)
            return latin1;
    }
    return withLineEnds.toUtf8();
}

QString withoutControlCharacters(QString text)
{
    for (QChar &c : text) {
        if (isControlCharacter(c.unicode()))
            c = QLatin1Char(' ');
    }
    return text;
}
