#include "core/loananalysis.h"

#include "core/dealfields.h"
#include "core/figurelocales.h"
#include "core/profit.h"
#include "core/schedule.h"

#include <QCoreApplication>

#include <cmath>

namespace {

QString translated(const char *text)
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

bool isFinite(double x)
{
    return std::isfinite(x);
}

// The level payment's months: 12 × term, the last one smaller when the term has a fraction of a
// month. The small allowance keeps 12 × 15.5 from becoming 187 through rounding.
double paymentCount(double termYears)
{
    return std::ceil(12.0 * termYears - 1e-9);
}

// Why the payment of a loan is not a number. Beside a term of 0, the rate's growth over the term
// or the loan amount itself can leave the range of a double.
QString paymentProblem(const DealRecord &record, int k)
{
    const double term = record.m_term[k].m_value;
    if (term == 0)
        return translated(NoPayment);
    const double r = Profit::monthlyRate(record.m_interestRate[k].m_value);
    if (!isFinite(r) || (r != 0 && !isFinite(std::pow(1.0 + r, 12.0 * term))))
        return translated(RateTooHigh);
    return translated(AmountTooLarge);
}

// Why the figures of a loan's life cannot be given, or an empty text when they can.
QString lifeProblem(const DealRecord &record, int k, double payment, double count)
{
    if (!isFinite(payment))
        return paymentProblem(record, k);
    if (!(count > 0)) {
        return record.m_term[k].m_value < 0
            ? translated(QT_TRANSLATE_NOOP("Analysis", "The term is less than 0 years: the loan has no payments."))
            : translated(NoPayment);
    }
    if (count > MaxScheduledPayments)
        return translated(TooLong);
    return {};
}

double totalInterest(const std::vector<ScheduleRow> &schedule)
{
    double interest = 0;
    for (const ScheduleRow &row : schedule)
        interest += row.interest;
    return interest;
}

void analyzeLife(LoanAnalysis &loan, const DealRecord &record, int k, double loanAmount,
                 double payment)
{
    const double down = record.m_downPayment[k].m_value;
    const double count = paymentCount(record.m_term[k].m_value);
    const QString problem = lifeProblem(record, k, payment, count);
    if (!problem.isEmpty()) {
        for (Measure *m : {&loan.payments, &loan.totalPaid, &loan.totalCost, &loan.totalInterest,
                            &loan.payoffMonth, &loan.interestSaved})
            *m = Measure::unknown(problem);
        loan.balance.fill(Measure::unknown(problem));
        loan.equity.fill(Measure::unknown(problem));
        return;
    }
    const double rate = record.m_interestRate[k].m_value;
    const double term = record.m_term[k].m_value;
    const double extra = record.m_extraPayment[k].m_value;
    loan.schedule = amortize(loanAmount, rate, term, extra);
    double paid = 0;
    const double interest = totalInterest(loan.schedule);
    for (const ScheduleRow &row : loan.schedule)
        paid += row.payment;
    const double withoutExtra = extra > 0 ? totalInterest(amortize(loanAmount, rate, term, 0)) : interest;
    loan.interestSaved = Measure::of(withoutExtra - interest, translated(TooLarge));
    loan.payments = Measure::of(double(loan.schedule.size()), {});
    loan.totalPaid = Measure::of(paid, translated(TooLarge));
    loan.totalCost = Measure::of(down + paid, translated(TooLarge));
    loan.totalInterest = Measure::of(interest, translated(TooLarge));
    loan.payoffMonth = Measure::of(double(loan.schedule.size()), {});
    for (int i = 0; i < MilestoneCount; ++i) {
        const std::size_t months =
            i < int(MilestoneYears.size()) ? std::size_t(12 * MilestoneYears[std::size_t(i)])
                                           : loan.schedule.size();
        const double balance = months == 0 ? loanAmount
            : months >= loan.schedule.size() ? 0.0
                                             : loan.schedule[months - 1].balance;
        loan.balance[std::size_t(i)] = Measure::of(balance, translated(TooLarge));
        loan.equity[std::size_t(i)] = Measure::of(down + (loanAmount - balance), translated(TooLarge));
    }
}

void analyzeReturns(LoanAnalysis &loan, const DealRecord &record, int k, double noi)
{
    const double rent = record.m_rentalIncome.m_value;
    const double margin = record.m_safetyMargin.m_value / 100.0;
    const double down = record.m_downPayment[k].m_value;
    const double pmi = record.m_pmi[k].m_value;
    const double payment = loan.principalAndInterest.value;
    if (!loan.principalAndInterest.isKnown()) {
        for (Measure *m : {&loan.cashOnCash, &loan.debtServiceCoverage, &loan.breakEvenRent,
                            &loan.highestOffer})
            *m = Measure::unknown(loan.principalAndInterest.reason);
        return;
    }
    loan.cashOnCash = down == 0
        ? Measure::unknown(translated(QT_TRANSLATE_NOOP("Analysis", "There is no down payment to earn a return on.")))
        : Measure::of(12.0 * loan.monthlyCashFlow.value / down, translated(TooLarge));
    const double debtService = payment + pmi;
    loan.debtServiceCoverage = debtService == 0
        ? Measure::unknown(translated(QT_TRANSLATE_NOOP("Analysis", "Nothing is paid on a loan: there is no debt service to cover.")))
        : Measure::of(noi / debtService, translated(TooLarge));

    // Safety cash flow = rent × (1 − margin) − (other fees + escrow + payment + PMI).
    const double costs = record.m_otherFees.m_value + record.m_escrow.m_value + payment + pmi;
    loan.breakEvenRent = margin >= 1.0
        ? Measure::unknown(translated(QT_TRANSLATE_NOOP("Analysis", "A safety margin of 100 % or more leaves no rent to break even with.")))
        : Measure::of(costs / (1.0 - margin), translated(TooLarge));

    // The payment grows with the loan at the rate of this loan's payment per unit borrowed;
    // the price that leaves a safety cash flow of 0 is the down payment plus the loan that the
    // rent left after the other costs can carry.
    const double perUnit = Profit::payment(1.0, record.m_interestRate[k].m_value, record.m_term[k].m_value);
    const double carried = rent * (1.0 - margin) - (record.m_otherFees.m_value + record.m_escrow.m_value + pmi);
    // Without a loan amount the purchase is in cash: a higher price would need a loan that no
    // lender offered, at a rate no one quoted.
    if (loan.loanAmount.value == 0)
        loan.highestOffer = Measure::unknown(translated(QT_TRANSLATE_NOOP("Analysis", "There is no loan amount: a higher price would need a loan that no one offered.")));
    else if (!isFinite(perUnit) || perUnit <= 0)
        loan.highestOffer = Measure::unknown(paymentProblem(record, k));
    else if (carried < 0)
        loan.highestOffer = Measure::unknown(translated(QT_TRANSLATE_NOOP("Analysis", "The rent does not cover the costs even without a loan.")));
    else
        loan.highestOffer = Measure::of(down + carried / perUnit, translated(TooLarge));
}

void rankLoans(DealAnalysis &deal)
{
    deal.bestIrr = bestLoanByIrr(deal);
    deal.bestIrrByScenario = {
        bestLoanByIrr(deal, [](const LoanAnalysis &l) { return l.scenarios[0].irr; }),
        bestLoanByIrr(deal, [](const LoanAnalysis &l) { return l.scenarios[1].irr; }),
        bestLoanByIrr(deal, [](const LoanAnalysis &l) { return l.scenarios[2].irr; })};
    deal.mostSafetyCashFlow = bestLoanOf(deal, [](const LoanAnalysis &l) { return l.safetyCashFlow; }, true);
    deal.leastInterest = bestLoanOf(deal, [](const LoanAnalysis &l) { return l.totalInterest; }, false);
}

PropertyAnalysis analyzeProperty(const DealRecord &record)
{
    const double price = record.m_purchasePrice.m_value;
    const double rent = record.m_rentalIncome.m_value;
    const double noi = rent - record.m_escrow.m_value - record.m_otherFees.m_value;
    const QString noPrice = translated(QT_TRANSLATE_NOOP("Analysis", "The purchase price is 0."));
    PropertyAnalysis p;
    const QString tooLarge = translated(TooLarge);
    p.netOperatingIncome = Measure::of(noi, tooLarge);
    p.netOperatingIncomeYearly = Measure::of(12.0 * noi, tooLarge);
    p.capRate = price == 0 ? Measure::unknown(noPrice) : Measure::of(12.0 * noi / price, tooLarge);
    p.grossRentMultiplier = rent == 0
        ? Measure::unknown(translated(QT_TRANSLATE_NOOP("Analysis", "The monthly rent is 0.")))
        : Measure::of(price / (12.0 * rent), tooLarge);
    p.rentToPrice = price == 0 ? Measure::unknown(noPrice) : Measure::of(rent / price, tooLarge);
    return p;
}

} // namespace

