#pragma once

#include <QString>

#include <cmath>

// A figure of the analysis, or the reason why it cannot be computed (then shown as "—").
struct Measure
{
    double value = 0;
    QString reason;

    [[nodiscard]] bool isKnown() const { return reason.isEmpty(); }
    // value when it is a finite number; otherwise unknown for the reason given ("too large" when
    // none is given). Inline: a deal's years make thousands.
    [[nodiscard]] static Measure of(double value, const QString &reasonIfNotFinite)
    {
        return std::isfinite(value) ? Measure{value, {}} : notFinite(reasonIfNotFinite);
    }
    [[nodiscard]] static Measure unknown(const QString &reason) { return {0, reason}; }

private:
    [[nodiscard]] static Measure notFinite(const QString &reason);
};

// One month of a loan's amortization schedule; month 1 is the first payment.
struct ScheduleRow
{
    int month = 0;
    double payment = 0;
    double principal = 0;
    double interest = 0;
    double balance = 0; // after this payment
};

// A schedule is made for at most this many payments (a thousand years); a longer term is not
// scheduled.
inline constexpr int MaxScheduledPayments = 12000;
