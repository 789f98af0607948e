#include "analysis/analysisexport.h"

#include "core/dealfields.h"
#include "core/localeservices.h"
#include "core/measures.h"
#include "textio/textformat.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include <cmath>

namespace {

int Decimals(MeasureUnit unit)
{
    switch (unit) {
    case MeasureUnit::Money:
        return 2;
    case MeasureUnit::Fraction:
        return 6;
    case MeasureUnit::Ratio:
        return 4;
    case MeasureUnit::Count:
        break;
    }
    return 0;
}

// A number for a spreadsheet: "." as the decimal point, no grouping, no exponent.
QString Plain(double value, int decimals)
{
    // A tiny negative rounds to "-0.00": written without its sign.
    QString text = QString::number(value, 'f', decimals);
    static const QRegularExpression nonZero(QStringLiteral("[1-9]"));
    if (text.startsWith(QLatin1Char('-')) && !text.contains(nonZero))
        text.remove(0, 1);
    return text;
}

// How a CSV writes its cells: for scripts "," between cells and "." in numbers whatever the
// locale; for the user's spreadsheet the locale's decimal separator, and ";" between cells where
// that separator is "," (as spreadsheets there expect).
struct CsvStyle
{
    QChar separator;
    QString point;
};

CsvStyle ForScripts()
{
    return {QLatin1Char(','), QStringLiteral(".")};
}

CsvStyle ForSpreadsheets()
{
    const QString point = CLocaleServices::DecimalSeparator();
    return {point == QLatin1String(",") ? QLatin1Char(';') : QLatin1Char(','), point};
}

QString Number(double value, int decimals, const CsvStyle &style)
{
    return Plain(value, decimals).replace(QLatin1Char('.'), style.point);
}

// A number as short as it is: 30 as "30", 15.5 as "15.5".
QString Shortest(double value, const CsvStyle &style)
{
    QString text = Plain(value, 6);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text.replace(QLatin1Char('.'), style.point);
}

QString CsvValue(const CMeasure &measure, MeasureUnit unit, const CsvStyle &style = ForScripts())
{
    return measure.IsKnown() ? Number(measure.value, Decimals(unit), style) : QString();
}

QJsonValue JsonValue(const CMeasure &measure)
{
    return measure.IsKnown() ? QJsonValue(measure.value) : QJsonValue(QJsonValue::Null);
}

QJsonValue LoanNumber(int k)
{
    return k < 0 ? QJsonValue(QJsonValue::Null) : QJsonValue(k + 1);
}

QString Tr(const char *text)
{
    return QCoreApplication::translate("Analysis", text);
}

const char ByteOrderMark[] = "\xEF\xBB\xBF";

// The figures the user typed, under their keys, with the report's labels. One unit per kind:
// money as typed, shares as fractions (a rate of 7 % is 0.07, like the cap rate), terms in
// years as typed. The texts have places of their own.
std::vector<const DealField *> Inputs(bool perLoan)
{
    std::vector<const DealField *> inputs;
    for (const DealField &field : dealFields()) {
        if (!field.isText() && field.perLoan == perLoan)
            inputs.push_back(&field);
    }
    return inputs;
}

const std::vector<const DealField *> PropertyInputs = Inputs(false);
const std::vector<const DealField *> LoanInputs = Inputs(true);

double InputValue(const DealField *input, const CDealRecord &record, int k)
{
    const double typed = input->figure(record, k).m_value;
    return input->kind == FieldKind::Percent ? typed / 100.0 : typed;
}

QString InputCell(const DealField *input, const CDealRecord &record, int k, const CsvStyle &style)
{
    switch (input->kind) {
    case FieldKind::Money:
        return Number(InputValue(input, record, k), 2, style);
    case FieldKind::Percent:
        return Number(InputValue(input, record, k), Decimals(MeasureUnit::Fraction), style);
    case FieldKind::WholeNumber:
    case FieldKind::Text:
        break;
    }
    return Shortest(InputValue(input, record, k), style);
}

QString InputLabel(const DealField *input)
{
    return QCoreApplication::translate("CReport", input->exportLabel);
}

QString LoanName(const CDealRecord &record, int k)
{
    const QString lender = record.m_lender[k].trimmed();
    return lender.isEmpty() ? Tr(QT_TRANSLATE_NOOP("Analysis", "Loan %1")).arg(k + 1)
                            : Tr(QT_TRANSLATE_NOOP("Analysis", "Loan %1: %2")).arg(QString::number(k + 1), lender);
}

} // namespace

