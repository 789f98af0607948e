// The deal-file import, on the same path as the Import command: any bytes, read into a record;
// whatever was read must export to a file that imports again without an error.

#include "dealrecord.h"
#include "exchangefile.h"
#include "fileexception.h"
#include "fuzzsupport.h"
#include "localeservices.h"
#include "profilestore.h"
#include "stdiofile.h"
#include "textformat.h"

#include <QTemporaryDir>

#include <cstdint>

namespace {

QString ExportPath()
{
    static QTemporaryDir folder;
    ZANT_FUZZ_CHECK(folder.isValid(), folder.errorString());
    return folder.filePath(QStringLiteral("round-trip.zant"));
}

// A text as the file gives it back: control characters as spaces, white space off the ends.
QString AsReadBack(const QString &text)
{
    QString back = WithoutControlCharacters(text);
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
    CLocaleServices::PinLocale(QStringLiteral("en_US"));
    const QByteArray bytes = FuzzBytes(data, size);

    CDealRecord record = ProfileStore::FirstRunRecord();
    CStdioFile file = CStdioFile::FromBytes(bytes, QStringLiteral("/deals/fuzz.zant"));
    if (const auto error = ExchangeFile::Import(record, file)) {
        const QString text = CStdioFile::Decode(bytes);
        const qsizetype lines = text.count(QLatin1Char('\n')) + 1;
        ZANT_FUZZ_CHECK(error->line >= 1 && error->line <= lines, error->Message(file.GetFilePath()));
        ZANT_FUZZ_CHECK(!error->Message(file.GetFilePath()).isEmpty(), QString());
    }

    const QString path = ExportPath();
    try {
        ExchangeFile::Export(record, path);
    } catch (const CFileException &exception) {
        ZANT_FUZZ_CHECK(false, exception.Message());
    }

    CDealRecord again = ProfileStore::FirstRunRecord();
    try {
        const auto error = ExchangeFile::Import(again, path);
        ZANT_FUZZ_CHECK(!error, error->Message(path));
    } catch (const CFileException &exception) {
        ZANT_FUZZ_CHECK(false, exception.Message());
    }

    // The texts come back as they were, but for control characters.
    ZANT_FUZZ_CHECK(again.m_strDescription == AsReadBack(record.m_strDescription),
                    record.m_strDescription);
    for (int k = 0; k < MAX_LOANS; ++k)
        ZANT_FUZZ_CHECK(again.m_strLender[k] == AsReadBack(record.m_strLender[k]), record.m_strLender[k]);
    // A figure that is shown (huge ones have no text) comes back as it is shown.
    const CValue *before[] = {&record.m_purchasePrice, &record.m_rentalIncome, &record.m_escrow,
                              &record.m_otherFees, &record.m_safetyMargin};
    const CValue *after[] = {&again.m_purchasePrice, &again.m_rentalIncome, &again.m_escrow,
                             &again.m_otherFees, &again.m_safetyMargin};
    const auto checkFigure = [](const CValue &was, const CValue &is) {
        const QString shown = was.Format();
        if (!shown.isEmpty() && shown != QLatin1String("%"))
            ZANT_FUZZ_CHECK(is.Format() == shown, shown + QStringLiteral(" came back as ") + is.Format());
    };
    for (int i = 0; i < 5; ++i)
        checkFigure(*before[i], *after[i]);
    for (int k = 0; k < MAX_LOANS; ++k) {
        checkFigure(record.m_downPayment[k], again.m_downPayment[k]);
        checkFigure(record.m_interestRate[k], again.m_interestRate[k]);
        checkFigure(record.m_term[k], again.m_term[k]);
        checkFigure(record.m_pmi[k], again.m_pmi[k]);
    }
    return 0;
}
