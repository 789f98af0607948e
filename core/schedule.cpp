#include "core/schedule.h"

#include "core/texts.h"
#include "core/profit.h"
#include "core/recentlyused.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <type_traits>
#include <vector>

namespace {

// The powers of the closed form of a level-payment loan's balance after month, for count months
// at monthly rate r > 0: loan amount × remaining[month − 1] / whole. Subtracting month after
// month alone lets each month's rounding grow with the rate, and at high rates the running
// balance ran away while the payment only just covered the interest.
//
// The powers depend only on the rate and the number of months, not on the amount: a projection
// asks for the same loan at many prices (the price to offer, the scenarios), so they are kept
// for the last rate and count asked, and every balance is the same double as if computed afresh.
struct Powers
{
    double r = 0;
    int count = 0;
    double whole = 0;               // expm1(−count × log1p(r))
    std::vector<double> remaining;  // expm1((month − count) × log1p(r)), month 1 to count
    std::vector<double> grown;      // expm1(month × log1p(r)), made only for extra payments

    // What extra payments of extra a month have taken off the balance after month: each one
    // keeps earning the loan's interest for the borrower, extra × ((1 + r)^month − 1) / r.
    double extraRepaid(double extra, int month) const
    {
        return extra * grown[std::size_t(month - 1)] / r;
    }
};

// Kept for the rates asked last: a deal compares up to five offers, and a market screened with
// the same offers asks for the same rates deal after deal.
const Powers &powersFor(double r, int count, bool withExtraPayments)
{
    thread_local RecentlyUsed<Powers, 8> recent;
    Powers *powers = recent.find([&](const Powers &p) { return p.r == r && p.count == count; });
    const double growth = std::log1p(r);
    if (!powers) {
        powers = &recent.replaced();
        powers->r = r;
        powers->count = count;
        powers->whole = std::expm1(-double(count) * growth);
        powers->remaining.resize(std::size_t(count));
        powers->grown.clear();
        for (int month = 1; month <= count; ++month)
            powers->remaining[std::size_t(month - 1)] = std::expm1(double(month - count) * growth);
    }
    if (withExtraPayments && powers->grown.empty()) {
        powers->grown.resize(std::size_t(count));
        for (int month = 1; month <= count; ++month)
            powers->grown[std::size_t(month - 1)] = std::expm1(double(month) * growth);
    }
    return *powers;
}

} // namespace

// Given for every empty offer of every deal: translated once a thread (AnalysisText::kept()).
namespace NoSchedule {
const char *const NoPayment =
    QT_TRANSLATE_NOOP("Analysis", "The loan has no monthly payment: its term is 0 years.");
const char *const RateTooHigh = QT_TRANSLATE_NOOP(
    "Analysis", "The interest rate is too high for this term: the payment is too large to compute.");
const char *const AmountTooLarge = QT_TRANSLATE_NOOP(
    "Analysis", "The loan amount is too large: the payment is too large to compute.");
const char *const TermBelowZero =
    QT_TRANSLATE_NOOP("Analysis", "The term is less than 0 years: the loan has no payments.");
const char *const TooLong =
    QT_TRANSLATE_NOOP("Analysis", "A term of more than 1,000 years is not scheduled.");
} // namespace NoSchedule

// The level payment's months: 12 × term, the last one smaller when the term has a fraction of a
// month. The small allowance keeps 12 × 15.5 from becoming 187 through rounding.
double paymentCount(double termYears)
{
    return std::ceil(12.0 * termYears - 1e-9);
}

QString scheduleProblem(double loanAmount, double ratePercent, double termYears)
{
    const double payment = Profit::payment(loanAmount, ratePercent, termYears);
    if (!std::isfinite(payment)) {
        if (termYears == 0)
            return AnalysisText::kept(NoSchedule::NoPayment);
        const double r = Profit::monthlyRate(ratePercent);
        if (!std::isfinite(r) || (r != 0 && !std::isfinite(std::pow(1.0 + r, 12.0 * termYears))))
            return AnalysisText::kept(NoSchedule::RateTooHigh);
        return AnalysisText::kept(NoSchedule::AmountTooLarge);
    }
    const double count = paymentCount(termYears);
    if (!(count > 0))
        return AnalysisText::kept(NoSchedule::TermBelowZero);
    if (count > MaxScheduledPayments)
        return AnalysisText::kept(NoSchedule::TooLong);
    return {};
}

namespace {

// Whether a loan with this level payment has a schedule (scheduleProblem() is empty), without
// the text of why not.
bool schedulable(double payment, double termYears)
{
    const double count = paymentCount(termYears);
    return std::isfinite(payment) && count > 0 && count <= MaxScheduledPayments;
}

void make(std::vector<ScheduleRow> &rows, double loanAmount, double ratePercent, double termYears,
          double extraPayment, int monthsAtMost);

// The schedules this thread made last. The analysis, the loan costs, the projection and its
// scenarios all ask for the same loan again; a shorter request takes the first rows, which are
// those it would make.
struct Recent
{
    double loanAmount = std::nan("");
    double ratePercent = 0;
    double termYears = 0;
    double extraPayment = 0;
    int monthsAsked = 0;
    std::shared_ptr<std::vector<ScheduleRow>> rows;

    bool holds(double amount, double rate, double term, double extra, int months) const
    {
        return amount == loanAmount && rate == ratePercent && term == termYears && extra == extraPayment
            && (months <= monthsAsked || int(rows->size()) < monthsAsked); // or it ended sooner
    }
};

} // namespace

