#include "analysis/analysisexport.h"

#include "core/texts.h"
#include "core/dealfields.h"
#include "core/localeservices.h"
#include "core/measures.h"
#include "textio/textfile.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QLocale>
#include <QJsonDocument>
#include <QRegularExpression>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {

int decimals(MeasureUnit unit)
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
QString plain(double value, int decimals)
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

CsvStyle forScripts()
{
    return {QLatin1Char(','), QStringLiteral(".")};
}

CsvStyle forSpreadsheets()
{
    const QString point = LocaleServices::decimalSeparator();
    return {point == QLatin1String(",") ? QLatin1Char(';') : QLatin1Char(','), point};
}

QString number(double value, int decimals, const CsvStyle &style)
{
    return plain(value, decimals).replace(QLatin1Char('.'), style.point);
}

// A number as short as it is: 30 as "30", 15.5 as "15.5".
QString shortest(double value, const CsvStyle &style)
{
    QString text = plain(value, 6);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text.replace(QLatin1Char('.'), style.point);
}

QString csvValue(const Measure &measure, MeasureUnit unit, const CsvStyle &style = forScripts())
{
    return measure.isKnown() ? number(measure.value, decimals(unit), style) : QString();
}

QJsonValue jsonValue(const Measure &measure)
{
    return measure.isKnown() ? QJsonValue(measure.value) : QJsonValue(QJsonValue::Null);
}

QJsonValue loanNumber(int k)
{
    return k < 0 ? QJsonValue(QJsonValue::Null) : QJsonValue(k + 1);
}

const char ByteOrderMark[] = "\xEF\xBB\xBF";

// The figures the user typed, under their keys, with the report's labels. One unit per kind:
// money as typed, shares as fractions (a rate of 7 % is 0.07, like the cap rate), terms in
// years as typed. The texts have places of their own.
std::vector<const DealField *> inputs(bool perLoan)
{
    std::vector<const DealField *> inputs;
    for (const DealField &field : dealFields()) {
        if (!field.isText() && field.perLoan == perLoan)
            inputs.push_back(&field);
    }
    return inputs;
}

const std::vector<const DealField *> PropertyInputs = inputs(false);
const std::vector<const DealField *> LoanInputs = inputs(true);

double inputValue(const DealField *input, const DealRecord &record, int k)
{
    const double typed = input->figure(record, k).m_value;
    return input->kind == FieldKind::Percent ? typed / 100.0 : typed;
}

QString inputCell(const DealField *input, const DealRecord &record, int k, const CsvStyle &style)
{
    switch (input->kind) {
    case FieldKind::Money:
        return number(inputValue(input, record, k), 2, style);
    case FieldKind::Percent:
        return number(inputValue(input, record, k), decimals(MeasureUnit::Fraction), style);
    case FieldKind::WholeNumber:
    case FieldKind::Text:
        break;
    }
    return shortest(inputValue(input, record, k), style);
}

QString inputLabel(const DealField *input)
{
    return QCoreApplication::translate("Report", input->exportLabel);
}

// The figures of the holding period, in the order of the yearly CSV and under the JSON keys.
struct YearFigure
{
    const char *key;
    double ProjectionYear::*member;
};

const YearFigure YearFigures[] = {
    {"rent", &ProjectionYear::rent},
    {"vacancy_loss", &ProjectionYear::vacancyLoss},
    {"operating_costs", &ProjectionYear::operatingCosts},
    {"net_operating_income", &ProjectionYear::netOperatingIncome},
    {"debt_service", &ProjectionYear::debtService},
    {"pmi", &ProjectionYear::pmi},
    {"cash_flow", &ProjectionYear::cashFlow},
    {"property_value", &ProjectionYear::propertyValue},
    {"loan_balance", &ProjectionYear::loanBalance},
    {"equity", &ProjectionYear::equity},
    {"sale_proceeds", &ProjectionYear::saleProceeds},
};

