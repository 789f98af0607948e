#pragma once

#include <QString>

class QObject;

// A figure of the deal record: one double and the kind that decides how it is shown. Numbers
// cross every boundary (edits, profile, exchange file) as text: Format writes it, Parse reads it
// back, so the pair decides what survives a round trip.
class CValue
{
public:
    virtual ~CValue() = default;

    // Turns any text into a number, tolerating the punctuation Format adds. Never negative,
    // never an error.
    void Parse(const QString &text);
    // The number as text of the user's locale.
    [[nodiscard]] virtual QString Format() const = 0;

    // Reads the window's "text" property, parses it, and shows the figure as understood.
    void FromWindow(QObject *window);
    // Shows the figure in the window's "text" property.
    void ToWindow(QObject *window) const;

    double m_value = 0.0;

protected:
    CValue() = default;
    CValue(const CValue &) = default;
    CValue &operator=(const CValue &) = default;
};

class CCurrencyValue final : public CValue
{
public:
    [[nodiscard]] QString Format() const override;
};

class CPercentValue final : public CValue
{
public:
    [[nodiscard]] QString Format() const override;
};

class CIntegerValue final : public CValue
{
public:
    [[nodiscard]] QString Format() const override;
};

// Money formatting of any double; empty for infinities, not-a-number and magnitudes below 0.1
// other than zero (their number text is in exponent form, which the locale service rejects).
[[nodiscard]] QString FormatCurrency(double number);

// The plain decimal text handed to the locale service: 17 significant digits, fixed form for
// 0.1 <= |x| < 1e128, exponent form otherwise ("5.0000000000000003e-002"), "1.#INF", "-1.#INF"
// and "-1.#IND" for the special values.
[[nodiscard]] QString DoubleToText(double number);
