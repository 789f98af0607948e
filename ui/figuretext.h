#pragma once

#include <QChar>
#include <QString>

// A figure as the windows show it. ICU begins a right-to-left locale's money with an Arabic letter
// mark ("\u061C224.44 US$" in ar_EG): a line edit, a label or a chart then lays it out right to
// left ("$US 224.44") while a table cell lays it out left to right ("224.44 US$"). A left-to-right
// mark in front, which ICU itself puts before such a locale's plain numbers, makes every widget
// show the amount one way. Parsing skips the mark like any other sign that is no digit.
inline QString shownFigure(QString figure)
{
    for (const QChar c : std::as_const(figure)) {
        switch (c.direction()) {
        case QChar::DirL:
        case QChar::DirEN:
            return figure;
        case QChar::DirR:
        case QChar::DirAL:
            return figure.prepend(QChar(0x200E));
        default:
            break;
        }
    }
    return figure;
}
