#include "ui/figureedits.h"
#include "ui/figuretext.h"

#include "core/dealfields.h"
#include "core/measures.h"
#include "core/value.h"

#include <QEvent>
#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace {

// Where an assumption enters the figures, for its What's This.
const char *whereItEnters(const QString &name)
{
    static const QHash<QString, const char *> sentences = {
        {QStringLiteral("HoldYears"), QT_TRANSLATE_NOOP("Projection", "It sets how many years the table runs and the year of the sale.")},
        {QStringLiteral("Appreciation"), QT_TRANSLATE_NOOP("Projection", "It enters the property value of every year, and so the equity and the sale proceeds.")},
        {QStringLiteral("RentGrowth"), QT_TRANSLATE_NOOP("Projection", "It enters the rent of every year after the first.")},
        {QStringLiteral("ExpenseGrowth"), QT_TRANSLATE_NOOP("Projection", "It enters the operating costs of every year after the first.")},
        {QStringLiteral("Vacancy"), QT_TRANSLATE_NOOP("Projection", "It enters the vacancy loss, and so the net operating income.")},
        {QStringLiteral("Maintenance"), QT_TRANSLATE_NOOP("Projection", "It enters the operating costs of every year.")},
        {QStringLiteral("CapitalReserve"), QT_TRANSLATE_NOOP("Projection", "It enters the operating costs of every year.")},
        {QStringLiteral("Management"), QT_TRANSLATE_NOOP("Projection", "It enters the operating costs of every year.")},
        {QStringLiteral("ClosingCosts"), QT_TRANSLATE_NOOP("Projection", "It enters the cash invested in year 0.")},
        {QStringLiteral("SellingCosts"), QT_TRANSLATE_NOOP("Projection", "It enters the sale proceeds.")},
        {QStringLiteral("DiscountRate"), QT_TRANSLATE_NOOP("Projection", "It enters the NPV.")},
        {QStringLiteral("PmiEndLtv"), QT_TRANSLATE_NOOP("Projection", "It decides in which months the PMI is paid.")},
        {QStringLiteral("TargetIrr"), QT_TRANSLATE_NOOP("Projection", "It sets the price to offer of each loan.")},
        {QStringLiteral("ExtraPayment"), QT_TRANSLATE_NOOP("Projection", "It enters the schedule, the debt service, the loan balance and the interest saved.")},
    };
    return sentences.value(name, "");
}

// The same for a figure of the bear or the bull market.
const char *whereItEntersScenario(const char *scenario)
{
    return qstrcmp(scenario, "bear") == 0
        ? QT_TRANSLATE_NOOP("Projection", "It replaces the base figure in the bear market's projection; every other assumption is kept.")
        : QT_TRANSLATE_NOOP("Projection", "It replaces the base figure in the bull market's projection; every other assumption is kept.");
}

} // namespace

FigureEdits::FigureEdits(DealRecord &record, QObject *parent) : QObject(parent), m_record(record)
{
}

FigureEdits::~FigureEdits()
{
    // An edit that loses the focus as the window goes takes nothing into a record half gone.
    for (const Bound &bound : m_edits)
        bound.edit->removeEventFilter(this);
}

QLineEdit *FigureEdits::add(const DealField &field, int loan, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("edit") + field.entry(loan));
    // Every figure stands at the right, even a money text of a right-to-left locale.
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter | Qt::AlignAbsolute);
    const QString definition = projectionText(field.definition);
    edit->setToolTip(definition);
    edit->setWhatsThis(definition + QLatin1Char(' ')
                       + projectionText(field.scenario ? whereItEntersScenario(field.scenario)
                                                       : whereItEnters(QLatin1String(field.name))));
    edit->installEventFilter(this);
    m_edits.push_back({&field, loan, edit});
    return edit;
}

void FigureEdits::show()
{
    for (const Bound &bound : m_edits) {
        if (!bound.edit->hasFocus())
            bound.edit->setText(shownFigure(bound.field->figure(m_record, bound.loan).format(m_record.m_currency)));
    }
}

bool FigureEdits::eventFilter(QObject *watched, QEvent *event)
{
    const bool enter = event->type() == QEvent::KeyPress
        && (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Return
            || static_cast<QKeyEvent *>(event)->key() == Qt::Key_Enter);
    if (enter || event->type() == QEvent::FocusOut) {
        for (const Bound &bound : m_edits) {
            if (bound.edit == watched) {
                take(bound.edit);
                if (enter)
                    return true;
                break;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void FigureEdits::take(QLineEdit *edit)
{
    const auto bound = std::find_if(m_edits.cbegin(), m_edits.cend(),
                                    [edit](const Bound &each) { return each.edit == edit; });
    if (bound == m_edits.cend())
        return;
    Value &figure = bound->field->figure(m_record, bound->loan);
    const double before = figure.m_value;
    edit->setText(shownFigure(figure.takeTyped(edit->text(), m_record.m_currency)));
    // The analysis takes a millisecond: it is done once the figure is taken, never per key.
    if (!(figure.m_value == before))
        emit changed();
}
