#include "exchange/exchangefile.h"

#include "core/dealfields.h"
#include "core/dealrecord.h"
#include "core/figurelocales.h"
#include "core/loananalysis.h"
#include "core/localeservices.h"
#include "core/readnotice.h"
#include "textio/fileexception.h"
#include "textio/stdiofile.h"
#include "textio/textfile.h"

#include <QCoreApplication>
#include <QHash>

#include <optional>
#include <vector>

namespace {

bool isWhiteSpace(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x09 && u <= 0x0D) || u == 0x20 || u == 0xA0;
}

QStringView trimSpaces(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isWhiteSpace(text[begin]))
        ++begin;
    while (end > begin && isWhiteSpace(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

// The text of view into to, in the room to already has where no one shares it: a deal file's
// labels and values are read one after the other into the same two strings.
void assign(QString &to, QStringView view)
{
    to.resize(view.size());
    std::copy(view.begin(), view.end(), to.data());
}

// Only a to z change: the labels are plain ASCII and nothing else may match them by accident.
void upperCaseLabel(QString &label)
{
    for (QChar &c : label) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    }
}

QString upperCasedLabel(QStringView label)
{
    QString result = label.toString();
    upperCaseLabel(result);
    return result;
}

// A field of the record, found by the label it carries in the file.
struct Entry
{
    const DealField *field;
    int loan;
};

// The fields by their labels, upper-cased as labels are compared, made once: screening a market reads thousands of files.
// Labels are unique, so finding one by hash matches comparing them in order.
const QHash<QString, Entry> &entriesByLabel()
{
    static const QHash<QString, Entry> byLabel = [] {
        QHash<QString, Entry> entries;
        const auto add = [&entries](const DealField &field, int loan) {
            entries.insert(upperCasedLabel(field.entry(loan)), {&field, loan});
        };
        forEachStoredField(add);
        forEachStoredField(projectionFields(), add);
        return entries;
    }();
    return byLabel;
}

// The labels of the offers compared, upper-cased, with their loan.
const QHash<QString, int> &compareLabels()
{
    static const QHash<QString, int> labels = [] {
        QHash<QString, int> byLabel;
        for (int k = 0; k < MAX_LOANS; ++k)
            byLabel.insert(upperCasedLabel(compareEntry(k)), k);
        return byLabel;
    }();
    return labels;
}

// A loan's fields stand apart from what comes before them.
bool startsLoan(const DealField &field)
{
    for (const DealField &each : dealFields()) {
        if (each.perLoan)
            return &each == &field;
    }
    return false;
}

QString exportedText(const DealField &field, int loan, const DealRecord &record)
{
    return field.isText() ? withoutControlCharacters(field.text(record, loan))
                          : field.figure(record, loan).format(record.m_currency);
}

void readValue(const Entry &entry, const QString &value, int lineNumber, DealRecord &record,
               const FigureLocales &locales, std::vector<ReadNotice> *notices)
{
    const DealField &field = *entry.field;
    const int number = field.perLoan ? entry.loan + 1 : 0;
    if (field.isText()) {
        if (value.size() <= MaxTextLength)
            field.text(record, entry.loan) = value;
        else if (notices)
            notices->push_back({ReadNotice::TextTooLong, &field, number, lineNumber, value,
                                QString(), QString()});
    } else if (!field.figure(record, entry.loan).readStored(value, locales) && notices) {
        notices->push_back(
            {ReadNotice::FigureTooLarge, &field, number, lineNumber, value, QString(), QString()});
    }
}

const QString LocaleComment = QStringLiteral("; Locale: ");
const QString CurrencyComment = QStringLiteral("; Currency: ");

void writeFile(const DealRecord &record, const QString &path);

// The text after the key ("Locale:", "Currency:") of a comment line that starts with it, or
// nothing.
std::optional<QStringView> commentEntry(QStringView trimmed, QLatin1String key)
{
    const QStringView comment = trimSpaces(trimmed.mid(1));
    if (!comment.startsWith(key))
        return std::nullopt;
    return comment.mid(key.size());
}

} // namespace

QString ImportError::message(const QString &path) const
{
    const char *text = nullptr;
    switch (kind) {
    case UnrecognizedSyntax:
        text = QT_TRANSLATE_NOOP("ImportError", "Unable to import '%1' : Unrecognized syntax on line %2.");
        break;
    case MissingLabel:
        text = QT_TRANSLATE_NOOP("ImportError", "Unable to import '%1' : Missing label on line %2.");
        break;
    case UnrecognizedLabel:
        text = QT_TRANSLATE_NOOP("ImportError", "Unable to import '%1' : Unrecognized label on line %2.");
        break;
    case UnrecognizedLocale:
        text = QT_TRANSLATE_NOOP("ImportError", "Unable to import '%1' : Unrecognized locale on line %2.");
        break;
    case UnrecognizedCurrency:
        text = QT_TRANSLATE_NOOP("ImportError", "Unable to import '%1' : Unrecognized currency on line %2.");
        break;
    }
    return QCoreApplication::translate("ImportError", text).arg(path, QString::number(line));
}

bool ExchangeFile::write(const DealRecord &record, const QString &path, QString *error)
{
    try {
        writeFile(record, path);
        return true;
    } catch (const FileException &exception) {
        if (error)
            *error = exception.message();
    }
    return false;
}