SharedSchedule sharedSchedule(double loanAmount, double ratePercent, double termYears,
                              double extraPayment, int monthsAtMost)
{
    thread_local RecentlyUsed<Recent, 4> recent;
    const std::size_t asked = std::size_t(std::max(0, monthsAtMost));
    if (const Recent *known = recent.find([&](const Recent &r) {
            return r.holds(loanAmount, ratePercent, termYears, extraPayment, monthsAtMost);
        }))
        return {known->rows, std::min(known->rows->size(), asked)};
    // The rows of the schedule made way for are written over where no one holds them any more:
    // a price search makes schedule after schedule of the same length.
    Recent &slot = recent.replaced();
    if (!slot.rows || slot.rows.use_count() > 1)
        slot.rows = std::make_shared<std::vector<ScheduleRow>>();
    make(*slot.rows, loanAmount, ratePercent, termYears, extraPayment, monthsAtMost);
    slot.loanAmount = loanAmount;
    slot.ratePercent = ratePercent;
    slot.termYears = termYears;
    slot.extraPayment = extraPayment;
    slot.monthsAsked = monthsAtMost;
    return {slot.rows, slot.rows->size()};
}

std::vector<ScheduleRow> amortize(double loanAmount, double ratePercent, double termYears,
                                   double extraPayment, int monthsAtMost)
{
    const SharedSchedule shared = sharedSchedule(loanAmount, ratePercent, termYears, extraPayment, monthsAtMost);
    // Copied as bytes: the rows' member initializers would otherwise have them copied one by one.
    static_assert(std::is_trivially_copyable_v<ScheduleRow>);
    std::vector<ScheduleRow> rows(shared.size());
    if (!rows.empty())
        std::memcpy(rows.data(), shared.begin(), rows.size() * sizeof(ScheduleRow));
    return rows;
}

namespace {

// Writes the first months of a level schedule whose balances the running balance meets to the
// bit, up to months, and gives the month after them. Month after month the running balance takes
// away balance − closed; where the closed form's next balance is within a factor 2 of the one
// before, that difference is exact (Sterbenz), and so the balance left is the closed form's own.
// Those months then do not wait on one another: each is worked out from the closed form alone.
int monthsOnTheClosedForm(ScheduleRow *rows, const double *closed, double loanAmount, double r, int months)
{
    double before = loanAmount;
    int month = 1;
    for (; month <= months; ++month) {
        const double after = closed[month - 1];
        if (!(after > 0 && before <= 2 * after && after <= 2 * before))
            break;
        const double interest = before * r;
        const double principal = before - after;
        ScheduleRow &row = rows[month - 1];
        row.month = month;
        row.payment = principal + interest;
        row.principal = principal;
        row.interest = interest;
        row.balance = after;
        before = after;
    }
    return month;
}

void make(std::vector<ScheduleRow> &rows, double loanAmount, double ratePercent, double termYears,
          double extraPayment, int monthsAtMost)
{
    const double payment = Profit::payment(loanAmount, ratePercent, termYears);
    if (!schedulable(payment, termYears)) {
        rows.clear();
        return;
    }
    const double r = Profit::monthlyRate(ratePercent);
    const double extra = std::max(0.0, extraPayment);
    const int count = int(paymentCount(termYears));
    // Where the level payment was computed for the whole number of months, the balances follow
    // the closed form; a fraction of a month, or no interest, leaves the running balance.
    const bool level = r > 0 && 12.0 * termYears == double(count);
    const int months = std::max(0, std::min(count, monthsAtMost));
    // The closed form's balances do not depend on one another: worked out first, they leave the
    // months below little to wait for.
    thread_local std::vector<double> closedForm;
    if (level) {
        const Powers &powers = powersFor(r, count, extra > 0);
        closedForm.resize(std::size_t(months));
        // From locals, not through powers: the stores could otherwise be to its fields, and
        // the divisions would go one at a time instead of side by side.
        double *balances = closedForm.data();
        const double *remaining = powers.remaining.data();
        const double whole = powers.whole;
        for (int i = 0; i < months; ++i)
            balances[i] = loanAmount * remaining[i] / whole;
        if (extra > 0) {
            for (int month = 1; month <= months; ++month)
                balances[month - 1] -= powers.extraRepaid(extra, month);
        }
    }
    const double *closed = closedForm.data();
    const double levelPayment = extra > 0 ? payment + extra : payment;
    // Written field by field into their place: a row put together aside and copied in was read
    // back before its stores had landed, a stall every month. Rows left from the schedule made
    // before are written over, not made anew; the last resize drops those past the payoff.
    rows.resize(std::size_t(months));
    int month = 1;
    double balance = loanAmount;
    if (level) {
        month = monthsOnTheClosedForm(rows.data(), closed, loanAmount, r, std::min(months, count - 1));
        balance = month == 1 ? loanAmount : closed[month - 2];
    }
    for (; month <= months && balance > 0; ++month) {
        const double interest = balance * r;
        double principal = level ? balance - closed[month - 1] : levelPayment - interest;
        double paid = level ? principal + interest : levelPayment;
        // The last payment clears what is left, a little less than the others after a fraction
        // of a year or extra payments, and the balance ends at 0 whatever the rounding.
        if (month == count || principal >= balance) {
            principal = balance;
            paid = balance + interest;
        }
        balance -= principal;
        if (month == count || balance <= 0)
            balance = 0;
        ScheduleRow &row = rows[std::size_t(month - 1)];
        row.month = month;
        row.payment = paid;
        row.principal = principal;
        row.interest = interest;
        row.balance = balance;
    }
    rows.resize(std::size_t(month - 1));
}

} // namespace
