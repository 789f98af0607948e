#include "core/readnotice.h"

#include "core/texts.h"
#include "core/dealfields.h"

#include <QCoreApplication>

namespace {

// A stored figure as quoted in a message: a few dozen characters say enough, and control
// characters, which a file may hold to play tricks on a terminal, show as replacement marks.
QString Quoted(const QString &text)
{
    constexpr int shown = 40;
    QString quoted = text.size() <= shown ? text : text.left(shown - 1) + QChar(0x2026);
    for (QChar &c : quoted) {
        if (c.category() == QChar::Other_Control)
            c = QChar::ReplacementCharacter;
    }
    return quoted;
}

} // namespace

QString ReadNotice::message() const
{
    const QString name = field->shownName(loan);
    const QString length = QString::number(text.size());
    if (line > 0) {
        if (kind == FigureTooLarge)
            return ReadNoticeText::tr("Line %1: the figure %2 for %3 is too large to show; it "
                                        "was not read.")
                .arg(QString::number(line), Quoted(text), name);
        return ReadNoticeText::tr("Line %1: %2 is longer than 1,000 characters (%3); it was not "
                                    "read.")
            .arg(QString::number(line), name, length);
    }
    if (kind == FigureTooLarge)
        return ReadNoticeText::tr("The saved figure %1 for %2 is too large to show; it was not "
                                    "used, and stays saved as it was until you enter another.")
            .arg(Quoted(text), name);
    if (kind == NotANumber)
        return ReadNoticeText::tr("The saved entry %1 for %2 is not a number (such as 3.5); it "
                                    "was not used, and stays saved as it was until you enter "
                                    "another.")
            .arg(Quoted(entry + QLatin1Char('=') + text), name);
    return ReadNoticeText::tr("The saved text of %1 is longer than 1,000 characters (%2); it was "
                                "not used, and stays saved as it was until you enter another.")
        .arg(name, length);
}
