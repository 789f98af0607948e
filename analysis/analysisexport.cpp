#include "analysisexport.h"

#include "measures.h"
#include "textformat.h"

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

QString CsvValue(const CMeasure &measure, MeasureUnit unit)
{
    return measure.IsKnown() ? Plain(measure.value, Decimals(unit)) : QString();
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

// The figures the user typed, under their keys, as plain numbers.
struct CInput
{
    const char *key;
    double (*get)(const CDealRecord &, int loan);
};
const CInput PropertyInputs[] = {
    {"purchase_price", [](const CDealRecord &r, int) { return r.m_purchasePrice.m_value; }},
    {"monthly_rent", [](const CDealRecord &r, int) { return r.m_rentalIncome.m_value; }},
    {"monthly_escrow", [](const CDealRecord &r, int) { return r.m_escrow.m_value; }},
    {"other_monthly_fees", [](const CDealRecord &r, int) { return r.m_otherFees.m_value; }},
    {"safety_margin_percent", [](const CDealRecord &r, int) { return r.m_safetyMargin.m_value; }},
};
const CInput LoanInputs[] = {
    {"down_payment", [](const CDealRecord &r, int k) { return r.m_downPayment[k].m_value; }},
    {"interest_rate_percent", [](const CDealRecord &r, int k) { return r.m_interestRate[k].m_value; }},
    {"term_years", [](const CDealRecord &r, int k) { return r.m_term[k].m_value; }},
    {"pmi", [](const CDealRecord &r, int k) { return r.m_pmi[k].m_value; }},
};

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

QByteArray AnalysisExport::CsvLine(const QStringList &fields)
{
    QStringList texts;
    for (const QString &field : fields)
        texts << CsvText(field);
    return CsvFields(texts);
}

QByteArray AnalysisExport::CsvFields(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &field : fields) {
        const bool needsQuotes = field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"'))
            || field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r'));
        QString text = field;
        if (needsQuotes)
            text = QLatin1Char('"') + text.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
        quoted << text;
    }
    return quoted.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

QByteArray AnalysisExport::ComparisonCsv(const CDealRecord &record, const CDealAnalysis &deal)
{
    QStringList header = {Tr(QT_TRANSLATE_NOOP("Analysis", "Measure"))};
    QStringList lenders = {Tr(QT_TRANSLATE_NOOP("Analysis", "Lender"))};
    for (int k = 0; k < MAX_LOANS; ++k) {
        header << Tr(QT_TRANSLATE_NOOP("Analysis", "Loan %1")).arg(k + 1);
        lenders << record.m_strLender[k];
    }
    QByteArray csv = CsvLine(header) + CsvLine(lenders);
    for (const CLoanMeasure &measure : LoanMeasures()) {
        QStringList line = {CsvText(MeasureText(measure.label))};
        for (const CLoanAnalysis &loan : deal.loans)
            line << CsvValue(measure.get(loan), measure.unit);
        csv += CsvFields(line);
    }
    for (const CPropertyMeasure &measure : PropertyMeasures()) {
        QStringList line = {CsvText(MeasureText(measure.label))};
        for (int k = 0; k < MAX_LOANS; ++k)
            line << CsvValue(measure.get(deal.property), measure.unit);
        csv += CsvFields(line);
    }
    return csv;
}

QByteArray AnalysisExport::ScheduleCsv(const std::vector<CScheduleRow> &rows, bool yearly)
{
    QByteArray csv = CsvLine({yearly ? Tr(QT_TRANSLATE_NOOP("Analysis", "Year"))
                                     : Tr(QT_TRANSLATE_NOOP("Analysis", "Month")),
                              Tr(QT_TRANSLATE_NOOP("Analysis", "Payment")),
                              Tr(QT_TRANSLATE_NOOP("Analysis", "Principal")),
                              Tr(QT_TRANSLATE_NOOP("Analysis", "Interest")),
                              Tr(QT_TRANSLATE_NOOP("Analysis", "Balance"))});
    for (const CScheduleRow &row : rows) {
        csv += CsvFields({QString::number(row.month), Plain(row.payment, 2), Plain(row.principal, 2),
                        Plain(row.interest, 2), Plain(row.balance, 2)});
    }
    return csv;
}

QByteArray AnalysisExport::DealsCsvHeader()
{
    QStringList header = {QStringLiteral("file"), QStringLiteral("description")};
    for (const CInput &input : PropertyInputs)
        header << QLatin1String(input.key);
    header << QStringLiteral("loan") << QStringLiteral("lender");
    for (const CInput &input : LoanInputs)
        header << QLatin1String(input.key);
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
        QStringList line = {CsvText(file), CsvText(record.m_strDescription)};
        for (const CInput &input : PropertyInputs)
            line << Plain(input.get(record, k), 2);
        line << QString::number(k + 1) << CsvText(record.m_strLender[k]);
        for (const CInput &input : LoanInputs)
            line << Plain(input.get(record, k), 2);
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
    for (const CInput &input : PropertyInputs)
        property.insert(QLatin1String(input.key), input.get(record, 0));
    for (const CPropertyMeasure &measure : PropertyMeasures())
        property.insert(QLatin1String(measure.key), JsonValue(measure.get(deal.property)));
    QJsonArray loans;
    for (int k = 0; k < MAX_LOANS; ++k) {
        QJsonObject loan{{QStringLiteral("loan"), k + 1},
                         {QStringLiteral("lender"), record.m_strLender[k]}};
        for (const CInput &input : LoanInputs)
            loan.insert(QLatin1String(input.key), input.get(record, k));
        for (const CLoanMeasure &measure : LoanMeasures())
            loan.insert(QLatin1String(measure.key), JsonValue(measure.get(deal.loans[std::size_t(k)])));
        loans.append(loan);
    }
    return {{QStringLiteral("file"), file},
            {QStringLiteral("description"), record.m_strDescription},
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
