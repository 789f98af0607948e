#include "core/loancosts.h"

#include "core/schedule.h"
#include "core/texts.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

QString tooLarge()
{
    return AnalysisText::tr("The figure is too large to compute.");
}

// What is paid in each month of a schedule: the payment and, while the balance owed before it is
// above the end loan-to-value (every month when that is 0), the mortgage insurance.
std::vector<double> paidMonthly(const SharedSchedule &schedule, const ProjectionInputs &in,
                                double pmiEndLtv)
{
    const double insuredAbove = pmiEndLtv * in.price;
    std::vector<double> paid;
    paid.reserve(schedule.size());
    double owed = in.loanAmount();
    for (const ScheduleRow &row : schedule) {
        paid.push_back(row.payment + (owed > insuredAbove ? in.pmi : 0.0));
        owed = row.balance;
    }
    return paid;
}

// Why the offer has no loan costs: no loan to speak of, or no schedule. Empty when it has them.
QString costsProblem(const ProjectionInputs &in, const ProjectionAssumptions &a)
{
    for (double x : {in.price, in.downPayment, in.ratePercent, in.termYears, in.pmi,
                     in.pointsPercent, in.lenderFees, a.closingCosts}) {
        if (!std::isfinite(x))
            return tooLarge();
    }
    if (in.loanAmount() < 0)
        return AnalysisText::tr("The down payment is more than the price: there is no loan.");
    if (!(a.pmiEndLtv >= 0 && a.pmiEndLtv <= 1))
        return ProjectionText::tr("The loan-to-value at which mortgage insurance ends must be 0 % to 100 %.");
    if (!(a.closingCosts >= 0 && a.closingCosts <= 1))
        return ProjectionText::tr("The closing costs must be 0 % to 100 %.");
    return scheduleProblem(in.loanAmount(), in.ratePercent, in.termYears);
}

Measure annualRate(double amountFinanced, const std::vector<double> &payments, double notePercent)
{
    const Measure monthly = monthlyRateOf(amountFinanced, payments, notePercent / 1200.0);
    return monthly.isKnown() ? Measure::of(12.0 * monthly.value, {}) : monthly;
}

// The cost if repaid after each month of the term: the payments so far and the balance then owed,
// on what was paid at closing. After the payoff nothing more is paid or owed.
std::vector<double> costSeries(const ProjectionInputs &in, const SharedSchedule &schedule,
                               const std::vector<double> &paid, std::size_t months)
{
    std::vector<double> cost(months);
    double sum = in.downPayment + in.prepaidFinanceCharge();
    for (std::size_t m = 0; m < months; ++m) {
        if (m < paid.size())
            sum += paid[m];
        cost[m] = sum + (m < schedule.size() ? schedule[m].balance : 0.0);
    }
    return cost;
}

void rateOverHold(LoanCosts &costs, const ProjectionInputs &in, const ProjectionAssumptions &a,
                  const SharedSchedule &schedule, std::vector<double> paid,
                  const std::vector<double> &aprPayments)
{
    if (const QString problem = a.baseProblem(); !problem.isEmpty()) {
        costs.rateOverHold = Measure::unknown(problem);
        return;
    }
    const std::size_t months = std::size_t(12 * a.holdYears);
    if (paid.size() > months) {
        paid.resize(months);
        paid.back() += schedule[months - 1].balance;
    }
    // Held to the payoff without extra payments, the flows are the APR's.
    costs.rateOverHold = in.loanAmount() == 0 || paid == aprPayments
        ? costs.apr
        : annualRate(in.loanAmount() - in.prepaidFinanceCharge(), paid, in.ratePercent);
}

} // namespace

double LoanCosts::costAfter(int month) const
{
    return costIfRepaid[std::min(costIfRepaid.size(), std::size_t(month)) - 1];
}

Measure monthlyRateOf(double amount, const std::vector<double> &payments, double hint)
{
    if (!(amount > 0))
        return Measure::unknown(AnalysisText::tr("The points and fees take the whole loan amount: nothing is financed."));
    std::vector<double> flows{-amount};
    flows.insert(flows.end(), payments.begin(), payments.end());
    while (flows.size() > 1 && flows.back() == 0) // the months after the payoff pay nothing
        flows.pop_back();
    return irrNear(flows, hint, 1e-3, Summing::Interleaved); // a month's rate: a tenth of a year's reach
}

