#include "analysis/projectionexport.h"

#include "core/texts.h"
#include "analysis/analysisexport.h"
#include "core/dealfields.h"
#include "core/localeservices.h"
#include "core/measures.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

namespace {

const char ByteOrderMark[] = "\xEF\xBB\xBF";

// A number for the user's spreadsheet: the locale's decimal separator, no grouping, no exponent;
// a tiny negative that rounds to zero is written without its sign.
QString number(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    static const QRegularExpression nonZero(QStringLiteral("[1-9]"));
    if (text.startsWith(QLatin1Char('-')) && !text.contains(nonZero))
        text.remove(0, 1);
    return text.replace(QLatin1Char('.'), LocaleServices::decimalSeparator());
}

int decimals(MeasureUnit unit)
{
    // Shares as fractions with six places, like the comparison's.
    return unit == MeasureUnit::Fraction ? 6 : unit == MeasureUnit::Ratio ? 4 : 2;
}

QString cell(const Measure &measure, MeasureUnit unit)
{
    return measure.isKnown() ? number(measure.value, decimals(unit)) : QString();
}

QString loanName(const DealRecord &record, int loan)
{
    const QString lender = record.m_lender[loan].trimmed();
    const QString number = QCoreApplication::translate("Analysis", "Loan %1").arg(loan + 1);
    return lender.isEmpty() ? number : number + QStringLiteral(": ") + lender;
}

QChar separatorOfTheLocale()
{
    return LocaleServices::decimalSeparator() == QLatin1String(",") ? QLatin1Char(';') : QLatin1Char(',');
}

QString scenarioName(Scenario scenario)
{
    switch (scenario) {
    case Scenario::Bear:
        return ProjectionText::tr("Bear");
    case Scenario::Base:
        break;
    case Scenario::Bull:
        return ProjectionText::tr("Bull");
    }
    return ProjectionText::tr("Base");
}

// A percent as the record holds it (7.5 for 7.5 %) as a share, like every other share here.
QString share(double percent)
{
    return number(percent / 100, decimals(MeasureUnit::Fraction));
}

} // namespace

QByteArray ProjectionExport::projectionCsv(const DealRecord &record, const DealAnalysis &deal, int loan)
{
    using AnalysisExport::csvFields;
    using AnalysisExport::csvLine;
    const QChar separator = LocaleServices::decimalSeparator() == QLatin1String(",") ? QLatin1Char(';')
                                                                                     : QLatin1Char(',');
    QStringList header = {ProjectionText::tr("Measure")};
    QStringList compared = {ProjectionText::tr("Compared")};
    for (int k = 0; k < MAX_LOANS; ++k) {
        header << loanName(record, k);
        compared << (deal.loans[std::size_t(k)].notCompared.isEmpty()
                         ? ProjectionText::tr("yes")
                         : ProjectionText::tr("no"));
    }
    QByteArray csv = ByteOrderMark + csvLine(header, separator) + csvLine(compared, separator);
    for (const ProjectionMeasure &row : projectionMeasures()) {
        QStringList cells = {AnalysisExport::csvText(projectionText(row.label))};
        for (int k = 0; k < MAX_LOANS; ++k)
            cells << cell(row.get(deal.loans[std::size_t(k)]), row.unit);
        csv += csvFields(cells, separator);
    }

    const Projection &projection = deal.loans[std::size_t(loan)].projection;
    csv += QByteArrayLiteral("\r\n");
    csv += csvLine({loanName(record, loan), projection.reason}, separator);
    QStringList titles;
    for (const ProjectionYearColumn &column : projectionYearColumns())
        titles << projectionText(column.label);
    csv += csvLine(titles, separator);
    for (const ProjectionYear &year : projection.years) {
        QStringList cells;
        for (const ProjectionYearColumn &column : projectionYearColumns())
            cells << (column.unit == MeasureUnit::Count ? QString::number(year.year)
                                                        : cell(column.get(year), column.unit));
        csv += csvFields(cells, separator);
    }
    return csv;
}

