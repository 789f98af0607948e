#include "core/loananalysis.h"

#include "core/profit.h"

#include <QCoreApplication>

#include <cmath>

namespace {

QString Tr(const char *text)
{
    return QCoreApplication::translate("Analysis", text);
}

const char *const NoPayment =
    QT_TRANSLATE_NOOP("Analysis", "The loan has no monthly payment: its term is 0 years.");
const char *const NoLoan =
    QT_TRANSLATE_NOOP("Analysis", "The down payment is more than the price: there is no loan.");
const char *const TooLong =
    QT_TRANSLATE_NOOP("Analysis", "A term of more than 1,000 years is not scheduled.");
const char *const RateTooHigh = QT_TRANSLATE_NOOP(
    "Analysis", "The interest rate is too high for this term: the payment is too large to compute.");
const char *const AmountTooLarge = QT_TRANSLATE_NOOP(
    "Analysis", "The loan amount is too large: the payment is too large to compute.");
const char *const TooLarge = QT_TRANSLATE_NOOP("Analysis", "The figure is too large to compute.");

bool Finite(double x)
{
    return std::isfinite(x);
}

// The level payment's months: 12 × term, the last one smaller when the term has a fraction of a
// month. The small allowance keeps 12 × 15.5 from becoming 187 through rounding.
double PaymentCount(double termYears)
{
    return std::ceil(12.0 * termYears - 1e-9);
}

// The balance after month of a level-payment loan of count months at monthly rate r > 0. Taken
// from the closed form rather than by subtracting month after month: each month's rounding error
// grows with the rate, and at high rates the running balance ran away to 10^30 while the payment
// only just covered the interest.
double LevelBalance(double loanAmount, double r, int count, int month)
{
    const double growth = std::log1p(r);
    return loanAmount * std::expm1(double(month - count) * growth)
         / std::expm1(-double(count) * growth);
}

// termMonths is the number of months the level payment was computed for; where it is the whole
// number count, the balances follow the closed form.
std::vector<CScheduleRow> Schedule(double loanAmount, double monthlyRate, double payment, int count,
                                   double termMonths)
{
    const bool level = monthlyRate > 0 && termMonths == double(count);
    std::vector<CScheduleRow> rows;
    rows.reserve(std::size_t(count));
    double balance = loanAmount;
    for (int month = 1; month <= count && balance > 0; ++month) {
        CScheduleRow row;
        row.month = month;
        row.interest = balance * monthlyRate;
        row.principal = level ? balance - LevelBalance(loanAmount, monthlyRate, count, month)
                              : payment - row.interest;
        row.payment = level ? row.principal + row.interest : payment;
        // The last payment clears what is left, a little less than the others after a fraction
        // of a year, and the balance ends at 0 whatever the rounding on the way.
        if (month == count || row.principal >= balance) {
            row.principal = balance;
            row.payment = balance + row.interest;
        }
        balance -= row.principal;
        if (month == count || balance <= 0)
            balance = 0;
        row.balance = balance;
        rows.push_back(row);
    }
    return rows;
}

// Why the payment of a loan is not a number. Beside a term of 0, the rate's growth over the term
// or the loan amount itself can leave the range of a double.
QString PaymentProblem(const CDealRecord &record, int k)
{
    const double term = record.m_term[k].m_value;
    if (term == 0)
        return Tr(NoPayment);
    const double r = Profit::MonthlyRate(record.m_interestRate[k].m_value);
    if (!Finite(r) || (r != 0 && !Finite(std::pow(1.0 + r, 12.0 * term))))
        return Tr(RateTooHigh);
    return Tr(AmountTooLarge);
}

// Why the figures of a loan's life cannot be given, or an empty text when they can.
QString LifeProblem(const CDealRecord &record, int k, double payment, double count)
{
    if (!Finite(payment))
        return PaymentProblem(record, k);
    if (!(count > 0)) {
        return record.m_term[k].m_value < 0
            ? Tr(QT_TRANSLATE_NOOP("Analysis", "The term is less than 0 years: the loan has no payments."))
            : Tr(NoPayment);
    }
    if (count > MaxScheduledPayments)
        return Tr(TooLong);
    return {};
}

void AnalyzeLife(CLoanAnalysis &loan, const CDealRecord &record, int k, double loanAmount,
                 double payment)
{
    const double down = record.m_downPayment[k].m_value;
    const double count = PaymentCount(record.m_term[k].m_value);
    const QString problem = LifeProblem(record, k, payment, count);
    if (!problem.isEmpty()) {
        for (CMeasure *m : {&loan.payments, &loan.totalPaid, &loan.totalCost, &loan.totalInterest,
                            &loan.payoffMonth})
            *m = CMeasure::Unknown(problem);
        loan.balance.fill(CMeasure::Unknown(problem));
        loan.equity.fill(CMeasure::Unknown(problem));
        return;
    }
    loan.schedule = Schedule(loanAmount, Profit::MonthlyRate(record.m_interestRate[k].m_value),
                             payment, int(count), 12.0 * record.m_term[k].m_value);
    double paid = 0;
    double interest = 0;
    for (const CScheduleRow &row : loan.schedule) {
        paid += row.payment;
        interest += row.interest;
    }
    loan.payments = CMeasure::Of(double(loan.schedule.size()), {});
    loan.totalPaid = CMeasure::Of(paid, Tr(TooLarge));
    loan.totalCost = CMeasure::Of(down + paid, Tr(TooLarge));
    loan.totalInterest = CMeasure::Of(interest, Tr(TooLarge));
    loan.payoffMonth = CMeasure::Of(double(loan.schedule.size()), {});
    for (int i = 0; i < MilestoneCount; ++i) {
        const std::size_t months =
            i < int(MilestoneYears.size()) ? std::size_t(12 * MilestoneYears[std::size_t(i)])
                                           : loan.schedule.size();
        const double balance = months == 0 ? loanAmount
            : months >= loan.schedule.size() ? 0.0
                                             : loan.schedule[months - 1].balance;
        loan.balance[std::size_t(i)] = CMeasure::Of(balance, Tr(TooLarge));
        loan.equity[std::size_t(i)] = CMeasure::Of(down + (loanAmount - balance), Tr(TooLarge));
    }
}

void AnalyzeReturns(CLoanAnalysis &loan, const CDealRecord &record, int k, double noi)
{
    const double rent = record.m_rentalIncome.m_value;
    const double margin = record.m_safetyMargin.m_value / 100.0;
    const double down = record.m_downPayment[k].m_value;
    const double pmi = record.m_pmi[k].m_value;
    const double payment = loan.principalAndInterest.value;
    if (!loan.principalAndInterest.IsKnown()) {
        for (CMeasure *m : {&loan.cashOnCash, &loan.debtServiceCoverage, &loan.breakEvenRent,
                            &loan.highestOffer})
            *m = CMeasure::Unknown(loan.principalAndInterest.reason);
        return;
    }
    loan.cashOnCash = down == 0
        ? CMeasure::Unknown(Tr(QT_TRANSLATE_NOOP("Analysis", "There is no down payment to earn a return on.")))
        : CMeasure::Of(12.0 * loan.monthlyCashFlow.value / down, Tr(TooLarge));
    const double debtService = payment + pmi;
    loan.debtServiceCoverage = debtService == 0
        ? CMeasure::Unknown(Tr(QT_TRANSLATE_NOOP("Analysis", "Nothing is paid on a loan: there is no debt service to cover.")))
        : CMeasure::Of(noi / debtService, Tr(TooLarge));

    // Safety cash flow = rent × (1 − margin) − (other fees + escrow + payment + PMI).
    const double costs = record.m_otherFees.m_value + record.m_escrow.m_value + payment + pmi;
    loan.breakEvenRent = margin >= 1.0
        ? CMeasure::Unknown(Tr(QT_TRANSLATE_NOOP("Analysis", "A safety margin of 100 % or more leaves no rent to break even with.")))
        : CMeasure::Of(costs / (1.0 - margin), Tr(TooLarge));

    // The payment grows with the loan at the rate of this loan's payment per unit borrowed;
    // the price that leaves a safety cash flow of 0 is the down payment plus the loan that the
    // rent left after the other costs can carry.
    const double perUnit = Profit::Payment(1.0, record.m_interestRate[k].m_value, record.m_term[k].m_value);
    const double carried = rent * (1.0 - margin) - (record.m_otherFees.m_value + record.m_escrow.m_value + pmi);
    // Without a loan amount the purchase is in cash: a higher price would need a loan that no
    // lender offered, at a rate no one quoted.
    if (loan.loanAmount.value == 0)
        loan.highestOffer = CMeasure::Unknown(Tr(QT_TRANSLATE_NOOP("Analysis", "There is no loan amount: a higher price would need a loan that no one offered.")));
    else if (!Finite(perUnit) || perUnit <= 0)
        loan.highestOffer = CMeasure::Unknown(PaymentProblem(record, k));
    else if (carried < 0)
        loan.highestOffer = CMeasure::Unknown(Tr(QT_TRANSLATE_NOOP("Analysis", "The rent does not cover the costs even without a loan.")));
    else
        loan.highestOffer = CMeasure::Of(down + carried / perUnit, Tr(TooLarge));
}

CPropertyAnalysis AnalyzeProperty(const CDealRecord &record)
{
    const double price = record.m_purchasePrice.m_value;
    const double rent = record.m_rentalIncome.m_value;
    const double noi = rent - record.m_escrow.m_value - record.m_otherFees.m_value;
    const QString noPrice = Tr(QT_TRANSLATE_NOOP("Analysis", "The purchase price is 0."));
    CPropertyAnalysis p;
    const QString tooLarge = Tr(TooLarge);
    p.netOperatingIncome = CMeasure::Of(noi, tooLarge);
    p.netOperatingIncomeYearly = CMeasure::Of(12.0 * noi, tooLarge);
    p.capRate = price == 0 ? CMeasure::Unknown(noPrice) : CMeasure::Of(12.0 * noi / price, tooLarge);
    p.grossRentMultiplier = rent == 0
        ? CMeasure::Unknown(Tr(QT_TRANSLATE_NOOP("Analysis", "The monthly rent is 0.")))
        : CMeasure::Of(price / (12.0 * rent), tooLarge);
    p.rentToPrice = price == 0 ? CMeasure::Unknown(noPrice) : CMeasure::Of(rent / price, tooLarge);
    return p;
}

} // namespace