struct YearReturn
{
    const char *key;
    Measure ProjectionYear::*member;
};

const YearReturn YearReturns[] = {
    {"irr_if_sold", &ProjectionYear::irrIfSold},
    {"npv_if_sold", &ProjectionYear::npvIfSold},
    {"equity_multiple_if_sold", &ProjectionYear::equityMultipleIfSold},
};

struct SummaryFigure
{
    const char *key;
    Measure Projection::*member;
    MeasureUnit unit;
};

const SummaryFigure SummaryFigures[] = {
    {"irr", &Projection::irr, MeasureUnit::Fraction},
    {"npv", &Projection::npv, MeasureUnit::Money},
    {"equity_multiple", &Projection::equityMultiple, MeasureUnit::Ratio},
    {"total_profit", &Projection::totalProfit, MeasureUnit::Money},
    {"annualized_return", &Projection::annualizedReturn, MeasureUnit::Fraction},
    {"sale_proceeds", &Projection::saleProceeds, MeasureUnit::Money},
};

// Cash invested is a plain figure of a projection that was made, unknown with the projection.
Measure cashInvested(const Projection &projection)
{
    return projection.isKnown() ? Measure::of(projection.cashInvested, projection.reason)
                                : Measure::unknown(projection.reason);
}

QJsonObject dealObject(const QString &file, const DealRecord &record, const DealAnalysis &deal,
                       bool yearsLater);

// Appends the text of QByteArray::number(value, 'g', QLocale::FloatingPointShortest) for a finite
// value other than 0: the shortest digits that read back the same, in fixed or exponent form,
// whichever is shorter (the fixed one on a tie). Built on std::to_chars, which is several times
// faster: a JSON of many deals over many years is mostly such numbers.
void appendShortest(std::string &out_, double value)
{
    char scientific[32];
    const char *end = std::to_chars(scientific, scientific + sizeof scientific, std::abs(value),
                                    std::chars_format::scientific).ptr;
    const char *e = std::find(static_cast<const char *>(scientific), end, 'e');
    char digits[24];
    int count = 0;
    for (const char *c = scientific; c != e; ++c) {
        if (*c != '.')
            digits[count++] = *c;
    }
    int exponent = 0;
    std::from_chars(e + 1 + (e[1] == '+'), end, exponent);
    const int magnitude = std::abs(exponent);
    // d.ddde±XX (at least two digits in the exponent) against the digits with a point.
    const int exponentDigits = magnitude >= 100 ? 3 : 2;
    const int exponentialLength = count + (count > 1) + 2 + exponentDigits;
    const int fixedLength = exponent >= 0 ? std::max(count, exponent + 1) + (count > exponent + 1)
                                          : 2 + (-exponent - 1) + count;
    char text[400];
    char *out = text;
    if (value < 0)
        *out++ = '-';
    if (exponentialLength < fixedLength) {
        *out++ = digits[0];
        if (count > 1) {
            *out++ = '.';
            out = std::copy(digits + 1, digits + count, out);
        }
        *out++ = 'e';
        *out++ = exponent < 0 ? '-' : '+';
        if (magnitude < 10)
            *out++ = '0';
        out = std::to_chars(out, text + sizeof text, magnitude).ptr;
    } else if (exponent >= 0) {
        const int whole = exponent + 1;
        out = std::copy(digits, digits + std::min(count, whole), out);
        out = std::fill_n(out, std::max(0, whole - count), '0');
        if (count > whole) {
            *out++ = '.';
            out = std::copy(digits + whole, digits + count, out);
        }
    } else {
        *out++ = '0';
        *out++ = '.';
        out = std::fill_n(out, -exponent - 1, '0');
        out = std::copy(digits, digits + count, out);
    }
    out_.append(text, std::size_t(out - text));
}

