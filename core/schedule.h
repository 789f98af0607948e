#pragma once

#include "core/measure.h"

#include <QString>

#include <memory>
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

// The rows of a schedule without a copy of them: the first months of one made for this thread and
// shared by whoever asks for the same loan again (the loan costs, the analysis, a projection and
// its scenarios), or rows of one's own.
class SharedSchedule
{
public:
    SharedSchedule() = default;
    SharedSchedule(std::shared_ptr<const std::vector<ScheduleRow>> rows, std::size_t count)
        : m_rows(std::move(rows)), m_count(count) {}
    explicit SharedSchedule(std::vector<ScheduleRow> rows)
        : m_rows(std::make_shared<const std::vector<ScheduleRow>>(std::move(rows))), m_count(m_rows->size()) {}

    [[nodiscard]] std::size_t size() const { return m_count; }
    [[nodiscard]] bool empty() const { return m_count == 0; }
    [[nodiscard]] const ScheduleRow *begin() const { return m_rows ? m_rows->data() : nullptr; }
    [[nodiscard]] const ScheduleRow *end() const { return begin() + m_count; }
    [[nodiscard]] const ScheduleRow &operator[](std::size_t i) const { return (*m_rows)[i]; }
    [[nodiscard]] const ScheduleRow &back() const { return (*m_rows)[m_count - 1]; }

private:
    std::shared_ptr<const std::vector<ScheduleRow>> m_rows;
    std::size_t m_count = 0;
};

// amortize()'s rows, shared.
[[nodiscard]] SharedSchedule sharedSchedule(double loanAmount, double ratePercent, double termYears,
                                            double extraPayment, int monthsAtMost = MaxScheduledPayments);

// The level payment's months: 12 × term, the last one smaller when the term has a fraction of a
// month (not a whole number where the term is out of range).
[[nodiscard]] double paymentCount(double termYears);

// Why a loan of this rate and term has no schedule (a term of 0 or less, more than
// MaxScheduledPayments payments, a payment too large for a double), or an empty text when it has
// one. The loan amount is not judged: a negative one is the caller's to refuse.
[[nodiscard]] QString scheduleProblem(double loanAmount, double ratePercent, double termYears);

// Its reasons, in the context "Analysis", which the analysis of a loan's life gives as well.
namespace NoSchedule {
extern const char *const NoPayment;
extern const char *const RateTooHigh;
extern const char *const AmountTooLarge;
extern const char *const TermBelowZero;
extern const char *const TooLong;
} // namespace NoSchedule
