#include "ui/linklabel.h"

#include <QFocusEvent>

LinkLabel::LinkLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::RichText);
    setFocusPolicy(Qt::StrongFocus);
    setTextInteractionFlags(Qt::LinksAccessibleByKeyboard | Qt::LinksAccessibleByMouse);
}

void LinkLabel::focusInEvent(QFocusEvent *event)
{
    QLabel::focusInEvent(event);
    // A plain label takes the focus with no link selected and needs a second Tab for it.
    if (event->reason() == Qt::TabFocusReason)
        focusNextPrevChild(true);
    else if (event->reason() == Qt::BacktabFocusReason)
        focusNextPrevChild(false);
}