CMeasure CMeasure::Of(double value, const QString &reasonIfNotFinite)
{
    if (Finite(value))
        return {value, {}};
    return Unknown(reasonIfNotFinite.isEmpty() ? Tr(TooLarge) : reasonIfNotFinite);
}

CDealAnalysis Analyze(const CDealRecord &record)
{
    CDealAnalysis deal;
    deal.property = AnalyzeProperty(record);
    const auto figures = Profit::Calculate(record);
    for (int k = 0; k < MAX_LOANS; ++k) {
        CLoanAnalysis &loan = deal.loans[std::size_t(k)];
        const double payment = figures[Profit::PrincipalAndInterest][std::size_t(k)];
        const QString paymentProblem = Finite(payment) ? Tr(TooLarge) : PaymentProblem(record, k);
        auto figure = [&](Profit::Figure f) {
            return CMeasure::Of(figures[std::size_t(f)][std::size_t(k)],
                                f == Profit::LoanAmount ? Tr(TooLarge) : paymentProblem);
        };
        loan.loanAmount = figure(Profit::LoanAmount);
        loan.principalAndInterest = figure(Profit::PrincipalAndInterest);
        loan.totalMonthlyPayment = figure(Profit::TotalMonthlyPayment);
        loan.monthlyCashFlow = figure(Profit::MonthlyCashFlow);
        loan.safetyCashFlow = figure(Profit::SafetyCashFlow);
        if (loan.loanAmount.IsKnown() && loan.loanAmount.value < 0) {
            // A down payment above the price borrows a negative amount: the report's figures
            // follow from it as written, but nothing of a loan's life or returns does.
            loan.notCompared = Tr(NoLoan);
            for (CMeasure *m : {&loan.payments, &loan.totalPaid, &loan.totalCost, &loan.totalInterest,
                                &loan.payoffMonth, &loan.cashOnCash, &loan.debtServiceCoverage,
                                &loan.breakEvenRent, &loan.highestOffer})
                *m = CMeasure::Unknown(loan.notCompared);
            loan.balance.fill(CMeasure::Unknown(loan.notCompared));
            loan.equity.fill(CMeasure::Unknown(loan.notCompared));
            continue;
        }
        AnalyzeLife(loan, record, k, loan.loanAmount.value,
                    figures[Profit::PrincipalAndInterest][std::size_t(k)]);
        AnalyzeReturns(loan, record, k, deal.property.netOperatingIncome.value);
    }
    deal.mostSafetyCashFlow = BestLoanOf(deal, [](const CLoanAnalysis &l) { return l.safetyCashFlow; }, true);
    deal.leastInterest = BestLoanOf(deal, [](const CLoanAnalysis &l) { return l.totalInterest; }, false);
    return deal;
}

