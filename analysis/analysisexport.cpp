#include "analysis/analysisexport.h"

#include "core/texts.h"
#include "core/dealfields.h"
#include "core/localeservices.h"
#include "core/measures.h"
#include "textio/textfile.h"

#include <QCoreApplication>
#include <QLocale>
#include <QJsonDocument>

#include "analysis/fixednumber.h"
#include "analysis/jsonwriter.h"
#include <QRegularExpression>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace {

// Whether an offer takes part in the comparison: a loan's member of the JSON, a CSV column.
constexpr char ComparedKey[] = "compared";

int decimals(MeasureUnit unit)
{
    switch (unit) {
    case MeasureUnit::Money:
        return 2;
    case MeasureUnit::Fraction:
    case MeasureUnit::Rate:
        return 6;
    case MeasureUnit::Ratio:
        return 4;
    case MeasureUnit::Count:
        break;
    }
    return 0;
}

// A number for a spreadsheet: "." as the decimal point, no grouping, no exponent, no minus sign
// before a figure that rounds to zero.
QByteArray plainBytes(double value, int decimals)
{
    std::string text;
    appendFixed(text, value, decimals);
    return QByteArray(text.data(), qsizetype(text.size()));
}

QString plain(double value, int decimals)
{
    return QString::fromLatin1(plainBytes(value, decimals));
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
QByteArray shortestBytes(double value)
{
    QByteArray text = plainBytes(value, 6);
    if (text.contains('.')) {
        while (text.endsWith('0'))
            text.chop(1);
        if (text.endsWith('.'))
            text.chop(1);
    }
    return text;
}

QString shortest(double value, const CsvStyle &style)
{
    return QString::fromLatin1(shortestBytes(value)).replace(QLatin1Char('.'), style.point);
}

QString csvValue(const Measure &measure, MeasureUnit unit, const CsvStyle &style = forScripts())
{
    return measure.isKnown() ? number(measure.value, decimals(unit), style) : QString();
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

// The decimals a typed figure is written with: cents for money, a fraction's six for a share;
// none for a whole number, written as short as it is.
std::optional<int> inputDecimals(const DealField *input)
{
    switch (input->kind) {
    case FieldKind::Money:
        return 2;
    case FieldKind::Percent:
        return decimals(MeasureUnit::Fraction);
    case FieldKind::WholeNumber:
    case FieldKind::Text:
        break;
    }
    return std::nullopt;
}

QString inputCell(const DealField *input, const DealRecord &record, int k, const CsvStyle &style)
{
    const double value = inputValue(input, record, k);
    const std::optional<int> places = inputDecimals(input);
    return places ? number(value, *places, style) : shortest(value, style);
}

QString inputLabel(const DealField *input)
{
    return QCoreApplication::translate("Report", input->exportLabel);
}

// The years of a projection, a member of the object being written: a list per key of a year
// column table, year 1 first. Kept apart, a market's thirty years of five offers each would
// repeat every key thirty times, nearly half of what is written.
void writeYears(JsonWriter &json, const std::vector<ProjectionYear> &years,
                const std::vector<ProjectionYearColumn> &columns)
{
    json.key("years");
    json.beginObject();
    for (const ProjectionYearColumn &column : columns) {
        json.key(column.key);
        json.beginArray();
        for (const ProjectionYear &year : years)
            json.value(column.get(year));
        json.endArray();
    }
    json.endObject();
}

// A projection: its summary and its years, each year's members in the order of the CSV.
void writeProjection(JsonWriter &json, const LoanAnalysis &loan, bool years)
{
    json.beginObject();
    for (const ProjectionMeasure &measure : projectionMeasures()) {
        if (!measure.ofTheHold)
            continue;
        json.key(measure.key);
        json.value(measure.get(loan));
    }
    if (years)
        writeYears(json, loan.projection.years, projectionYearColumns());
    json.endObject();
}

// What the investor keeps: the hold's returns after tax and each year's tax (none where the
// after-tax figures are unknown).
void writeAfterTax(JsonWriter &json, const LoanAnalysis &loan, bool years)
{
    json.beginObject();
    for (const AfterTaxMeasure &measure : afterTaxMeasures()) {
        json.key(measure.key);
        json.value(measure.get(loan));
    }
    const Projection &projection = loan.projection;
    if (years)
        writeYears(json, projection.afterTax.reason.isEmpty() ? projection.years : std::vector<ProjectionYear>{},
                   afterTaxYearColumns());
    json.endObject();
}

// The refinance of an offer, or null where none is made.
void writeRefinance(JsonWriter &json, const RefinanceResult &refinance)
{
    if (!refinance.made) {
        json.null();
        return;
    }
    json.beginObject();
    const std::pair<const char *, const Measure *> figures[] = {
        {"new_loan_amount", &refinance.newLoanAmount}, {"cash_out", &refinance.cashOut},
        {"cash_left_in_deal", &refinance.cashLeftInDeal}, {"cash_on_cash_after", &refinance.cashOnCashAfter}};
    for (const auto &[key, measure] : figures) {
        json.key(key);
        json.value(*measure);
    }
    json.endObject();
}

void writeScenarios(JsonWriter &json, const LoanAnalysis &loan)
{
    json.beginObject();
    for (Scenario scenario : Scenarios) {
        json.key(scenarioKey(scenario));
        json.beginObject();
        for (const ProjectionMeasure &measure : projectionMeasures()) {
            if (!measure.ofScenario)
                continue;
            json.key(measure.key);
            json.value(measure.ofScenario(loan.scenarios[std::size_t(scenario)]));
        }
        json.endObject();
    }
    json.endObject();
}

// The assumptions as typed: the base ones at the top, the bear and bull markets in objects of
// their own; shares and rates in per cent, as the keys say.
void writeAssumptions(JsonWriter &json, const DealRecord &record)
{
    json.beginObject();
    for (Scenario scenario : Scenarios) {
        if (scenario != Scenario::Base) {
            json.key(scenarioKey(scenario));
            json.beginObject();
        }
        for (const DealField &field : projectionFields()) {
            if (field.perLoan || field.scenario != scenario || field.group)
                continue;
            json.key(field.key);
            json.value(field.figure(record, 0).m_value);
        }
        if (scenario != Scenario::Base)
            json.endObject();
    }
    // The figures of a group (the refinance) in an object of their own.
    const char *group = nullptr;
    for (const DealField &field : projectionFields()) {
        if (!field.group)
            continue;
        if (!group || qstrcmp(group, field.group) != 0) {
            if (group)
                json.endObject();
            group = field.group;
            json.key(group);
            json.beginObject();
        }
        json.key(field.key);
        json.value(field.figure(record, 0).m_value);
    }
    if (group)
        json.endObject();
    json.endObject();
}

// A loan's number (1 to 5), or null for none.
void writeLoanNumber(JsonWriter &json, int k)
{
    if (k < 0)
        json.null();
    else
        json.value(k + 1);
}

// The loan costs came later still: the typed points and fees, then what they cost.
bool isLoanCost(const LoanMeasure &measure)
{
    return measure.id >= LoanMeasureId::Points;
}

// Columns that came with the holding period stand after those of earlier versions, so that a
// script reading columns by their place keeps working.
bool isLaterColumn(const LoanMeasure &measure)
{
    return measure.id == LoanMeasureId::InterestSaved || measure.id == LoanMeasureId::BreakEvenOccupancy
        || isLoanCost(measure);
}

// What the comparison's offers cost if repaid: the cheapest month by month and the points
// break-even of each pair, loans by their numbers.
void writeLoanCosts(JsonWriter &json, const DealAnalysis &deal)
{
    json.key("cheapest_by_month");
    json.beginArray();
    for (const CheapestStretch &stretch : deal.cheapestByMonth) {
        json.beginObject();
        json.key("from_month");
        json.value(stretch.fromMonth);
        json.key("loan");
        writeLoanNumber(json, stretch.loan);
        json.endObject();
    }
    json.endArray();
    json.key("points_break_even");
    json.beginArray();
    for (const PointsBreakEven &pair : deal.pointsBreakEven) {
        json.beginObject();
        json.key("loan");
        json.value(pair.loan + 1);
        json.key("versus");
        json.value(pair.versus + 1);
        json.key("month");
        if (pair.month)
            json.value(*pair.month);
        else
            json.null();
        json.endObject();
    }
    json.endArray();
}

QString loanName(const DealRecord &record, int k)
{
    const QString lender = record.m_lender[k].trimmed();
    return lender.isEmpty() ? AnalysisText::tr("Loan %1").arg(k + 1)
                            : AnalysisText::tr("Loan %1: %2").arg(QString::number(k + 1), lender);
}

// Printable ASCII that does not start with a space or a sign: most names and file names, which
// csvText() gives back as they are.
bool plainlyText(const QString &text)
{
    const bool printable = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7f; });
    return printable && (text.isEmpty() || !QByteArrayView("=+-@ ").contains(char(text.front().unicode())));
}

} // namespace

