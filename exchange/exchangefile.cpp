#include "exchangefile.h"

#include "dealrecord.h"
#include "figurelocales.h"
#include "localeservices.h"
#include "readnotice.h"
#include "stdiofile.h"
#include "textfile.h"
#include "textformat.h"

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

// A field of the record with the label it carries in the file, in the order labels are compared.
struct Entry
{
    QString label;
    QString *text = nullptr;
    CValue *value = nullptr;
    CReadNotice::Field field;
    int loan = 0;
};

std::vector<Entry> Entries(CDealRecord &record)
{
    std::vector<Entry> entries = {
        {QStringLiteral("DESCRIPTION"), &record.m_strDescription, nullptr, CReadNotice::Description, 0},
        {QStringLiteral("PURCHASEPRICE"), nullptr, &record.m_purchasePrice, CReadNotice::PurchasePrice, 0},
        {QStringLiteral("RENTALINCOME"), nullptr, &record.m_rentalIncome, CReadNotice::RentalIncome, 0},
        {QStringLiteral("ESCROW"), nullptr, &record.m_escrow, CReadNotice::Escrow, 0},
        {QStringLiteral("OTHERFEES"), nullptr, &record.m_otherFees, CReadNotice::OtherFees, 0},
        {QStringLiteral("SAFETYMARGIN"), nullptr, &record.m_safetyMargin, CReadNotice::SafetyMargin, 0},
    };
    for (int k = 0; k < MAX_LOANS; ++k) {
        const QString n = QString::number(k + 1);
        entries.push_back({QStringLiteral("LENDER") + n, &record.m_strLender[k], nullptr, CReadNotice::Lender, k + 1});
        entries.push_back({QStringLiteral("DOWNPAYMENT") + n, nullptr, &record.m_downPayment[k], CReadNotice::DownPayment, k + 1});
        entries.push_back({QStringLiteral("INTERESTRATE") + n, nullptr, &record.m_interestRate[k], CReadNotice::InterestRate, k + 1});
        entries.push_back({QStringLiteral("TERM") + n, nullptr, &record.m_term[k], CReadNotice::Term, k + 1});
        entries.push_back({QStringLiteral("PMI") + n, nullptr, &record.m_pmi[k], CReadNotice::Pmi, k + 1});
    }
    return entries;
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
    file.Write(QStringLiteral("Description = %s\n"), WithoutControlCharacters(record.m_strDescription));
    file.Write(QStringLiteral("PurchasePrice = %s\n"), record.m_purchasePrice.Format());
    file.Write(QStringLiteral("RentalIncome = %s\n"), record.m_rentalIncome.Format());
    file.Write(QStringLiteral("Escrow = %s\n"), record.m_escrow.Format());
    file.Write(QStringLiteral("OtherFees = %s\n"), record.m_otherFees.Format());
    file.Write(QStringLiteral("SafetyMargin = %s\n"), record.m_safetyMargin.Format());
    for (int k = 0; k < MAX_LOANS; ++k) {
        const int n = k + 1;
        file.Write(QStringLiteral("\nLender%d = %s\n"), n, WithoutControlCharacters(record.m_strLender[k]));
        file.Write(QStringLiteral("DownPayment%d = %s\n"), n, record.m_downPayment[k].Format());
        file.Write(QStringLiteral("InterestRate%d = %s\n"), n, record.m_interestRate[k].Format());
        file.Write(QStringLiteral("Term%d = %s\n"), n, record.m_term[k].Format());
        file.Write(QStringLiteral("PMI%d = %s\n"), n, record.m_pmi[k].Format());
    }
    file.Close();
}

std::optional<CImportError> ExchangeFile::Import(CDealRecord &record, const QString &path,
                                                 std::vector<CReadNotice> *notices)
{
    CStdioFile file(path);
    std::optional<CImportError> error = Import(record, file, notices);
    file.Close();
    return error;
}

std::optional<CImportError> ExchangeFile::Import(CDealRecord &record, CStdioFile &file,
                                                 std::vector<CReadNotice> *notices)
{
    const std::vector<Entry> entries = Entries(record);
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
        if (entry->text) {
            if (value.size() <= MaxTextLength)
                *entry->text = value;
            else if (notices)
                notices->push_back({CReadNotice::TextTooLong, entry->field, entry->loan, lineNumber,
                                    value, QString(), QString()});
        } else if (!entry->value->ReadStored(value, locales) && notices) {
            notices->push_back({CReadNotice::FigureTooLarge, entry->field, entry->loan, lineNumber,
                                value, QString(), QString()});
        }
    }
    return std::nullopt;
}