int BestLoanOf(const CDealAnalysis &deal, CMeasure (*get)(const CLoanAnalysis &), bool higherIsBetter)
{
    int best = -1;
    int known = 0;
    for (int k = 0; k < MAX_LOANS; ++k) {
        const CLoanAnalysis &loan = deal.loans[std::size_t(k)];
        const CMeasure m = get(loan);
        if (!m.IsKnown() || !loan.notCompared.isEmpty())
            continue;
        ++known;
        const double b = best < 0 ? 0 : get(deal.loans[std::size_t(best)]).value;
        if (best < 0 || (higherIsBetter ? m.value > b : m.value < b))
            best = k;
    }
    if (known < 2)
        return best;
    for (int k = 0; k < MAX_LOANS; ++k) {
        const CLoanAnalysis &loan = deal.loans[std::size_t(k)];
        const CMeasure m = get(loan);
        if (m.IsKnown() && loan.notCompared.isEmpty() && m.value != get(deal.loans[std::size_t(best)]).value)
            return best;
    }
    return -1;
}

std::vector<CScheduleRow> YearlySummary(const std::vector<CScheduleRow> &schedule)
{
    std::vector<CScheduleRow> years;
    for (const CScheduleRow &month : schedule) {
        if ((month.month - 1) % 12 == 0)
            years.push_back({(month.month - 1) / 12 + 1, 0, 0, 0, 0});
        CScheduleRow &year = years.back();
        year.payment += month.payment;
        year.principal += month.principal;
        year.interest += month.interest;
        year.balance = month.balance;
    }
    return years;
}