QString AnalysisExport::csvText(const QString &text)
{
    if (plainlyText(text))
        return text;
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

namespace {

// A cell as it is, in quotes (its own doubled) where it holds the separator, a quote or a line end.
QString quotedCell(const QString &field, QChar separator)
{
    const bool needsQuotes = field.contains(separator) || field.contains(QLatin1Char('"'))
        || field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r'));
    if (!needsQuotes)
        return field;
    QString text = field;
    return QLatin1Char('"') + text.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

// A line of the CSV for scripts, written cell after cell into its bytes: the figures of a
// market's deals, thousands a second, go through no list of texts.
class ScriptLine
{
public:
    void cell(const QString &field)
    {
        bytes(quotedCell(field, QLatin1Char(',')).toUtf8());
    }
    void number(double value, int decimals)
    {
        next();
        appendFixed(m_line, value, decimals);
    }
    // A typed figure, as inputCell() writes it for scripts.
    void input(const DealField *input, const DealRecord &record, int k)
    {
        const double value = inputValue(input, record, k);
        if (const std::optional<int> places = inputDecimals(input))
            number(value, *places);
        else
            bytes(shortestBytes(value));
    }
    void measure(const Measure &measure, MeasureUnit unit)
    {
        if (measure.isKnown())
            number(measure.value, decimals(unit));
        else
            next();
    }
    void reserve(std::size_t bytes)
    {
        m_line.reserve(bytes);
    }
    void bytes(const QByteArray &cell) // a cell that needs no quotes
    {
        next();
        m_line.append(cell.constData(), std::size_t(cell.size()));
    }
    // The cells of another line, after those of this one.
    void cells(const ScriptLine &other)
    {
        if (other.m_cells == 0)
            return;
        next();
        m_line += other.m_line;
        m_cells += other.m_cells - 1;
    }
    // The line, ended, after the text.
    void endInto(std::string &text) const
    {
        text += m_line;
        text += "\r\n";
    }

private:
    void next()
    {
        if (m_cells++ > 0)
            m_line += ',';
    }

    std::string m_line; // not a QByteArray, whose appends take several times as long
    int m_cells = 0;
};

} // namespace

QByteArray AnalysisExport::csvFields(const QStringList &fields, QChar separator)
{
    QStringList quoted;
    for (const QString &field : fields)
        quoted << quotedCell(field, separator);
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
    header << QLatin1String(extraPaymentField().key) << QLatin1String(loanMeasure(LoanMeasureId::InterestSaved).key);
    for (const ProjectionMeasure &measure : projectionMeasures()) {
        if (measure.ofTheHold)
            header << QLatin1String(measure.key);
    }
    for (Scenario scenario : Scenarios)
        header << QStringLiteral("irr_") + QLatin1String(scenarioKey(scenario));
    header << QStringLiteral("highest_offer_for_target_irr") << QLatin1String(holdingPeriodField().key)
           << QLatin1String(projectionMeasure(ProjectionMeasureId::YearOneCashFlow).key)
           << QLatin1String(loanMeasure(LoanMeasureId::BreakEvenOccupancy).key) << QLatin1String(ComparedKey);
    for (const LoanMeasure &measure : loanMeasures()) {
        if (isLoanCost(measure))
            header << QLatin1String(measure.key);
    }
    header << QStringLiteral("after_tax_irr") << QStringLiteral("refinance_cash_out");
    return csvLine(header);
}

QByteArray AnalysisExport::dealCsvLines(const QString &file, const DealRecord &record,
                                        const DealAnalysis &deal)
{
    std::string csv;
    const QString fileCell = csvText(file);
    const QString descriptionCell = csvText(record.m_description);
    const ComparedOffers compared = comparedOffers(record);
    // The property's cells are the same on each offer's line: written once.
    ScriptLine property;
    property.cell(fileCell);
    property.cell(descriptionCell);
    for (const DealField *input : PropertyInputs)
        property.input(input, record, 0);
    ScriptLine propertyMeasured;
    for (const PropertyMeasure &measure : propertyMeasures())
        propertyMeasured.measure(measure.get(deal.property), measure.unit);
    const QByteArray holdYears = shortestBytes(record.m_projection.m_holdYears.m_value);
    // Each offer's line is written over the one before, in room made once for all five.
    csv.reserve(5 * 1024);
    ScriptLine line;
    line.reserve(1024);
    for (int k = 0; k < MAX_LOANS; ++k) {
        line = property;
        line.bytes(QByteArray::number(k + 1));
        line.cell(csvText(record.m_lender[k]));
        for (const DealField *input : LoanInputs)
            line.input(input, record, k);
        const LoanAnalysis &loan = deal.loans[std::size_t(k)];
        for (const LoanMeasure &measure : loanMeasures()) {
            if (!isLaterColumn(measure))
                line.measure(measure.get(loan), measure.unit);
        }
        line.cells(propertyMeasured);
        line.number(record.m_extraPayment[k].m_value, 2);
        line.measure(loan.interestSaved, MeasureUnit::Money);
        for (const ProjectionMeasure &measure : projectionMeasures()) {
            if (measure.ofTheHold)
                line.measure(measure.get(loan), measure.unit);
        }
        for (const ScenarioResult &scenario : loan.scenarios)
            line.measure(scenario.irr, MeasureUnit::Fraction);
        line.measure(loan.priceToOffer, MeasureUnit::Money);
        line.bytes(holdYears);
        line.measure(projectionMeasure(ProjectionMeasureId::YearOneCashFlow).get(loan), MeasureUnit::Money);
        line.measure(loan.breakEvenOccupancy, MeasureUnit::Fraction);
        line.bytes(compared[std::size_t(k)] ? "1" : "0");
        for (const LoanMeasure &measure : loanMeasures()) {
            if (isLoanCost(measure))
                line.measure(measure.get(loan), measure.unit);
        }
        line.measure(loan.projection.afterTax.irr, MeasureUnit::Fraction);
        if (loan.projection.refinance.made)
            line.measure(loan.projection.refinance.cashOut, MeasureUnit::Money);
        else
            line.bytes({});
        line.endInto(csv);
    }
    return QByteArray(csv.data(), qsizetype(csv.size()));
}

QJsonObject AnalysisExport::dealJson(const QString &file, const DealRecord &record,
                                     const DealAnalysis &deal)
{
    return QJsonDocument::fromJson(dealJsonText(file, record, deal)).object();
}

QByteArray AnalysisExport::dealJsonText(const QString &file, const DealRecord &record,
                                        const DealAnalysis &deal, int level, JsonStyle style)
{
    JsonWriter json(level, style.compact);
    // Deals of one command take about the same room: a deal with its years some 80 KB.
    thread_local std::size_t lastSize = 0;
    json.reserve(lastSize + lastSize / 8);
    json.beginObject();
    json.key("file");
    json.value(file);
    json.key("description");
    json.value(record.m_description);
    json.key("property");
    json.beginObject();
    for (const DealField *input : PropertyInputs) {
        json.key(input->key);
        json.value(inputValue(input, record, 0));
    }
    // Kept for readers of the earlier output, which gave the shares typed in per cent.
    json.key("safety_margin_percent");
    json.value(record.m_safetyMargin.m_value);
    for (const PropertyMeasure &measure : propertyMeasures()) {
        json.key(measure.key);
        json.value(measure.get(deal.property));
    }
    json.endObject();
    json.key("loans");
    json.beginArray();
    const ComparedOffers compared = comparedOffers(record);
    for (int k = 0; k < MAX_LOANS; ++k) {
        const LoanAnalysis &loan = deal.loans[std::size_t(k)];
        json.beginObject();
        json.key("loan");
        json.value(k + 1);
        json.key("lender");
        json.value(record.m_lender[k]);
        json.key(ComparedKey);
        json.value(bool(compared[std::size_t(k)]));
        for (const DealField *input : LoanInputs) {
            json.key(input->key);
            json.value(inputValue(input, record, k));
        }
        json.key("interest_rate_percent");
        json.value(record.m_interestRate[k].m_value);
        for (const DealField *field : offerSummaryFields()) {
            json.key(field->key);
            json.value(field->figure(record, k).m_value);
        }
        for (const LoanMeasure &measure : loanMeasures()) {
            if (measure.typed)
                continue;
            json.key(measure.key);
            json.value(measure.get(loan));
        }
        json.key("projection");
        writeProjection(json, loan, style.years);
        json.key("scenarios");
        writeScenarios(json, loan);
        json.key("highest_offer_for_target_irr");
        json.value(loan.priceToOffer);
        json.key("after_tax");
        writeAfterTax(json, loan, style.years);
        json.key("refinance");
        writeRefinance(json, loan.projection.refinance);
        json.endObject();
    }
    json.endArray();
    json.key("most_safety_cash_flow");
    writeLoanNumber(json, deal.mostSafetyCashFlow);
    json.key("least_interest");
    writeLoanNumber(json, deal.leastInterest);
    json.key("assumptions");
    writeAssumptions(json, record);
    json.key("best_irr");
    writeLoanNumber(json, deal.bestIrr);
    writeLoanCosts(json, deal);
    json.key("best_irr_by_scenario");
    json.beginObject();
    for (Scenario scenario : Scenarios) {
        json.key(scenarioKey(scenario));
        writeLoanNumber(json, deal.bestIrrByScenario[std::size_t(scenario)]);
    }
    json.endObject();
    json.endObject();
    lastSize = json.size();
    return json.take();
}

QByteArray AnalysisExport::jsonDocumentHead(bool compact)
{
    return compact ? QByteArrayLiteral("{\"format\":\"zantoria-analysis\",\"version\":2,\"deals\":[")
                   : QByteArrayLiteral("{\n    \"format\": \"zantoria-analysis\",\n    \"version\": 2,\n    \"deals\": [");
}

QByteArray AnalysisExport::jsonDocumentTail(bool compact)
{
    return compact ? QByteArrayLiteral("]}\n") : QByteArrayLiteral("\n    ]\n}\n");
}

QByteArray AnalysisExport::jsonDealSeparator(bool first, bool compact)
{
    if (compact)
        return first ? QByteArray() : QByteArrayLiteral(",");
    return first ? QByteArrayLiteral("\n        ") : QByteArrayLiteral(",\n        ");
}

QByteArray AnalysisExport::dealsJson(const QList<QByteArray> &deals)
{
    QByteArray document = jsonDocumentHead();
    for (const QByteArray &deal : deals)
        document += (&deal == &deals.front() ? "\n        " : ",\n        ") + deal;
    return document + jsonDocumentTail();
}

QByteArray AnalysisExport::yearlyCsvHeader()
{
    QStringList header = {QStringLiteral("file"), QStringLiteral("loan")};
    for (const ProjectionYearColumn &column : projectionYearColumns())
        header << QLatin1String(column.key);
    header << QStringLiteral("lender");
    return csvLine(header);
}

QByteArray AnalysisExport::yearlyCsvLines(const QString &file, const DealRecord &record,
                                          const DealAnalysis &deal)
{
    QByteArray csv;
    for (int k = 0; k < MAX_LOANS; ++k) {
        for (const ProjectionYear &year : deal.loans[std::size_t(k)].projection.years) {
            QStringList line = {csvText(file), QString::number(k + 1)};
            for (const ProjectionYearColumn &column : projectionYearColumns())
                line << csvValue(column.get(year), column.unit);
            line << csvText(record.m_lender[k]);
            csv += csvFields(line);
        }
    }
    return csv;
}
