// The text-file line reader: any bytes are cut into lines that, with their line ends, give back
// exactly the decoded text up to the first 0x1A.

#include "fuzzsupport.h"
#include "textio/stdiofile.h"

#include <QStringDecoder>

#include <cstdint>

namespace {

void checkDecoding(const QByteArray &bytes, const QString &text)
{
    QByteArray prefix = bytes;
    const qsizetype eof = prefix.indexOf('\x1A');
    if (eof >= 0)
        prefix.truncate(eof);
    ZANT_FUZZ_CHECK(!text.contains(QChar(0x1A)), "0x1A survived decoding");

    bool multiByte = false;
    const bool valid = StdioFile::isValidUtf8(prefix, &multiByte);
    // Qt's own decoder must agree on which byte strings are well-formed UTF-8.
    QStringDecoder qtUtf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString qtText = qtUtf8(prefix);
    ZANT_FUZZ_CHECK(valid == !qtUtf8.hasError(), "IsValidUtf8 disagrees with Qt's decoder");

    if (valid && multiByte) {
        // Every byte-order mark at the start of the file is a mark, not text.
        QByteArray body = prefix;
        while (body.startsWith("\xEF\xBB\xBF"))
            body.remove(0, 3);
        ZANT_FUZZ_CHECK(text.toUtf8() == body, "UTF-8 text does not encode back to its bytes");
    } else {
        ZANT_FUZZ_CHECK(text.size() == prefix.size(), "one-byte text has another length");
        for (qsizetype i = 0; i < text.size(); ++i) {
            ZANT_FUZZ_CHECK(text.at(i).unicode() == static_cast<unsigned char>(prefix.at(i)),
                            "one-byte text differs from its bytes");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const QString text = StdioFile::decode(bytes);
    checkDecoding(bytes, text);

    StdioFile file = StdioFile::fromBytes(bytes, QStringLiteral("fuzz.zant"));
    qsizetype pos = 0;
    qsizetype lines = 0;
    QString line;
    while (file.readString(line)) {
        ++lines;
        ZANT_FUZZ_CHECK(!line.contains(QLatin1Char('\n')), "a line holds a line feed");
        ZANT_FUZZ_CHECK(!line.contains(QLatin1Char('\r')), "a line holds a carriage return");
        ZANT_FUZZ_CHECK(pos < text.size(), "a line after the end of the text");
        ZANT_FUZZ_CHECK(QStringView(text).mid(pos, line.size()) == line,
                        "a line is not the next piece of the text");
        pos += line.size();
        if (pos == text.size())
            continue; // the last line needs no line end
        // LF, CR LF or a lone CR: one line end each.
        if (text.at(pos) == QLatin1Char('\r') && pos + 1 < text.size()
            && text.at(pos + 1) == QLatin1Char('\n')) {
            pos += 2;
        } else {
            ZANT_FUZZ_CHECK(text.at(pos) == QLatin1Char('\n') || text.at(pos) == QLatin1Char('\r'),
                            "a line ends without a line end");
            pos += 1;
        }
    }
    ZANT_FUZZ_CHECK(line.isEmpty(), "ReadString gave text with false");
    ZANT_FUZZ_CHECK(pos == text.size(), "the lines do not account for the whole text");

    const qsizetype lineEnds = text.count(QLatin1Char('\n')) + text.count(QLatin1Char('\r'))
                               - text.count(QStringLiteral("\r\n"));
    const bool tail = !text.isEmpty() && !text.endsWith(QLatin1Char('\n')) && !text.endsWith(QLatin1Char('\r'));
    ZANT_FUZZ_CHECK(lines == lineEnds + (tail ? 1 : 0), "wrong number of lines");

    ZANT_FUZZ_CHECK(!file.readString(line) && line.isEmpty(), "reading went on after the end");
    file.close();
    ZANT_FUZZ_CHECK(!file.readString(line), "reading went on after Close");
    return 0;
}