Measure Measure::of(double value, const QString &reasonIfNotFinite)
{
    if (isFinite(value))
        return {value, {}};
    return unknown(reasonIfNotFinite.isEmpty() ? translated(TooLarge) : reasonIfNotFinite);
}

DealAnalysis analyze(const DealRecord &record, YearlyReturns yearly)
{
    DealAnalysis deal;
    deal.property = analyzeProperty(record);
    const auto figures = Profit::calculate(record);
    for (int k = 0; k < MAX_LOANS; ++k) {
        LoanAnalysis &loan = deal.loans[std::size_t(k)];
        const double payment = figures[Profit::PrincipalAndInterest][std::size_t(k)];
        const QString problem = isFinite(payment) ? translated(TooLarge) : paymentProblem(record, k);
        auto figure = [&](Profit::Figure f) {
            return Measure::of(figures[std::size_t(f)][std::size_t(k)],
                                f == Profit::LoanAmount ? translated(TooLarge) : problem);
        };
        loan.loanAmount = figure(Profit::LoanAmount);
        loan.principalAndInterest = figure(Profit::PrincipalAndInterest);
        loan.totalMonthlyPayment = figure(Profit::TotalMonthlyPayment);
        loan.monthlyCashFlow = figure(Profit::MonthlyCashFlow);
        loan.safetyCashFlow = figure(Profit::SafetyCashFlow);
        if (loan.loanAmount.isKnown() && loan.loanAmount.value < 0) {
            // A down payment above the price borrows a negative amount: the report's figures
            // follow from it as written, but nothing of a loan's life or returns does.
            loan.notCompared = translated(NoLoan);
            for (Measure *m : {&loan.payments, &loan.totalPaid, &loan.totalCost, &loan.totalInterest,
                                &loan.payoffMonth, &loan.interestSaved, &loan.cashOnCash,
                                &loan.debtServiceCoverage,
                                &loan.breakEvenRent, &loan.highestOffer})
                *m = Measure::unknown(loan.notCompared);
            loan.balance.fill(Measure::unknown(loan.notCompared));
            loan.equity.fill(Measure::unknown(loan.notCompared));
            continue;
        }
        analyzeLife(loan, record, k, loan.loanAmount.value,
                    figures[Profit::PrincipalAndInterest][std::size_t(k)]);
        analyzeReturns(loan, record, k, deal.property.netOperatingIncome.value);
    }
    deal.assumptions = assumptionsOf(record.m_projection);
    for (int k = 0; k < MAX_LOANS; ++k) {
        LoanAnalysis &loan = deal.loans[std::size_t(k)];
        if (!loan.notCompared.isEmpty()) {
            loan.projection = unprojected(loan.notCompared);
            loan.scenarios.fill(resultOf(loan.projection));
            loan.priceToOffer = Measure::unknown(loan.notCompared);
            continue;
        }
        const ProjectionInputs inputs = inputsOf(record, k);
        loan.projection = project(inputs, deal.assumptions, yearly);
        // The base case is the projection itself.
        for (std::size_t s = 0; s < Scenarios.size(); ++s) {
            loan.scenarios[s] = Scenarios[s] == Scenario::Base
                ? resultOf(loan.projection)
                : projectScenario(inputs, deal.assumptions, Scenarios[s]);
        }
        loan.priceToOffer = priceToOffer(inputs, deal.assumptions);
    }
    rankLoans(deal);
    return deal;
}

