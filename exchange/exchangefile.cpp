#include "exchange/exchangefile.h"

#include "core/dealfields.h"
#include "core/dealrecord.h"
#include "core/figurelocales.h"
#include "core/localeservices.h"
#include "core/readnotice.h"
#include "textio/stdiofile.h"
#include "textio/textfile.h"
#include "textio/textformat.h"

#include <QCoreApplication>
#include <QHash>

#include <optional>
#include <vector>

namespace {

bool IsWhiteSpace(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x09 && u <= 0x0D) || u == 0x20 || u == 0xA0;
}

QStringView Trimmed(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsWhiteSpace(text[begin]))
        ++begin;
    while (end > begin && IsWhiteSpace(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

// Only a to z change: the labels are plain ASCII and nothing else may match them by accident.
QString UpperCasedLabel(QStringView label)
{
    QString result = label.toString();
    for (QChar &c : result) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    }
    return result;
}

// A field of the record with the label it carries in the file, upper-cased as labels are
// compared.
struct Entry
{
    QString label;
    const DealField *field;
    int loan;
};

std::vector<Entry> Entries()
{
    std::vector<Entry> entries;
    forEachStoredField([&entries](const DealField &field, int loan) {
        entries.push_back({UpperCasedLabel(field.entry(loan)), &field, loan});
    });
    return entries;
}

// A loan's fields stand apart from what comes before them.
bool StartsLoan(const DealField &field)
{
    for (const DealField &each : dealFields()) {
        if (each.perLoan)
            return &each == &field;
    }
    return false;
}

QString ExportedText(const DealField &field, int loan, const CDealRecord &record)
{
    return field.isText() ? WithoutControlCharacters(field.text(record, loan))
                          : field.figure(record, loan).Format();
}

void ReadValue(const Entry &entry, const QString &value, int lineNumber, CDealRecord &record,
               const CFigureLocales &locales, std::vector<ReadNotice> *notices)
{
    const DealField &field = *entry.field;
    const int number = field.perLoan ? entry.loan + 1 : 0;
    if (field.isText()) {
        if (value.size() <= MaxTextLength)
            field.text(record, entry.loan) = value;
        else if (notices)
            notices->push_back({ReadNotice::TextTooLong, &field, number, lineNumber, value,
                                QString(), QString()});
    } else if (!field.figure(record, entry.loan).ReadStored(value, locales) && notices) {
        notices->push_back(
            {ReadNotice::FigureTooLarge, &field, number, lineNumber, value, QString(), QString()});
    }
}

const QString LocaleComment = QStringLiteral("; Locale: ");
const QString CurrencyComment = QStringLiteral("; Currency: ");

// The text after the key ("Locale:", "Currency:") of a comment line that starts with it, or
// nothing.
std::optional<QStringView> CommentEntry(QStringView trimmed, QLatin1String key)
{
    const QStringView comment = Trimmed(trimmed.mid(1));
    if (!comment.startsWith(key))
        return std::nullopt;
    return comment.mid(key.size());
}

} // namespace

QString CImportError::Message(const QString &path) const
{
    const char *text = nullptr;
    switch (kind) {
    case UnrecognizedSyntax:
        text = QT_TRANSLATE_NOOP("CImportError", "Unable to import '%1' : Unrecognized syntax on line %2.");
        break;
    case MissingLabel:
        text = QT_TRANSLATE_NOOP("CImportError", "Unable to import '%1' : Missing label on line %2.");
        break;
    case UnrecognizedLabel:
        text = QT_TRANSLATE_NOOP("CImportError", "Unable to import '%1' : Unrecognized label on line %2.");
        break;
    case UnrecognizedLocale:
        text = QT_TRANSLATE_NOOP("CImportError", "Unable to import '%1' : Unrecognized locale on line %2.");
        break;
    case UnrecognizedCurrency:
        text = QT_TRANSLATE_NOOP("CImportError", "Unable to import '%1' : Unrecognized currency on line %2.");
        break;
    }
    return QCoreApplication::translate("CImportError", text).arg(path, QString::number(line));
}