QByteArray ProjectionExport::scenariosCsv(const DealRecord &record, const DealAnalysis &deal)
{
    using AnalysisExport::csvFields;
    using AnalysisExport::csvLine;
    const QChar separator = separatorOfTheLocale();
    // The four market figures of each scenario, as shares.
    QStringList titles = {ProjectionText::tr("Assumption")};
    for (Scenario scenario : Scenarios)
        titles << scenarioName(scenario);
    QByteArray csv = ByteOrderMark + csvLine(titles, separator);
    // A line per market figure, its bear, base and bull figures across; then the target IRR.
    for (const DealField &base : projectionFields()) {
        if (base.market == MarketFigure::None || base.scenario != Scenario::Base)
            continue;
        QStringList cells = {AnalysisExport::csvText(ProjectionText::tr(base.label))};
        for (Scenario scenario : Scenarios) {
            for (const DealField &field : projectionFields()) {
                if (field.market == base.market && field.scenario == scenario)
                    cells << number(field.figure(record, 0).m_value / 100.0, decimals(MeasureUnit::Fraction));
            }
        }
        csv += csvFields(cells, separator);
    }
    for (const DealField &field : projectionFields()) {
        if (field.editedOn == EditedOn::ScenariosPage && field.scenario == Scenario::Base)
            csv += csvFields({AnalysisExport::csvText(ProjectionText::tr(field.label)),
                              number(field.figure(record, 0).m_value / 100.0, decimals(MeasureUnit::Fraction))},
                             separator);
    }

    csv += QByteArrayLiteral("\r\n");
    QStringList header = {ProjectionText::tr("Measure")};
    QStringList compared = {ProjectionText::tr("Compared")};
    QStringList prices = {AnalysisExport::csvText(ProjectionText::tr("Price to Offer"))};
    for (int k = 0; k < MAX_LOANS; ++k) {
        const LoanAnalysis &loan = deal.loans[std::size_t(k)];
        header << loanName(record, k);
        compared << (loan.notCompared.isEmpty() ? ProjectionText::tr("yes")
                                                : ProjectionText::tr("no"));
        prices << cell(loan.priceToOffer, MeasureUnit::Money);
    }
    csv += csvLine(header, separator) + csvLine(compared, separator) + csvFields(prices, separator);
    for (Scenario scenario : Scenarios) {
        for (const ProjectionMeasure &measure : projectionMeasures()) {
            if (!measure.ofScenario)
                continue;
            QStringList cells = {AnalysisExport::csvText(
                QCoreApplication::translate("LoanAnalysisDialog", "%1: %2").arg(scenarioName(scenario), projectionText(measure.label)))};
            for (int k = 0; k < MAX_LOANS; ++k)
                cells << cell(measure.ofScenario(deal.loans[std::size_t(k)].scenarios[std::size_t(scenario)]), measure.unit);
            csv += csvFields(cells, separator);
        }
    }
    return csv;
}

QByteArray ProjectionExport::sensitivityCsv(const DealRecord &record, int loan, const Sensitivity &sensitivity)
{
    using AnalysisExport::csvFields;
    using AnalysisExport::csvLine;
    const QChar separator = separatorOfTheLocale();
    QByteArray csv = ByteOrderMark + csvLine({loanName(record, loan)}, separator);
    // The appreciation down the first column, the holding periods across.
    QStringList header = {ProjectionText::tr("Appreciation")};
    for (int years : sensitivity.holdYears)
        header << QString::number(years);
    csv += csvLine(header, separator);
    for (std::size_t r = 0; r < sensitivity.grid.size(); ++r) {
        QStringList cells = {share(sensitivity.appreciationPercent[r])};
        for (const Measure &irr : sensitivity.grid[r])
            cells << cell(irr, MeasureUnit::Fraction);
        csv += csvFields(cells, separator);
    }
    const struct
    {
        const char *title;
        const OneWaySensitivity Sensitivity::*table;
        bool money;
    } tables[] = {
        {QT_TRANSLATE_NOOP("LoanAnalysisDialog", "Interest rate"), &Sensitivity::interestRate, false},
        {QT_TRANSLATE_NOOP("LoanAnalysisDialog", "Monthly rent"), &Sensitivity::rent, true},
        {QT_TRANSLATE_NOOP("LoanAnalysisDialog", "Vacancy"), &Sensitivity::vacancy, false},
        {QT_TRANSLATE_NOOP("LoanAnalysisDialog", "Purchase price"), &Sensitivity::price, true},
    };
    for (const auto &each : tables) {
        const OneWaySensitivity &table = sensitivity.*(each.table);
        csv += QByteArrayLiteral("\r\n");
        csv += csvLine({QCoreApplication::translate("LoanAnalysisDialog", each.title),
                        QCoreApplication::translate("LoanAnalysisDialog", "IRR")},
                       separator);
        for (std::size_t i = 0; i < table.steps.size(); ++i)
            csv += csvFields({each.money ? number(table.steps[i], 2) : share(table.steps[i]),
                              cell(table.irr[i], MeasureUnit::Fraction)},
                             separator);
    }
    return csv;
}