// JSON's text of a number as Qt writes it: a whole number below 2^53 in digits, otherwise the
// shortest digits that read back the same.
void appendJsonNumber(std::string &out, double value)
{
    constexpr double SafeInteger = 9007199254740992.0; // 2^53
    if (std::abs(value) < SafeInteger && value == std::trunc(value)) {
        char digits[24];
        out.append(digits, std::size_t(std::to_chars(digits, digits + sizeof digits, qint64(value)).ptr - digits));
        return;
    }
    appendShortest(out, value);
}

void appendJsonText(std::string &out, const Measure &measure)
{
    if (measure.isKnown() && std::isfinite(measure.value))
        appendJsonNumber(out, measure.value);
    else
        out += "null";
}

// A year's members in the sorted order of a JSON object's keys.
struct YearMember
{
    std::string key;
    const YearFigure *figure;
    const YearReturn *yearReturn; // neither: the year's number
};

const std::vector<YearMember> &yearMembers()
{
    static const std::vector<YearMember> members = [] {
        std::vector<YearMember> all{{"year", nullptr, nullptr}};
        for (const YearFigure &figure : YearFigures)
            all.push_back({figure.key, &figure, nullptr});
        for (const YearReturn &figure : YearReturns)
            all.push_back({figure.key, nullptr, &figure});
        std::sort(all.begin(), all.end(),
                  [](const YearMember &a, const YearMember &b) { return a.key < b.key; });
        return all;
    }();
    return members;
}

// A projection's years as the array QJsonDocument's indented text holds them, for a member whose
// key stands indent spaces in.
QByteArray yearsText(const Projection &projection, int indent)
{
    const std::string closing(std::size_t(indent), ' ');
    std::string text = "[\n";
    if (projection.years.empty())
        return QByteArray::fromStdString(text + closing + "]");
    const std::string object(std::size_t(indent + 4), ' ');
    const std::string member(std::size_t(indent + 8), ' ');
    text.reserve(projection.years.size() * 800);
    for (const ProjectionYear &year : projection.years) {
        if (&year != &projection.years.front())
            text += ",\n";
        text += object;
        text += "{\n";
        for (const YearMember &m : yearMembers()) {
            if (&m != &yearMembers().front())
                text += ",\n";
            text += member;
            text += '"';
            text += m.key;
            text += "\": ";
            if (m.figure)
                appendJsonNumber(text, year.*m.figure->member);
            else if (m.yearReturn)
                appendJsonText(text, year.*m.yearReturn->member);
            else
                appendJsonNumber(text, year.year);
        }
        text += '\n';
        text += object;
        text += '}';
    }
    text += '\n';
    text += closing;
    text += ']';
    return QByteArray::fromStdString(text);
}

// A deal's years stand in its JSON object as a text that names the loan, until the document's
// text is made: QJsonObject's sorted inserts and its writer are most of the time a JSON of many
// deals takes, and years are most of what it holds. Written by yearsText as Qt's own writer
// would write them.
const QString YearsPlaceholder = QStringLiteral("\u0001years of loan ");

QJsonObject projectionJson(const Projection &projection, int loan, bool placeholder)
{
    QJsonObject object{{QStringLiteral("cash_invested"), jsonValue(cashInvested(projection))}};
    for (const SummaryFigure &figure : SummaryFigures)
        object.insert(QLatin1String(figure.key), jsonValue(projection.*figure.member));
    if (placeholder) {
        object.insert(QStringLiteral("years"), YearsPlaceholder + QString::number(loan));
        return object;
    }
    QJsonArray years;
    for (const ProjectionYear &year : projection.years) {
        QJsonObject line{{QStringLiteral("year"), year.year}};
        for (const YearFigure &figure : YearFigures)
            line.insert(QLatin1String(figure.key), year.*figure.member);
        for (const YearReturn &figure : YearReturns)
            line.insert(QLatin1String(figure.key), jsonValue(year.*figure.member));
        years.append(line);
    }
    object.insert(QStringLiteral("years"), years);
    return object;
}