QString AnalysisExport::CsvText(const QString &text)
{
    // A spreadsheet runs a cell that starts like a formula, even one that came from a lender's
    // name or a file name; a leading apostrophe makes it plain text in every common one.
    static const QRegularExpression formula(QStringLiteral("^(?:[=+\\-@\t\r]| +[=+\\-@])"));
    // Control characters (a NUL, a terminal's escape, a line end) become spaces as in the deal
    // file, and so do the other characters that end a line, so a cell stays on its line.
    QString cell = WithoutControlCharacters(text);
    for (QChar &c : cell) {
        if (c == QChar(0x85) || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    }
    return formula.match(text).hasMatch() ? QLatin1Char('\'') + cell : cell;
}

QByteArray AnalysisExport::CsvLine(const QStringList &fields, QChar separator)
{
    QStringList texts;
    for (const QString &field : fields)
        texts << CsvText(field);
    return CsvFields(texts, separator);
}

QByteArray AnalysisExport::CsvFields(const QStringList &fields, QChar separator)
{
    QStringList quoted;
    for (const QString &field : fields) {
        const bool needsQuotes = field.contains(separator) || field.contains(QLatin1Char('"'))
            || field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r'));
        QString text = field;
        if (needsQuotes)
            text = QLatin1Char('"') + text.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
        quoted << text;
    }
    return quoted.join(separator).toUtf8() + "\r\n";
}

QByteArray AnalysisExport::ComparisonCsv(const CDealRecord &record, const CDealAnalysis &deal)
{
    const CsvStyle style = ForSpreadsheets();
    QStringList header = {Tr(QT_TRANSLATE_NOOP("Analysis", "Measure"))};
    QStringList lenders = {Tr(QT_TRANSLATE_NOOP("Analysis", "Lender"))};
    QStringList description = {QCoreApplication::translate("CReport", QT_TRANSLATE_NOOP("CReport", "Description"))};
    for (int k = 0; k < MAX_LOANS; ++k) {
        header << Tr(QT_TRANSLATE_NOOP("Analysis", "Loan %1")).arg(k + 1);
        lenders << record.m_lender[k];
        description << record.m_description;
    }
    QByteArray csv = ByteOrderMark + CsvLine(header, style.separator) + CsvLine(lenders, style.separator)
        + CsvLine(description, style.separator);
    // What was typed, so that the file stands on its own: the property's figures (the same in
    // each column, like the property's measures), then each loan's.
    const auto inputs = [&](const auto &list) {
        for (const DealField *input : list) {
            QStringList line = {CsvText(InputLabel(input))};
            for (int k = 0; k < MAX_LOANS; ++k)
                line << InputCell(input, record, k, style);
            csv += CsvFields(line, style.separator);
        }
    };
    inputs(PropertyInputs);
    inputs(LoanInputs);
    for (const CLoanMeasure &measure : LoanMeasures()) {
        QStringList line = {CsvText(MeasureText(measure.label))};
        for (const CLoanAnalysis &loan : deal.loans)
            line << CsvValue(measure.get(loan), measure.unit, style);
        csv += CsvFields(line, style.separator);
    }
    for (const CPropertyMeasure &measure : PropertyMeasures()) {
        QStringList line = {CsvText(MeasureText(measure.label))};
        for (int k = 0; k < MAX_LOANS; ++k)
            line << CsvValue(measure.get(deal.property), measure.unit, style);
        csv += CsvFields(line, style.separator);
    }
    return csv;
}

QByteArray AnalysisExport::ScheduleCsv(const CDealRecord &record, int loan,
                                       const std::vector<CScheduleRow> &rows, bool yearly)
{
    const CsvStyle style = ForSpreadsheets();
    // The loan first, on a line of its own with as many cells as the others.
    QByteArray csv = ByteOrderMark
        + CsvLine({LoanName(record, loan), QString(), QString(), QString(), QString()}, style.separator);
    csv += CsvLine({yearly ? Tr(QT_TRANSLATE_NOOP("Analysis", "Year"))
                           : Tr(QT_TRANSLATE_NOOP("Analysis", "Month")),
                    Tr(QT_TRANSLATE_NOOP("Analysis", "Payment")),
                    Tr(QT_TRANSLATE_NOOP("Analysis", "Principal")),
                    Tr(QT_TRANSLATE_NOOP("Analysis", "Interest")),
                    Tr(QT_TRANSLATE_NOOP("Analysis", "Balance"))},
                   style.separator);
    for (const CScheduleRow &row : rows) {
        csv += CsvFields({QString::number(row.month), Number(row.payment, 2, style),
                          Number(row.principal, 2, style), Number(row.interest, 2, style),
                          Number(row.balance, 2, style)},
                         style.separator);
    }
    return csv;
}

QByteArray AnalysisExport::DealsCsvHeader()
{
    QStringList header = {QStringLiteral("file"), QStringLiteral("description")};
    for (const DealField *input : PropertyInputs)
        header << QLatin1String(input->key);
    header << QStringLiteral("loan") << QStringLiteral("lender");
    for (const DealField *input : LoanInputs)
        header << QLatin1String(input->key);
    for (const CLoanMeasure &measure : LoanMeasures())
        header << QLatin1String(measure.key);
    for (const CPropertyMeasure &measure : PropertyMeasures())
        header << QLatin1String(measure.key);
    return CsvLine(header);
}

QByteArray AnalysisExport::DealCsvLines(const QString &file, const CDealRecord &record,
                                        const CDealAnalysis &deal)
{
    QByteArray csv;
    for (int k = 0; k < MAX_LOANS; ++k) {
        QStringList line = {CsvText(file), CsvText(record.m_description)};
        for (const DealField *input : PropertyInputs)
            line << InputCell(input, record, k, ForScripts());
        line << QString::number(k + 1) << CsvText(record.m_lender[k]);
        for (const DealField *input : LoanInputs)
            line << InputCell(input, record, k, ForScripts());
        for (const CLoanMeasure &measure : LoanMeasures())
            line << CsvValue(measure.get(deal.loans[std::size_t(k)]), measure.unit);
        for (const CPropertyMeasure &measure : PropertyMeasures())
            line << CsvValue(measure.get(deal.property), measure.unit);
        csv += CsvFields(line);
    }
    return csv;
}

QJsonObject AnalysisExport::DealJson(const QString &file, const CDealRecord &record,
                                     const CDealAnalysis &deal)
{
    QJsonObject property;
    for (const DealField *input : PropertyInputs)
        property.insert(QLatin1String(input->key), InputValue(input, record, 0));
    // Kept for readers of the earlier output, which gave the shares typed in per cent.
    property.insert(QStringLiteral("safety_margin_percent"), record.m_safetyMargin.m_value);
    for (const CPropertyMeasure &measure : PropertyMeasures())
        property.insert(QLatin1String(measure.key), JsonValue(measure.get(deal.property)));
    QJsonArray loans;
    for (int k = 0; k < MAX_LOANS; ++k) {
        QJsonObject loan{{QStringLiteral("loan"), k + 1},
                         {QStringLiteral("lender"), record.m_lender[k]}};
        for (const DealField *input : LoanInputs)
            loan.insert(QLatin1String(input->key), InputValue(input, record, k));
        loan.insert(QStringLiteral("interest_rate_percent"), record.m_interestRate[k].m_value);
        for (const CLoanMeasure &measure : LoanMeasures())
            loan.insert(QLatin1String(measure.key), JsonValue(measure.get(deal.loans[std::size_t(k)])));
        loans.append(loan);
    }
    return {{QStringLiteral("file"), file},
            {QStringLiteral("description"), record.m_description},
            {QStringLiteral("property"), property},
            {QStringLiteral("loans"), loans},
            {QStringLiteral("most_safety_cash_flow"), LoanNumber(deal.mostSafetyCashFlow)},
            {QStringLiteral("least_interest"), LoanNumber(deal.leastInterest)}};
}

QByteArray AnalysisExport::DealsJson(const QList<QJsonObject> &deals)
{
    QJsonArray array;
    for (const QJsonObject &deal : deals)
        array.append(deal);
    const QJsonObject document{{QStringLiteral("format"), QStringLiteral("zantoria-analysis")},
                               {QStringLiteral("version"), 1},
                               {QStringLiteral("deals"), array}};
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}
