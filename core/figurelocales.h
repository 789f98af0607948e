#pragma once

#include <QString>

#include <optional>

// The two locales a stored figure was written in: money in the money locale (LC_MONETARY),
// percent figures and whole numbers in the number locale (LC_NUMERIC). Deal files and the profile
// carry them as "LC_MONETARY=en_US LC_NUMERIC=en_US", so that their figures read back the same
// after the desktop's language has changed.
struct FigureLocales
{
    QString money;
    QString numbers;
    // The currency the money was written in (ISO 4217); empty for the money locale's own. Files
    // and the profile carry it on a line or entry of its own.
    QString currency;

    // The user's own locales, those format writes in, with money in currency (ISO 4217; empty
    // for the money locale's own, which currency then names).
    [[nodiscard]] static FigureLocales user(const QString &currency);

    // "LC_MONETARY=de_DE LC_NUMERIC=de_DE".
    [[nodiscard]] QString toText() const;
    // Reads ToText's form. A category the text leaves out stays as in fallback. Nothing for an
    // empty text, a part of another form, or a locale ICU does not know.
    [[nodiscard]] static std::optional<FigureLocales> fromText(const QString &text,
                                                               const FigureLocales &fallback);
};