int bestLoanOf(const DealAnalysis &deal, Measure (*get)(const LoanAnalysis &), bool higherIsBetter)
{
    int best = -1;
    int known = 0;
    for (int k = 0; k < MAX_LOANS; ++k) {
        const LoanAnalysis &loan = deal.loans[std::size_t(k)];
        const Measure m = get(loan);
        if (!m.isKnown() || !loan.notCompared.isEmpty())
            continue;
        ++known;
        const double b = best < 0 ? 0 : get(deal.loans[std::size_t(best)]).value;
        if (best < 0 || (higherIsBetter ? m.value > b : m.value < b))
            best = k;
    }
    if (known < 2)
        return best;
    for (int k = 0; k < MAX_LOANS; ++k) {
        const LoanAnalysis &loan = deal.loans[std::size_t(k)];
        const Measure m = get(loan);
        if (m.isKnown() && loan.notCompared.isEmpty() && m.value != get(deal.loans[std::size_t(best)]).value)
            return best;
    }
    return -1;
}

std::vector<ScheduleRow> yearlySummary(const std::vector<ScheduleRow> &schedule)
{
    std::vector<ScheduleRow> years;
    for (const ScheduleRow &month : schedule) {
        if ((month.month - 1) % 12 == 0)
            years.push_back({(month.month - 1) / 12 + 1, 0, 0, 0, 0});
        ScheduleRow &year = years.back();
        year.payment += month.payment;
        year.principal += month.principal;
        year.interest += month.interest;
        year.balance = month.balance;
    }
    return years;
}

