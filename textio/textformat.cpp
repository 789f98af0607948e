#include "textio/textformat.h"

QString FormatArg::text() const
{
    return m_isNumber ? QString::number(m_number) : m_text;
}

QString formatText(const QString &format, std::initializer_list<FormatArg> args)
{
    QString result;
    result.reserve(format.size());
    auto next = args.begin();
    const qsizetype length = format.size();
    qsizetype i = 0;
    while (i < length) {
        const qsizetype percent = format.indexOf(QLatin1Char('%'), i);
        if (percent < 0) {
            result.append(QStringView(format).mid(i));
            break;
        }
        result.append(QStringView(format).mid(i, percent - i));
        if (percent + 1 >= length) {
            // A lone "%" at the very end.
            result.append(QLatin1Char('%'));
            break;
        }
        const QChar kind = format.at(percent + 1);
        if (kind == QLatin1Char('%')) {
            result.append(QLatin1Char('%'));
        } else if ((kind == QLatin1Char('s') || kind == QLatin1Char('d')) && next != args.end()) {
            result.append(next->text());
            ++next;
        } else {
            // Not a directive we know, or no argument left for it: copied as it stands.
            result.append(QLatin1Char('%'));
            result.append(kind);
        }
        i = percent + 2;
    }
    return result;
}

QString escapeFormat(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('%'), QLatin1String("%%"));
    return escaped;
}

QString withoutControlCharacters(QString text)
{
    for (QChar &c : text) {
        if (isControlCharacter(c.unicode()))
            c = QLatin1Char(' ');
    }
    return text;
}