QJsonObject scenariosJson(const LoanAnalysis &loan)
{
    QJsonObject scenarios;
    for (std::size_t s = 0; s < Scenarios.size(); ++s) {
        const ScenarioResult &result = loan.scenarios[s];
        scenarios.insert(QLatin1String(scenarioKey(Scenarios[s])),
                         QJsonObject{{QStringLiteral("irr"), jsonValue(result.irr)},
                                     {QStringLiteral("npv"), jsonValue(result.npv)},
                                     {QStringLiteral("equity_multiple"), jsonValue(result.equityMultiple)},
                                     {QStringLiteral("total_profit"), jsonValue(result.totalProfit)}});
    }
    return scenarios;
}

// The assumptions as typed: the base ones at the top, the bear and bull markets in objects of
// their own; shares and rates in per cent, as the keys say.
QJsonObject assumptionsJson(const DealRecord &record)
{
    QJsonObject assumptions;
    QJsonObject scenarios;
    for (const DealField &field : projectionFields()) {
        if (field.perLoan)
            continue;
        const double typed = field.figure(record, 0).m_value;
        if (field.scenario == Scenario::Base) {
            assumptions.insert(QLatin1String(field.key), typed);
            continue;
        }
        const QString key = QLatin1String(scenarioKey(field.scenario));
        QJsonObject scenario = scenarios.value(key).toObject();
        scenario.insert(QLatin1String(field.key), typed);
        scenarios.insert(key, scenario);
    }
    for (auto it = scenarios.begin(); it != scenarios.end(); ++it)
        assumptions.insert(it.key(), it.value());
    return assumptions;
}

// Columns that came with the holding period stand after those of earlier versions, so that a
// script reading columns by their place keeps working.
bool isLaterColumn(const LoanMeasure &measure)
{
    return measure.id == LoanMeasureId::InterestSaved || measure.id == LoanMeasureId::BreakEvenOccupancy;
}

QString loanName(const DealRecord &record, int k)
{
    const QString lender = record.m_lender[k].trimmed();
    return lender.isEmpty() ? AnalysisText::tr("Loan %1").arg(k + 1)
                            : AnalysisText::tr("Loan %1: %2").arg(QString::number(k + 1), lender);
}

} // namespace