ProjectionAssumptions assumptionsOf(const ProjectionFigures &figures)
{
    const auto fraction = [](const Value &percent) { return percent.m_value / 100.0; };
    const auto market = [&fraction](const MarketFigures &m) {
        return MarketAssumptions{fraction(m.m_appreciation), fraction(m.m_rentGrowth),
                                 fraction(m.m_expenseGrowth), fraction(m.m_vacancy)};
    };
    ProjectionAssumptions a;
    // A hold beyond any int is as far out of range as it can be; the projection says so.
    const double years = figures.m_holdYears.m_value;
    a.holdYears = std::isfinite(years) && std::abs(years) < 1e6 ? int(years) : -1;
    a = a.withMarket(market(figures.m_market));
    a.maintenance = fraction(figures.m_maintenance);
    a.capitalReserve = fraction(figures.m_capitalReserve);
    a.management = fraction(figures.m_management);
    a.closingCosts = fraction(figures.m_closingCosts);
    a.sellingCosts = fraction(figures.m_sellingCosts);
    a.discountRate = fraction(figures.m_discountRate);
    a.pmiEndLtv = fraction(figures.m_pmiEndLtv);
    a.targetIrr = fraction(figures.m_targetIrr);
    a.bear = market(figures.m_bear);
    a.bull = market(figures.m_bull);
    return a;
}

QString extraPaymentProblem(const DealRecord &record, int loan)
{
    if (!(record.m_extraPayment[std::size_t(loan)].m_value < 0))
        return {};
    return translated(QT_TRANSLATE_NOOP("Analysis", "The extra payment of loan %1 must be 0 or more.")).arg(loan + 1);
}

ProjectionInputs inputsOf(const DealRecord &record, int loan)
{
    const auto k = std::size_t(loan);
    return {record.m_purchasePrice.m_value, record.m_rentalIncome.m_value,
            record.m_escrow.m_value,        record.m_otherFees.m_value,
            record.m_downPayment[k].m_value, record.m_interestRate[k].m_value,
            record.m_term[k].m_value,        record.m_pmi[k].m_value,
            record.m_extraPayment[k].m_value};
}

int bestLoanByIrr(const DealAnalysis &deal, Measure (*irrOf)(const LoanAnalysis &))
{
    const auto irr = [irrOf](const LoanAnalysis &loan) {
        return irrOf ? irrOf(loan) : loan.projection.irr;
    };
    int best = -1;
    for (int k = 0; k < MAX_LOANS; ++k) {
        const LoanAnalysis &loan = deal.loans[std::size_t(k)];
        if (!loan.notCompared.isEmpty() || !irr(loan).isKnown())
            continue;
        if (best < 0 || irr(loan).value > irr(deal.loans[std::size_t(best)]).value)
            best = k;
    }
    return best;
}

bool isUntouchedLoan(const DealRecord &record, int loan)
{
    if (!record.m_lender[loan].trimmed().isEmpty())
        return false;
    // Each first-run text read as the profile reads it, so that the figure compared is the one a
    // fresh start would hold.
    DealRecord fresh = record;
    const FigureLocales locales = FigureLocales::user(record.m_currency);
    bool untouched = true;
    const auto compare = [&](const DealField &field, int k) {
        if (!field.perLoan || field.isText() || !field.firstRun || k != loan || !untouched)
            return;
        Value &first = field.figure(fresh, k);
        if (!first.readStored(*field.firstRun, locales))
            first.m_value = field.firstRun->toDouble();
        untouched = first.m_value == field.figure(record, k).m_value;
    };
    forEachStoredField(dealFields(), compare);
    forEachStoredField(projectionFields(), compare);
    return untouched;
}

ComparedOffers defaultComparedOffers(const DealRecord &record)
{
    ComparedOffers compared{};
    bool any = false;
    for (int k = 0; k < MAX_LOANS; ++k) {
        compared[std::size_t(k)] = !isUntouchedLoan(record, k);
        any = any || compared[std::size_t(k)];
    }
    if (!any)
        compared.fill(true);
    return compared;
}

void leaveOut(DealAnalysis &deal, const ComparedOffers &compared)
{
    for (int k = 0; k < MAX_LOANS; ++k) {
        LoanAnalysis &loan = deal.loans[std::size_t(k)];
        if (!compared[std::size_t(k)] && loan.notCompared.isEmpty())
            loan.notCompared = translated(QT_TRANSLATE_NOOP("Analysis", "Left out of the comparison."));
    }
    rankLoans(deal);
}
