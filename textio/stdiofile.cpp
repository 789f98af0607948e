#include "textio/stdiofile.h"

#include "textio/filediagnosis.h"
#include "textio/fileexception.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>

#include <unistd.h>

namespace {

// Latin-1 into line, in the room it already has where no one shares it: a deal file is read
// line by line into one string.
void assignLatin1(QString &line, QByteArrayView bytes)
{
    line.resize(bytes.size());
    char16_t *text = reinterpret_cast<char16_t *>(line.data());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = char16_t(uchar(bytes[i]));
}

// UTF-8 to text, keeping a byte-order mark inside the text: only those at the start of the file
// are marks, and the caller has dropped them already.
QString decodeUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless
                                                     | QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

const QByteArray Utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

// Where the text of a UTF-8 file starts: after every byte-order mark at its start. An editor
// that adds a mark to a file that has one already leaves two, and both are marks.
qsizetype textStart(const QByteArray &bytes)
{
    qsizetype start = 0;
    while (bytes.mid(start, Utf8Bom.size()) == Utf8Bom)
        start += Utf8Bom.size();
    return start;
}

} // namespace

StdioFile::StdioFile(const QString &path) : m_path(path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        const FileDiagnosis::Result why = FileDiagnosis::forReading(path);
        throw FileException(why.cause, path, why.osError);
    }
    *this = fromDescriptor(file.handle(), file.size(), path);
}

StdioFile StdioFile::fromDescriptor(int fd, qint64 size, const QString &fileName)
{
    // One byte more than the size, so that the read that fills it tells a file that grew.
    QByteArray bytes(qsizetype(std::clamp<qint64>(size, 0, MaxSize) + 1), Qt::Uninitialized);
    // A file that still has its size once that much is read, with the byte past it unfilled, is
    // at its end: a screened market would otherwise pay a call more a file to be told so.
    const qsizetype whole = size > 0 && size <= MaxSize ? qsizetype(size) : -1;
    qsizetype filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (filled > MaxSize)
                throw FileException(FileException::tooLarge, fileName);
            bytes.resize(std::min<qsizetype>(MaxSize + 1, 2 * filled));
        }
        const ssize_t read = ::read(fd, bytes.data() + filled, std::size_t(bytes.size() - filled));
        if (read < 0 && errno == EINTR)
            continue;
        if (read < 0)
            throw FileException(FileException::genericException, fileName);
        if (read == 0)
            break;
        filled += read;
        if (filled == whole && filled < bytes.size())
            break;
    }
    bytes.truncate(filled);
    StdioFile file;
    file.m_path = fileName;
    file.take(std::move(bytes));
    return file;
}

StdioFile StdioFile::fromBytes(const QByteArray &bytes, const QString &fileName)
{
    StdioFile file;
    file.m_path = fileName;
    file.take(bytes);
    return file;
}

void StdioFile::take(QByteArray bytes)
{
    const qsizetype eof = bytes.indexOf('\x1A');
    if (eof >= 0)
        bytes.truncate(eof);
    bool multiByte = false;
    m_utf8 = isValidUtf8(bytes, &multiByte) && multiByte;
    m_pos = m_utf8 ? textStart(bytes) : 0;
    m_bytes = std::move(bytes);
}

bool StdioFile::readString(QString &line)
{
    const qsizetype size = m_bytes.size();
    if (m_pos >= size) {
        line.clear();
        return false;
    }
    // A line ends at LF, CR LF or a lone CR (a file saved by an old Mac editor): one line end of
    // any of them, never two.
    const char *bytes = m_bytes.constData();
    qsizetype end = m_pos;
    while (end < size && bytes[end] != '\n' && bytes[end] != '\r')
        ++end;
    qsizetype next = end < size ? end + 1 : size;
    if (end < size && bytes[end] == '\r' && next < size && bytes[next] == '\n')
        ++next;
    // CR and LF never occur inside a UTF-8 sequence, so each line decodes on its own.
    const char *start = m_bytes.constData() + m_pos;
    if (m_utf8)
        line = decodeUtf8(QByteArrayView(start, end - m_pos));
    else
        assignLatin1(line, QByteArrayView(start, end - m_pos));
    m_pos = next;
    if (m_pos >= size) {
        // The last line has been handed out: the bytes are no longer needed.
        m_bytes.clear();
        m_pos = 0;
    }
    return true;
}

void StdioFile::close()
{
    m_bytes.clear();
    m_pos = 0;
}

QString StdioFile::decode(QByteArray bytes)
{
    const qsizetype eof = bytes.indexOf('\x1A');
    if (eof >= 0)
        bytes.truncate(eof);
    bool multiByte = false;
    if (isValidUtf8(bytes, &multiByte) && multiByte) {
        const qsizetype start = textStart(bytes);
        return decodeUtf8(QByteArrayView(bytes.constData() + start, bytes.size() - start));
    }
    return QString::fromLatin1(bytes);
}

bool StdioFile::isValidUtf8(const QByteArray &bytes, bool *multiByte)
{
    // Plain ASCII, as most deal files are, is valid without being decoded.
    if (std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        if (multiByte)
            *multiByte = false;
        return true;
    }
    // Qt's decoder judges the bytes a piece at a time, so that a large file is not decoded whole
    // only to be judged. A piece ends before an ASCII byte, which no sequence spans.
    constexpr qsizetype Piece = 64 * 1024;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    bool anyMulti = false;
    for (qsizetype start = 0; start < bytes.size();) {
        qsizetype end = std::min(start + Piece, bytes.size());
        while (end < bytes.size() && static_cast<unsigned char>(bytes.at(end)) >= 0x80)
            ++end;
        const QByteArrayView piece(bytes.constData() + start, end - start);
        const QString text = decoder.decode(piece);
        if (decoder.hasError())
            return false;
        // Well-formed sequences of two to four bytes give one or two UTF-16 units.
        anyMulti = anyMulti || text.size() != piece.size();
        start = end;
    }
    if (multiByte)
        *multiByte = anyMulti;
    return true;
}