QString AnalysisExport::csvText(const QString &text)
{
    // A spreadsheet runs a cell that starts like a formula, even one that came from a lender's
    // name or a file name; a leading apostrophe makes it plain text in every common one.
    static const QRegularExpression formula(QStringLiteral("^(?:[=+\\-@\t\r]|\\s+[=+\\-@])"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    // Control characters (a NUL, a terminal's escape, a line end) become spaces as in the deal
    // file, and so do the other characters that end a line, so a cell stays on its line.
    QString cell = withoutControlCharacters(text);
    for (QChar &c : cell) {
        if (c == QChar(0x85) || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    }
    // Guarded as written, after those spaces, as well as as given.
    const bool runs = formula.match(text).hasMatch() || formula.match(cell).hasMatch();
    return runs ? QLatin1Char('\'') + cell : cell;
}

QByteArray AnalysisExport::csvLine(const QStringList &fields, QChar separator)
{
    QStringList texts;
    for (const QString &field : fields)
        texts << csvText(field);
    return csvFields(texts, separator);
}

QByteArray AnalysisExport::csvFields(const QStringList &fields, QChar separator)
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

QByteArray AnalysisExport::comparisonCsv(const DealRecord &record, const DealAnalysis &deal)
{
    const CsvStyle style = forSpreadsheets();
    QStringList header = {AnalysisText::tr("Measure")};
    QStringList lenders = {AnalysisText::tr("Lender")};
    QStringList description = {QCoreApplication::translate("Report", QT_TRANSLATE_NOOP("Report", "Description"))};
    for (int k = 0; k < MAX_LOANS; ++k) {
        header << AnalysisText::tr("Loan %1").arg(k + 1);
        lenders << record.m_lender[k];
        description << record.m_description;
    }
    QByteArray csv = ByteOrderMark + csvLine(header, style.separator) + csvLine(lenders, style.separator)
        + csvLine(description, style.separator);
    // What was typed, so that the file stands on its own: the property's figures (the same in
    // each column, like the property's measures), then each loan's.
    const auto inputs = [&](const auto &list) {
        for (const DealField *input : list) {
            QStringList line = {csvText(inputLabel(input))};
            for (int k = 0; k < MAX_LOANS; ++k)
                line << inputCell(input, record, k, style);
            csv += csvFields(line, style.separator);
        }
    };
    inputs(PropertyInputs);
    inputs(LoanInputs);
    for (const LoanMeasure &measure : loanMeasures()) {
        QStringList line = {csvText(measureText(measure.label))};
        for (const LoanAnalysis &loan : deal.loans)
            line << csvValue(measure.get(loan), measure.unit, style);
        csv += csvFields(line, style.separator);
    }
    for (const PropertyMeasure &measure : propertyMeasures()) {
        QStringList line = {csvText(measureText(measure.label))};
        for (int k = 0; k < MAX_LOANS; ++k)
            line << csvValue(measure.get(deal.property), measure.unit, style);
        csv += csvFields(line, style.separator);
    }
    return csv;
}

QByteArray AnalysisExport::scheduleCsv(const DealRecord &record, int loan,
                                       const std::vector<ScheduleRow> &rows, bool yearly)
{
    const CsvStyle style = forSpreadsheets();
    // The loan first, on a line of its own with as many cells as the others.
    QByteArray csv = ByteOrderMark
        + csvLine({loanName(record, loan), QString(), QString(), QString(), QString()}, style.separator);
    csv += csvLine({yearly ? AnalysisText::tr("Year")
                           : AnalysisText::tr("Month"),
                    AnalysisText::tr("Payment"),
                    AnalysisText::tr("Principal"),
                    AnalysisText::tr("Interest"),
                    AnalysisText::tr("Balance")},
                   style.separator);
    for (const ScheduleRow &row : rows) {
        csv += csvFields({QString::number(row.month), number(row.payment, 2, style),
                          number(row.principal, 2, style), number(row.interest, 2, style),
                          number(row.balance, 2, style)},
                         style.separator);
    }
    return csv;
}

QByteArray AnalysisExport::dealsCsvHeader()
{
    QStringList header = {QStringLiteral("file"), QStringLiteral("description")};
    for (const DealField *input : PropertyInputs)
        header << QLatin1String(input->key);
    header << QStringLiteral("loan") << QStringLiteral("lender");
    for (const DealField *input : LoanInputs)
        header << QLatin1String(input->key);
    for (const LoanMeasure &measure : loanMeasures()) {
        if (!isLaterColumn(measure))
            header << QLatin1String(measure.key);
    }
    for (const PropertyMeasure &measure : propertyMeasures())
        header << QLatin1String(measure.key);
    header << QStringLiteral("extra_payment") << QStringLiteral("interest_saved")
           << QStringLiteral("cash_invested");
    for (const SummaryFigure &figure : SummaryFigures)
        header << QLatin1String(figure.key);
    for (Scenario scenario : Scenarios)
        header << QStringLiteral("irr_") + QLatin1String(scenarioKey(scenario));
    header << QStringLiteral("highest_offer_for_target_irr") << QStringLiteral("hold_years")
           << QStringLiteral("year_1_cash_flow") << QStringLiteral("break_even_occupancy")
           << QStringLiteral("compared");
    return csvLine(header);
}

QByteArray AnalysisExport::dealCsvLines(const QString &file, const DealRecord &record,
                                        const DealAnalysis &deal)
{
    QByteArray csv;
    for (int k = 0; k < MAX_LOANS; ++k) {
        QStringList line = {csvText(file), csvText(record.m_description)};
        for (const DealField *input : PropertyInputs)
            line << inputCell(input, record, k, forScripts());
        line << QString::number(k + 1) << csvText(record.m_lender[k]);
        for (const DealField *input : LoanInputs)
            line << inputCell(input, record, k, forScripts());
        const LoanAnalysis &loan = deal.loans[std::size_t(k)];
        for (const LoanMeasure &measure : loanMeasures()) {
            if (!isLaterColumn(measure))
                line << csvValue(measure.get(loan), measure.unit);
        }
        for (const PropertyMeasure &measure : propertyMeasures())
            line << csvValue(measure.get(deal.property), measure.unit);
        line << number(record.m_extraPayment[k].m_value, 2, forScripts())
             << csvValue(loan.interestSaved, MeasureUnit::Money)
             << csvValue(cashInvested(loan.projection), MeasureUnit::Money);
        for (const SummaryFigure &figure : SummaryFigures)
            line << csvValue(loan.projection.*figure.member, figure.unit);
        for (const ScenarioResult &scenario : loan.scenarios)
            line << csvValue(scenario.irr, MeasureUnit::Fraction);
        line << csvValue(loan.priceToOffer, MeasureUnit::Money)
             << shortest(record.m_projection.m_holdYears.m_value, forScripts())
             << (loan.projection.years.empty()
                     ? QString()
                     : number(loan.projection.years.front().cashFlow, 2, forScripts()))
             << csvValue(loan.breakEvenOccupancy, MeasureUnit::Fraction)
             << (comparedOffers(record)[std::size_t(k)] ? QStringLiteral("1") : QStringLiteral("0"));
        csv += csvFields(line);
    }
    return csv;
}

QJsonObject AnalysisExport::dealJson(const QString &file, const DealRecord &record,
                                     const DealAnalysis &deal)
{
    return dealObject(file, record, deal, false);
}

QByteArray AnalysisExport::dealJsonText(const QString &file, const DealRecord &record,
                                        const DealAnalysis &deal)
{
    const QByteArray withPlaceholders =
        QJsonDocument(dealObject(file, record, deal, true)).toJson(QJsonDocument::Indented).chopped(1);
    QByteArray text;
    text.reserve(withPlaceholders.size() + 200000);
    qsizetype from = 0;
    for (int k = 0; k < MAX_LOANS; ++k) {
        // The placeholder as the writer escapes it, found only as the value of a "years" key:
        // inside a text of the user's every quote is escaped, so no description, lender or file
        // name can hold the key and the opening quote of its value.
        const QByteArray placeholder = QJsonDocument(QJsonArray{YearsPlaceholder + QString::number(k)})
                                           .toJson(QJsonDocument::Compact)
                                           .mid(1)
                                           .chopped(1);
        const QByteArray key = "\"years\": ";
        const qsizetype keyAt = withPlaceholders.indexOf(key + placeholder, from);
        if (keyAt < 0)
            continue;
        const qsizetype at = keyAt + key.size();
        const qsizetype lineStart = withPlaceholders.lastIndexOf('\n', at) + 1;
        const qsizetype indent = withPlaceholders.indexOf('"', lineStart) - lineStart;
        text.append(withPlaceholders.constData() + from, at - from);
        text.append(yearsText(deal.loans[std::size_t(k)].projection, int(indent)));
        from = at + placeholder.size();
    }
    return text.append(withPlaceholders.constData() + from, withPlaceholders.size() - from);
}

namespace {

QJsonObject dealObject(const QString &file, const DealRecord &record, const DealAnalysis &deal,
                       bool yearsLater)
{
    QJsonObject property;
    for (const DealField *input : PropertyInputs)
        property.insert(QLatin1String(input->key), inputValue(input, record, 0));
    // Kept for readers of the earlier output, which gave the shares typed in per cent.
    property.insert(QStringLiteral("safety_margin_percent"), record.m_safetyMargin.m_value);
    for (const PropertyMeasure &measure : propertyMeasures())
        property.insert(QLatin1String(measure.key), jsonValue(measure.get(deal.property)));
    QJsonArray loans;
    for (int k = 0; k < MAX_LOANS; ++k) {
        QJsonObject loan{{QStringLiteral("loan"), k + 1},
                         {QStringLiteral("lender"), record.m_lender[k]},
                         {QStringLiteral("compared"), comparedOffers(record)[std::size_t(k)]}};
        for (const DealField *input : LoanInputs)
            loan.insert(QLatin1String(input->key), inputValue(input, record, k));
        loan.insert(QStringLiteral("interest_rate_percent"), record.m_interestRate[k].m_value);
        loan.insert(QStringLiteral("extra_payment"), record.m_extraPayment[k].m_value);
        for (const LoanMeasure &measure : loanMeasures())
            loan.insert(QLatin1String(measure.key), jsonValue(measure.get(deal.loans[std::size_t(k)])));
        const LoanAnalysis &analysis = deal.loans[std::size_t(k)];
        loan.insert(QStringLiteral("projection"), projectionJson(analysis.projection, k, yearsLater));
        loan.insert(QStringLiteral("scenarios"), scenariosJson(analysis));
        loan.insert(QStringLiteral("highest_offer_for_target_irr"), jsonValue(analysis.priceToOffer));
        loans.append(loan);
    }
    return {{QStringLiteral("file"), file},
            {QStringLiteral("description"), record.m_description},
            {QStringLiteral("property"), property},
            {QStringLiteral("loans"), loans},
            {QStringLiteral("most_safety_cash_flow"), loanNumber(deal.mostSafetyCashFlow)},
            {QStringLiteral("least_interest"), loanNumber(deal.leastInterest)},
            {QStringLiteral("assumptions"), assumptionsJson(record)},
            {QStringLiteral("best_irr"), loanNumber(deal.bestIrr)},
            {QStringLiteral("best_irr_by_scenario"),
             QJsonObject{{QStringLiteral("bear"), loanNumber(deal.bestIrrByScenario[0])},
                         {QStringLiteral("base"), loanNumber(deal.bestIrrByScenario[1])},
                         {QStringLiteral("bull"), loanNumber(deal.bestIrrByScenario[2])}}}};
}

} // namespace

QByteArray AnalysisExport::dealsJson(const QList<QJsonObject> &deals)
{
    QJsonArray array;
    for (const QJsonObject &deal : deals)
        array.append(deal);
    const QJsonObject document{{QStringLiteral("format"), QStringLiteral("zantoria-analysis")},
                               {QStringLiteral("version"), 2},
                               {QStringLiteral("deals"), array}};
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

QByteArray AnalysisExport::yearlyCsvHeader()
{
    QStringList header = {QStringLiteral("file"), QStringLiteral("loan"), QStringLiteral("year")};
    for (const YearFigure &figure : YearFigures)
        header << QLatin1String(figure.key);
    for (const YearReturn &figure : YearReturns)
        header << QLatin1String(figure.key);
    header << QStringLiteral("lender");
    return csvLine(header);
}

QByteArray AnalysisExport::yearlyCsvLines(const QString &file, const DealRecord &record,
                                          const DealAnalysis &deal)
{
    const MeasureUnit units[] = {MeasureUnit::Fraction, MeasureUnit::Money, MeasureUnit::Ratio};
    QByteArray csv;
    for (int k = 0; k < MAX_LOANS; ++k) {
        for (const ProjectionYear &year : deal.loans[std::size_t(k)].projection.years) {
            QStringList line = {csvText(file), QString::number(k + 1), QString::number(year.year)};
            for (const YearFigure &figure : YearFigures)
                line << number(year.*figure.member, 2, forScripts());
            for (std::size_t i = 0; i < std::size(YearReturns); ++i)
                line << csvValue(year.*YearReturns[i].member, units[i]);
            line << csvText(record.m_lender[k]);
            csv += csvFields(line);
        }
    }
    return csv;
}
