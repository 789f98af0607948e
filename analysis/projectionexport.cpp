#include "analysis/projectionexport.h"

#include "analysis/analysisexport.h"
#include "core/localeservices.h"
#include "core/measures.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

const char ByteOrderMark[] = "\xEF\xBB\xBF";

QString translated(const char *text)
{
    return QCoreApplication::translate("Projection", text);
}

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

} // namespace

QByteArray ProjectionExport::projectionCsv(const DealRecord &record, const DealAnalysis &deal, int loan)
{
    using AnalysisExport::csvFields;
    using AnalysisExport::csvLine;
    const QChar separator = LocaleServices::decimalSeparator() == QLatin1String(",") ? QLatin1Char(';')
                                                                                     : QLatin1Char(',');
    QStringList header = {translated(QT_TRANSLATE_NOOP("Projection", "Measure"))};
    QStringList compared = {translated(QT_TRANSLATE_NOOP("Projection", "Compared"))};
    for (int k = 0; k < MAX_LOANS; ++k) {
        header << loanName(record, k);
        compared << (deal.loans[std::size_t(k)].notCompared.isEmpty()
                         ? translated(QT_TRANSLATE_NOOP("Projection", "yes"))
                         : translated(QT_TRANSLATE_NOOP("Projection", "no")));
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