namespace {

void writeFile(const DealRecord &record, const QString &path)
{
    TextFile file(path, TextFile::Encoding::Latin1UnlessWider);
    file.write(QStringLiteral(";\n; Zantoria Import/Export file\n"));
    const FigureLocales written = FigureLocales::user(record.m_currency);
    file.write(LocaleComment + written.toText() + QLatin1Char('\n'));
    file.write(CurrencyComment + written.currency + QStringLiteral("\n;\n\n"));
    forEachStoredField([&](const DealField &field, int loan) {
        if (startsLoan(field))
            file.write(QStringLiteral("\n"));
        file.write(field.entry(loan) + QStringLiteral(" = ") + exportedText(field, loan, record)
                   + QLatin1Char('\n'));
    });
    // The holding period's assumptions come last, where a reader that does not know them stops
    // only after every field of the deal is read.
    file.write(QStringLiteral("\n; Projection\n"));
    const auto writeChoice = [&] {
        if (!hasComparisonChoice(record))
            return;
        const ComparedOffers compared = comparedOffers(record);
        for (int k = 0; k < MAX_LOANS; ++k)
            file.write(compareEntry(k) + QStringLiteral(" = ") + QLatin1Char(compared[std::size_t(k)] ? '1' : '0')
                       + QLatin1Char('\n'));
    };
    forEachStoredField(projectionFields(), [&](const DealField &field, int loan) {
        file.write(field.entry(loan) + QStringLiteral(" = ") + exportedText(field, loan, record)
                   + QLatin1Char('\n'));
    }, writeChoice);
    file.close();
}

} // namespace

bool ExchangeFile::read(DealRecord &record, const QString &path, QString *error,
                        std::vector<ReadNotice> *notices, bool *faultyLine)
{
    if (faultyLine)
        *faultyLine = false;
    std::optional<ImportError> faulty;
    try {
        StdioFile file(path);
        faulty = ExchangeFile::read(record, file, notices);
        file.close();
    } catch (const FileException &exception) {
        if (error)
            *error = ExchangeFile::fileErrorMessage(exception, path);
        return false;
    }
    if (!faulty)
        return true;
    if (error)
        *error = faulty->message(path);
    if (faultyLine)
        *faultyLine = true;
    return false;
}

std::optional<ImportError> ExchangeFile::read(DealRecord &record, StdioFile &file,
                                                 std::vector<ReadNotice> *notices)
{
    const QHash<QString, Entry> &byLabel = entriesByLabel();
    const QHash<QString, int> &compared = compareLabels();
    const FigureLocales user = FigureLocales::user(record.m_currency);
    // A file that names no currency is in that of the locale its figures were written in.
    FigureLocales locales = user;
    std::optional<QString> statedCurrency;
    locales.currency = LocaleServices::localeCurrency(locales.money);
    std::array<std::optional<double>, MAX_LOANS> compare{};
    int lineNumber = 0;
    QString line;
    QString label;
    QString value;
    while (file.readString(line)) {
        ++lineNumber;
        const QStringView trimmed = trimSpaces(line);
        if (trimmed.startsWith(QLatin1Char(';'))) {
            if (const auto named = commentEntry(trimmed, QLatin1String("Locale:"))) {
                const auto stated = FigureLocales::fromText(named->toString(), user);
                if (!stated)
                    return ImportError{ImportError::UnrecognizedLocale, lineNumber};
                locales = *stated;
                locales.currency = statedCurrency.value_or(LocaleServices::localeCurrency(locales.money));
            } else if (const auto code = commentEntry(trimmed, QLatin1String("Currency:"))) {
                const QString currency = trimSpaces(*code).toString();
                if (!LocaleServices::isKnownCurrency(currency))
                    return ImportError{ImportError::UnrecognizedCurrency, lineNumber};
                statedCurrency = currency;
                locales.currency = currency;
            }
            continue;
        }
        if (trimmed.isEmpty())
            continue;
        const qsizetype equals = trimmed.indexOf(QLatin1Char('='));
        if (equals < 0)
            return ImportError{ImportError::UnrecognizedSyntax, lineNumber};
        assign(label, trimSpaces(trimmed.left(equals)));
        upperCaseLabel(label);
        if (label.isEmpty())
            return ImportError{ImportError::MissingLabel, lineNumber};
        assign(value, trimSpaces(trimmed.mid(equals + 1)));
        if (const auto loan = compared.constFind(label); loan != compared.cend()) {
            IntegerValue number;
            number.parse(value, locales);
            compare[std::size_t(*loan)] = number.m_value;
            continue;
        }
        const auto entry = byLabel.constFind(label);
        if (entry == byLabel.cend())
            return ImportError{ImportError::UnrecognizedLabel, lineNumber};
        // The deal takes the file's currency with its first field, so that a file with nothing
        // to read leaves the deal as it was; its figures then show in that currency.
        record.m_currency = locales.currency;
        readValue(*entry, value, lineNumber, record, locales, notices);
    }
    // A file without the choice compares the offers someone filled in.
    record.m_compare = choiceOfEntries(compare);
    return std::nullopt;
}

QString ExchangeFile::fileErrorMessage(const FileException &exception, const QString &shownName)
{
    const FileException named(exception.m_cause, shownName, exception.m_osError);
    if (exception.m_cause != FileException::tooLarge)
        return named.message();
    return QCoreApplication::translate("ImportError", "%1 is too large to be read: a deal file holds at most %2 MiB.")
        .arg(shownName, QString::number(StdioFile::MaxSize >> 20));
}
