#pragma once

#include "core/measure.h"

#include <QString>

#include <vector>

// A loan's monthly schedule, shared by the analysis and the holding-period projection so that
// both pay the same months.
//
// The payment is the level payment of the loan (Profit::Payment) plus extraPayment, which goes
// to the principal every month; the last payment clears what is left and may be smaller. With
// extraPayment 0 the rows are those of the analysis, double for double.
//
// The schedule is empty where there is nothing to schedule: no loan amount (a purchase in cash,
// or a down payment above the price), or where scheduleProblem() gives a reason. An extra payment
// below 0 counts as none: a lender takes more, never less, than the agreed payment.
// monthsAtMost ends the schedule early, its rows as they would be (a projection needs only the
// months of the years the property is held).
[[nodiscard]] std::vector<ScheduleRow> amortize(double loanAmount, double ratePercent,
                                                 double termYears, double extraPayment,
                                                 int monthsAtMost = MaxScheduledPayments);

// Why a loan of this rate and term has no schedule (a term of 0 or less, more than
// MaxScheduledPayments payments, a payment too large for a double), or an empty text when it has
// one. The loan amount is not judged: a negative one is the caller's to refuse.
[[nodiscard]] QString scheduleProblem(double loanAmount, double ratePercent, double termYears);
