#include "core/figurelocales.h"

#include "core/localeservices.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace {
const QString MoneyKey = QStringLiteral("LC_MONETARY");
const QString NumbersKey = QStringLiteral("LC_NUMERIC");
} // namespace

FigureLocales FigureLocales::user(const QString &currency)
{
    const QString money = LocaleServices::localeName(LocaleServices::Category::Money);
    return {money, LocaleServices::localeName(LocaleServices::Category::Numbers),
            currency.isEmpty() ? LocaleServices::localeCurrency(money) : currency};
}

QString FigureLocales::toText() const
{
    return MoneyKey + QLatin1Char('=') + money + QLatin1Char(' ') + NumbersKey + QLatin1Char('=')
           + numbers;
}

std::optional<FigureLocales> FigureLocales::fromText(const QString &text,
                                                       const FigureLocales &fallback)
{
    // Every deal file states its locales: printable ASCII, the usual case, is split on its
    // spaces without the expression.
    const bool plain = std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= QLatin1Char(' ') && c <= QLatin1Char('~');
    });
    static const QRegularExpression spaces(QStringLiteral("\\s+"));
    const QStringList parts = plain ? text.split(QLatin1Char(' '), Qt::SkipEmptyParts)
                                    : text.split(spaces, Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return std::nullopt;
    FigureLocales locales = fallback;
    for (const QString &part : parts) {
        const qsizetype equals = part.indexOf(QLatin1Char('='));
        const QString key = part.left(equals);
        const QString name = part.mid(equals + 1);
        if (equals < 0 || !LocaleServices::isKnownLocale(name))
            return std::nullopt;
        if (key == MoneyKey)
            locales.money = name;
        else if (key == NumbersKey)
            locales.numbers = name;
        else
            return std::nullopt;
    }
    return locales;
}