QByteArray ProjectionExport::loanCostCsv(const DealRecord &record, const DealAnalysis &deal)
{
    using AnalysisExport::csvLine;
    const QChar separator = separatorOfTheLocale();
    QStringList header = {ProjectionText::tr("Month")};
    std::size_t longest = 0;
    for (int k = 0; k < MAX_LOANS; ++k) {
        header << loanName(record, k);
        longest = std::max(longest, deal.loans[std::size_t(k)].costs.costIfRepaid.size());
    }
    header << ProjectionText::tr("Cheapest");
    QByteArray csv = ByteOrderMark + csvLine(header, separator);
    const std::vector<const LoanCosts *> costs = deal.loanCosts();
    const std::vector<bool> compared = deal.compared();
    for (int month = 1; month <= int(longest); ++month) {
        QStringList line = {QString::number(month)};
        for (const LoanCosts *loan : costs)
            line << (loan->costIfRepaid.empty() ? QString() : number(loan->costAfter(month), 2));
        const int cheapest = cheapestAfter(costs, compared, month);
        line << (cheapest < 0 ? QString() : loanName(record, cheapest));
        csv += csvLine(line, separator);
    }
    if (!deal.pointsBreakEven.empty()) {
        csv += csvLine({}, separator);
        csv += csvLine({ProjectionText::tr("More points and fees"), ProjectionText::tr("Against"),
                        ProjectionText::tr("Break-even month")}, separator);
        for (const PointsBreakEven &pair : deal.pointsBreakEven) {
            csv += csvLine({loanName(record, pair.loan), loanName(record, pair.versus),
                            pair.month ? QString::number(*pair.month) : QString()}, separator);
        }
    }
    return csv;
}

QByteArray ProjectionExport::afterTaxCsv(const DealRecord &record, const DealAnalysis &deal, int loan)
{
    using AnalysisExport::csvFields;
    using AnalysisExport::csvLine;
    const QChar separator = separatorOfTheLocale();
    QStringList header = {ProjectionText::tr("Measure")};
    for (int k = 0; k < MAX_LOANS; ++k)
        header << loanName(record, k);
    QByteArray csv = ByteOrderMark + csvLine(header, separator);
    for (const AfterTaxMeasure &row : afterTaxMeasures()) {
        QStringList cells = {AnalysisExport::csvText(projectionText(row.label))};
        for (const LoanAnalysis &each : deal.loans)
            cells << cell(row.get(each), row.unit);
        csv += csvFields(cells, separator);
    }
    const Projection &projection = deal.loans[std::size_t(loan)].projection;
    csv += QByteArrayLiteral("\r\n");
    csv += csvLine({loanName(record, loan), projection.afterTax.reason}, separator);
    QStringList titles;
    for (const ProjectionYearColumn &column : afterTaxYearColumns())
        titles << projectionText(column.label);
    csv += csvLine(titles, separator);
    if (!projection.afterTax.reason.isEmpty())
        return csv;
    for (const ProjectionYear &year : projection.years) {
        QStringList cells;
        for (const ProjectionYearColumn &column : afterTaxYearColumns())
            cells << (column.unit == MeasureUnit::Count ? QString::number(year.year) : cell(column.get(year), column.unit));
        csv += csvFields(cells, separator);
    }
    return csv;
}
