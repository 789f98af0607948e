#include "stdiofile.h"

#include "filediagnosis.h"
#include "fileexception.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace {

// UTF-8 to text, keeping a byte-order mark inside the text: only those at the start of the file
// are marks, and the caller has dropped them already.
QString DecodeUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless
                                                     | QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

const QByteArray Utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

// Where the text of a UTF-8 file starts: after every byte-order mark at its start. An editor
// that adds a mark to a file that has one already leaves two, and both are marks.
qsizetype TextStart(const QByteArray &bytes)
{
    qsizetype start = 0;
    while (bytes.mid(start, Utf8Bom.size()) == Utf8Bom)
        start += Utf8Bom.size();
    return start;
}

} // namespace

CStdioFile::CStdioFile(const QString &path) : m_strPath(path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        const FileDiagnosis::Result why = FileDiagnosis::ForReading(path);
        throw CFileException(why.cause, path, why.osError);
    }
    Load(file);
}

CStdioFile::CStdioFile(QIODevice &device, const QString &fileName) : m_strPath(fileName)
{
    if (!device.isOpen() && !device.open(QIODevice::ReadOnly))
        throw CFileException(CFileException::genericException, fileName);
    Load(device);
}

CStdioFile CStdioFile::FromBytes(const QByteArray &bytes, const QString &fileName)
{
    CStdioFile file;
    file.m_strPath = fileName;
    file.Take(bytes);
    return file;
}

void CStdioFile::Load(QIODevice &device)
{
    if (!device.isReadable())
        throw CFileException(CFileException::accessDenied, m_strPath);
    // Read in pieces, and one byte more than allowed at most, which tells a file at the limit
    // from one beyond it: a device without end (/dev/zero) costs no more than a large file.
    QByteArray bytes;
    if (!device.isSequential())
        bytes.reserve(qsizetype(std::min(device.size(), MaxSize) + 1));
    while (bytes.size() <= MaxSize) {
        const QByteArray piece = device.read(std::min<qint64>(MaxSize + 1 - bytes.size(), 1 << 20));
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    const auto *fileDevice = qobject_cast<const QFileDevice *>(&device);
    if (fileDevice && fileDevice->error() != QFileDevice::NoError)
        throw CFileException(CFileException::genericException, m_strPath);
    if (bytes.size() > MaxSize)
        throw CFileException(CFileException::tooLarge, m_strPath);
    Take(bytes);
}

void CStdioFile::Take(QByteArray bytes)
{
    const qsizetype eof = bytes.indexOf('\x1A');
    if (eof >= 0)
        bytes.truncate(eof);
    bool multiByte = false;
    m_utf8 = IsValidUtf8(bytes, &multiByte) && multiByte;
    m_pos = m_utf8 ? TextStart(bytes) : 0;
    m_bytes = std::move(bytes);
}

bool CStdioFile::ReadString(QString &line)
{
    line.clear();
    const qsizetype size = m_bytes.size();
    if (m_pos >= size)
        return false;
    const qsizetype lf = m_bytes.indexOf('\n', m_pos);
    qsizetype end = lf < 0 ? size : lf;
    const qsizetype next = lf < 0 ? size : lf + 1;
    if (lf >= 0 && end > m_pos && m_bytes.at(end - 1) == '\r')
        --end; // CR LF; a CR anywhere else stays in the line
    // CR and LF never occur inside a UTF-8 sequence, so each line decodes on its own.
    const char *start = m_bytes.constData() + m_pos;
    line = m_utf8 ? DecodeUtf8(QByteArrayView(start, end - m_pos))
                  : QString::fromLatin1(start, end - m_pos);
    m_pos = next;
    if (m_pos >= size) {
        // The last line has been handed out: the bytes are no longer needed.
        m_bytes.clear();
        m_pos = 0;
    }
    return true;
}

void CStdioFile::Close()
{
    m_bytes.clear();
    m_pos = 0;
}

QString CStdioFile::Decode(QByteArray bytes)
{
    const qsizetype eof = bytes.indexOf('\x1A');
    if (eof >= 0)
        bytes.truncate(eof);
    bool multiByte = false;
    if (IsValidUtf8(bytes, &multiByte) && multiByte) {
        const qsizetype start = TextStart(bytes);
        return DecodeUtf8(QByteArrayView(bytes.constData() + start, bytes.size() - start));
    }
    return QString::fromLatin1(bytes);
}

bool CStdioFile::IsValidUtf8(const QByteArray &bytes, bool *multiByte)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype size = bytes.size();
    bool anyMulti = false;
    qsizetype i = 0;
    while (i < size) {
        const unsigned char lead = p[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        int length;
        unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0)
                low = 0xA0; // no overlong forms
            else if (lead == 0xED)
                high = 0x9F; // no surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0)
                low = 0x90; // no overlong forms
            else if (lead == 0xF4)
                high = 0x8F; // nothing beyond U+10FFFF
        } else {
            return false;
        }
        if (size - i < length)
            return false;
        if (p[i + 1] < low || p[i + 1] > high)
            return false;
        for (int k = 2; k < length; ++k) {
            if (p[i + k] < 0x80 || p[i + k] > 0xBF)
                return false;
        }
        anyMulti = true;
        i += length;
    }
    if (multiByte)
        *multiByte = anyMulti;
    return true;
}
