// The deal-file import, on the same path as the Import command: any bytes, read into a record;
// whatever was read must export to a file that imports again without an error.

#include "core/dealfields.h"
#include "core/dealrecord.h"
#include "exchange/exchangefile.h"
#include "fuzzsupport.h"
#include "core/localeservices.h"
#include "platform/profilestore.h"
#include "textio/stdiofile.h"
#include "textio/textfile.h"

#include <QTemporaryDir>

#include <cstdint>

namespace {

QString exportPath()
{
    static QTemporaryDir folder;
    ZANT_FUZZ_CHECK(folder.isValid(), folder.errorString());
    return folder.filePath(QStringLiteral("round-trip.zant"));
}

// A text as the file gives it back: control characters as spaces, white space off the ends.
QString asReadBack(const QString &text)
{
    QString back = withoutControlCharacters(text);
    const auto blank = [](QChar c) { return c == QLatin1Char(' ') || c == QChar(0xA0); };
    while (!back.isEmpty() && blank(back.front()))
        back.remove(0, 1);
    while (!back.isEmpty() && blank(back.back()))
        back.chop(1);
    return back;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    LocaleServices::pinLocale(QStringLiteral("en_US"));
    const QByteArray bytes = fuzzBytes(data, size);

    DealRecord record = ProfileStore::firstRunRecord();
    StdioFile file = StdioFile::fromBytes(bytes, QStringLiteral("/deals/fuzz.zant"));
    if (const auto error = ExchangeFile::read(record, file)) {
        const QString text = StdioFile::decode(bytes);
        const qsizetype lines = text.count(QLatin1Char('\n')) + 1;
        ZANT_FUZZ_CHECK(error->line >= 1 && error->line <= lines, error->message(file.getFilePath()));
        ZANT_FUZZ_CHECK(!error->message(file.getFilePath()).isEmpty(), QString());
    }

    const QString path = exportPath();
    QString error;
    ZANT_FUZZ_CHECK(ExchangeFile::write(record, path, &error), error);

    DealRecord again = ProfileStore::firstRunRecord();
    ZANT_FUZZ_CHECK(ExchangeFile::read(again, path, &error), error);

    // The texts come back as they were, but for control characters; a figure that is shown (huge
    // ones have no text) comes back as it is shown.
    forEachStoredField([&](const DealField &field, int loan) {
        if (field.isText()) {
            const QString &text = field.text(record, loan);
            ZANT_FUZZ_CHECK(field.text(again, loan) == asReadBack(text), text);
            return;
        }
        const QString shown = field.figure(record, loan).format(record.m_currency);
        const QString back = field.figure(again, loan).format(again.m_currency);
        if (!shown.isEmpty() && shown != QLatin1String("%"))
            ZANT_FUZZ_CHECK(back == shown, shown + QStringLiteral(" came back as ") + back);
    });
    return 0;
}