LoanCosts loanCosts(const ProjectionInputs &in, const ProjectionAssumptions &a)
{
    LoanCosts costs;
    costs.noCostReason = costsProblem(in, a);
    if (!costs.noCostReason.isEmpty()) {
        for (Measure *m : {&costs.prepaidFinanceCharge, &costs.cashToClose, &costs.apr, &costs.rateOverHold})
            *m = Measure::unknown(costs.noCostReason);
        return costs;
    }
    costs.prepaidFinanceCharge = Measure::of(in.prepaidFinanceCharge(), {});
    costs.cashToClose = Measure::of(in.cashToClose(a.closingCosts), {});
    const SharedSchedule required = sharedSchedule(in.loanAmount(), in.ratePercent, in.termYears, 0);
    const std::size_t termMonths = std::size_t(paymentCount(in.termYears));
    const std::vector<double> aprPayments = paidMonthly(required, in, a.pmiEndLtv);
    costs.apr = in.loanAmount() == 0
        ? Measure::unknown(AnalysisText::tr("There is no loan amount: there is no rate to state."))
        : annualRate(in.loanAmount() - in.prepaidFinanceCharge(), aprPayments, in.ratePercent);
    if (in.extraPayment < 0) {
        costs.noCostReason = ProjectionText::tr("The extra payment must be 0 or more.");
        costs.rateOverHold = Measure::unknown(costs.noCostReason);
        return costs;
    }
    const SharedSchedule schedule = in.extraPayment > 0
        ? sharedSchedule(in.loanAmount(), in.ratePercent, in.termYears, in.extraPayment)
        : required;
    std::vector<double> paid = in.extraPayment > 0 ? paidMonthly(schedule, in, a.pmiEndLtv) : aprPayments;
    costs.costIfRepaid = costSeries(in, schedule, paid, termMonths);
    if (!std::all_of(costs.costIfRepaid.begin(), costs.costIfRepaid.end(), [](double x) { return std::isfinite(x); })) {
        costs.costIfRepaid.clear();
        costs.noCostReason = tooLarge();
    }
    rateOverHold(costs, in, a, schedule, std::move(paid), aprPayments);
    return costs;
}

namespace {

bool takesPart(const std::vector<const LoanCosts *> &loans, const std::vector<bool> &compared, std::size_t k)
{
    return compared[k] && !loans[k]->costIfRepaid.empty();
}

} // namespace

namespace {

// The offers with a cost series that take part, in their order.
std::vector<const LoanCosts *> takingPart(const std::vector<const LoanCosts *> &loans,
                                          const std::vector<bool> &compared, std::vector<int> &numbers)
{
    std::vector<const LoanCosts *> costs;
    for (std::size_t k = 0; k < loans.size(); ++k) {
        if (takesPart(loans, compared, k)) {
            costs.push_back(loans[k]);
            numbers.push_back(int(k));
        }
    }
    return costs;
}

// The first of them cheapest to repay after month, as an index into them; -1 for none.
int cheapestOf(const std::vector<const LoanCosts *> &costs, int month)
{
    int best = -1;
    double least = 0;
    for (std::size_t i = 0; i < costs.size(); ++i) {
        const double cost = costs[i]->costAfter(month);
        if (best < 0 || cost < least) {
            best = int(i);
            least = cost;
        }
    }
    return best;
}

} // namespace

int cheapestAfter(const std::vector<const LoanCosts *> &loans, const std::vector<bool> &compared, int month)
{
    std::vector<int> numbers;
    const int cheapest = cheapestOf(takingPart(loans, compared, numbers), month);
    return cheapest < 0 ? -1 : numbers[std::size_t(cheapest)];
}

std::vector<CheapestStretch> cheapestByMonth(const std::vector<const LoanCosts *> &loans,
                                             const std::vector<bool> &compared)
{
    // Each month of the longest term compares every offer: the series are gathered once, and
    // one past its end a series stays at its last cost (the loan is repaid).
    std::vector<int> numbers;
    const std::vector<const LoanCosts *> costs = takingPart(loans, compared, numbers);
    std::vector<const double *> series;
    std::vector<std::size_t> lastMonth;
    std::size_t longest = 0;
    for (const LoanCosts *c : costs) {
        series.push_back(c->costIfRepaid.data());
        lastMonth.push_back(c->costIfRepaid.size() - 1);
        longest = std::max(longest, c->costIfRepaid.size());
    }
    std::vector<CheapestStretch> stretches;
    const double *const *first = series.data();
    const std::size_t *last = lastMonth.data();
    const std::size_t offers = series.size();
    int shown = -1;
    for (std::size_t m = 0; m < longest; ++m) {
        std::size_t best = 0;
        double least = first[0][std::min(m, last[0])];
        for (std::size_t i = 1; i < offers; ++i) {
            const double cost = first[i][std::min(m, last[i])];
            best = cost < least ? i : best;
            least = std::min(cost, least);
        }
        if (int(best) != shown) {
            shown = int(best);
            stretches.push_back({int(m) + 1, numbers[best]});
        }
    }
    return stretches;
}

std::vector<PointsBreakEven> pointsBreakEvens(const std::vector<const LoanCosts *> &loans,
                                              const std::vector<bool> &compared)
{
    std::vector<PointsBreakEven> pairs;
    for (std::size_t a = 0; a < loans.size(); ++a) {
        for (std::size_t b = 0; b < loans.size(); ++b) {
            if (a == b || !takesPart(loans, compared, a) || !takesPart(loans, compared, b)
                || !(loans[a]->prepaidFinanceCharge.value > loans[b]->prepaidFinanceCharge.value))
                continue;
            const std::vector<double> &dear = loans[a]->costIfRepaid, &cheap = loans[b]->costIfRepaid;
            const std::size_t end = std::min(dear.size(), cheap.size());
            // Walk back from the end of the shorter term while the dearer offer stays ahead.
            std::size_t from = end;
            while (from > 0 && dear[from - 1] <= cheap[from - 1])
                --from;
            PointsBreakEven pair{int(a), int(b), std::nullopt};
            if (from < end)
                pair.month = int(from) + 1;
            pairs.push_back(pair);
        }
    }
    return pairs;
}