void ExchangeFile::Export(const CDealRecord &record, const QString &path)
{
    CTextFile file(path, CTextFile::Encoding::Latin1UnlessWider);
    file.Write(QStringLiteral(";\n; Zantoria Import/Export file\n"));
    const CFigureLocales written = CFigureLocales::User();
    file.Write(QStringLiteral("%s%s\n"), LocaleComment, written.ToText());
    file.Write(QStringLiteral("%s%s\n;\n\n"), CurrencyComment, written.currency);
    forEachStoredField([&](const DealField &field, int loan) {
        file.Write(QStringLiteral("%s%s = %s\n"),
                   StartsLoan(field) ? QStringLiteral("\n") : QString(), field.entry(loan),
                   ExportedText(field, loan, record));
    });
    file.Close();
}

std::optional<CImportError> ExchangeFile::Import(CDealRecord &record, const QString &path,
                                                 std::vector<ReadNotice> *notices)
{
    CStdioFile file(path);
    std::optional<CImportError> error = Import(record, file, notices);
    file.Close();
    return error;
}

std::optional<CImportError> ExchangeFile::Import(CDealRecord &record, CStdioFile &file,
                                                 std::vector<ReadNotice> *notices)
{
    const std::vector<Entry> entries = Entries();
    // Labels are unique, so finding one by hash matches comparing them in order.
    QHash<QString, const Entry *> byLabel;
    for (const Entry &entry : entries)
        byLabel.insert(entry.label, &entry);
    const CFigureLocales user = CFigureLocales::User();
    // A file that names no currency is in that of the locale its figures were written in.
    CFigureLocales locales = user;
    std::optional<QString> statedCurrency;
    locales.currency = CLocaleServices::LocaleCurrency(locales.money);
    int lineNumber = 0;
    QString line;
    while (file.ReadString(line)) {
        ++lineNumber;
        const QStringView trimmed = Trimmed(line);
        if (trimmed.startsWith(QLatin1Char(';'))) {
            if (const auto named = CommentEntry(trimmed, QLatin1String("Locale:"))) {
                const auto stated = CFigureLocales::FromText(named->toString(), user);
                if (!stated)
                    return CImportError{CImportError::UnrecognizedLocale, lineNumber};
                locales = *stated;
                locales.currency = statedCurrency.value_or(CLocaleServices::LocaleCurrency(locales.money));
            } else if (const auto code = CommentEntry(trimmed, QLatin1String("Currency:"))) {
                const QString currency = Trimmed(*code).toString();
                if (!CLocaleServices::IsKnownCurrency(currency))
                    return CImportError{CImportError::UnrecognizedCurrency, lineNumber};
                statedCurrency = currency;
                locales.currency = currency;
            }
            continue;
        }
        if (trimmed.isEmpty())
            continue;
        const qsizetype equals = trimmed.indexOf(QLatin1Char('='));
        if (equals < 0)
            return CImportError{CImportError::UnrecognizedSyntax, lineNumber};
        const QString label = UpperCasedLabel(Trimmed(trimmed.left(equals)));
        if (label.isEmpty())
            return CImportError{CImportError::MissingLabel, lineNumber};
        const QString value = Trimmed(trimmed.mid(equals + 1)).toString();
        const Entry *entry = byLabel.value(label);
        if (!entry)
            return CImportError{CImportError::UnrecognizedLabel, lineNumber};
        // The deal takes the file's currency with its first field, so that a file with nothing
        // to read leaves the deal as it was; its figures then show in that currency.
        if (record.m_currency != locales.currency) {
            record.m_currency = locales.currency;
            CLocaleServices::SetDealCurrency(locales.currency);
        }
        ReadValue(*entry, value, lineNumber, record, locales, notices);
    }
    return std::nullopt;
}
