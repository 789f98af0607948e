#include "ui/figureedits.h"
#include "ui/figuretext.h"

#include "core/dealfields.h"
#include "core/measures.h"
#include "core/value.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

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
    edit->setWhatsThis(definition + QLatin1Char(' ') + projectionText(field.consequence));
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
