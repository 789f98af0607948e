#pragma once

#include <QString>

struct FigureLocales;
struct ParseConventions;

// A figure of the deal record: one double and the kind that decides how it is shown. Numbers
// cross every boundary (edits, profile, exchange file) as text: Format writes it, Parse reads it
// back, so the pair decides what survives a round trip.
class Value
{
public:
    virtual ~Value() = default;

    // Turns any text into a number, tolerating the punctuation Format adds. Never negative,
    // never an error. The text is read in the user's own locales, money as written in the money
    // locale's own currency.
    void parse(const QString &text);
    // The same for a text written in other locales (a stored figure that says where it came
    // from): the decimal separator is that of the locale the kind formats in (money: the
    // currency's; percent and whole numbers: the number locale's), "." where that is "." and
    // otherwise skipped like grouping. Any decimal digit reads by its value ("٢٠٠" is 200); the
    // superscripts end the number.
    void parse(const QString &text, const FigureLocales &locales);
    // The number as text of the user's locale. Money shows in currency, that of the deal the
    // figure belongs to (ISO 4217, "USD"; empty for the money locale's own); the other kinds
    // have no currency and pass it by.
    [[nodiscard]] virtual QString format(const QString &currency) const = 0;
    // True when Format gives the figure a text; false for a figure too large for its field.
    [[nodiscard]] bool canShow(const QString &currency) const;

    // Reads a stored figure (profile, deal file) as its field will show it: parsed in the
    // locales it was written in, then taken as what format shows, so that the window, the report
    // and the command line all use the figure the field shows ("15.5" years is the 15 shown).
    // locales.currency is the deal's, the one money shows in. False, with the figure left as it
    // was, when the field could not show it at all.
    [[nodiscard]] bool readStored(const QString &text, const FigureLocales &locales);

    // Takes a plain number (a profile entry, a command-line figure) as the figure its field
    // shows, like a figure read from a file; a number too large to show is kept as it is.
    void takeNumber(double number, const QString &currency);

    // Takes what the user typed as the figure the edit will then show, and returns that text:
    // the figure is the one shown, money in the deal's currency. Text too large to show leaves
    // the figure as it was.
    [[nodiscard]] QString takeTyped(const QString &typed, const QString &currency);

    double m_value = 0.0;

protected:
    // How texts of this kind read back in the given locales.
    [[nodiscard]] virtual const ParseConventions &conventions(const FigureLocales &locales) const;
    // The deal's own figures are never negative, whatever is typed; an assumption about the
    // market may be ("-2%" a year), and a minus before its digits is kept.
    [[nodiscard]] virtual bool keepsSign() const { return false; }
    // Whether a text format gave shows the figure: the figure as read, shown and read once more,
    // formats once.
    [[nodiscard]] virtual bool isShown(const QString &formatted) const { return !formatted.isEmpty(); }
    // The figure read back from what its field shows, in the user's locales; false, with the
    // figure left at before, where the field could not show it.
    bool takeShown(double before, const QString &currency);
    // How many fraction digits the field shows at most; -1 where it rounds otherwise.
    [[nodiscard]] virtual int fractionDigitsShown(const QString &currency) const = 0;
    // Whether the field shows the figure as the same double: its shortest decimal has no more
    // fraction digits than are shown, so nothing is rounded and the text reads back to it.
    [[nodiscard]] bool showsExactly(const QString &currency) const;

    Value() = default;
    Value(const Value &) = default;
    Value &operator=(const Value &) = default;
};

class CurrencyValue : public Value
{
public:
    [[nodiscard]] QString format(const QString &currency) const override;

protected:
    [[nodiscard]] int fractionDigitsShown(const QString &currency) const override;
    [[nodiscard]] const ParseConventions &conventions(const FigureLocales &locales) const override;
};

class PercentValue : public Value
{
public:
    [[nodiscard]] QString format(const QString &currency) const override;

protected:
    [[nodiscard]] int fractionDigitsShown(const QString &) const override;
    // Format appends "%" even to an empty number.
    [[nodiscard]] bool isShown(const QString &formatted) const override { return formatted.size() > 1; }
};

class IntegerValue : public Value
{
public:
    [[nodiscard]] QString format(const QString &currency) const override;

protected:
    [[nodiscard]] int fractionDigitsShown(const QString &) const override { return 0; }
};

// Assumptions that may fall below zero: a growth rate, or a share typed out of range, which the
// projection then names instead of reading "-5%" as 5 %.
class SignedPercentValue final : public PercentValue
{
protected:
    [[nodiscard]] bool keepsSign() const override { return true; }
};

// An extra payment typed below zero: the projection names it instead of paying its opposite.
class SignedCurrencyValue final : public CurrencyValue
{
protected:
    [[nodiscard]] bool keepsSign() const override { return true; }
};

class SignedIntegerValue final : public IntegerValue
{
protected:
    [[nodiscard]] bool keepsSign() const override { return true; }
};

// Money formatting of any double in a currency (empty: the money locale's own); empty for
// infinities, not-a-number and magnitudes of 1e128 and more (their number text is in exponent
// form, which the locale service rejects).
[[nodiscard]] QString formatCurrency(double number, const QString &currency);

// The plain decimal text handed to the locale service: 17 significant digits, fixed form below
// 1e128 ("0.050000000000000003", "200000."), exponent form above ("1.e+128"), "1.#INF" and
// "-1.#INF" for the infinities, and for not-a-number "-1.#IND" when its sign bit is set (as
// 0/0 and inf - inf give it) or "1.#QNAN" when not.
[[nodiscard]] QString doubleToText(double number);
