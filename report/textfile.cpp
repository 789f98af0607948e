#include "textfile.h"

#include "fileexception.h"
#include "savefile.h"

#include <QSaveFile>

#include <algorithm>

CTextFile::CTextFile(const QString &path, Encoding encoding)
    : m_strPath(path), m_encoding(encoding), m_file(SaveFile::Open(path))
{
}

// QSaveFile's destructor discards the temporary file when it was not committed.
CTextFile::~CTextFile() = default;

void CTextFile::Append(const QString &piece)
{
    if (!m_file)
        throw CFileException(CFileException::invalidFile, m_strPath);
    m_text.append(piece);
}

void CTextFile::Close()
{
    if (!m_file)
        return;
    // Whatever happens, the object is closed afterwards; a failed file is discarded.
    const std::unique_ptr<QSaveFile> file = std::move(m_file);
    const QByteArray bytes = Encode(m_text, m_encoding);
    m_text.clear();
    SaveFile::WriteAndCommit(*file, bytes);
}

QByteArray CTextFile::Encode(const QString &text, Encoding encoding)
{
    QString withLineEnds = text;
    withLineEnds.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    if (encoding == Encoding::Latin1UnlessWider
        && std::all_of(withLineEnds.cbegin(), withLineEnds.cend(),
                       [](QChar c) { return c.unicode() <= 0xFF; })) {
        return withLineEnds.toLatin1();
    }
    return withLineEnds.toUtf8();
}
