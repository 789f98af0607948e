#include "core/loananalysis.h"

#include "core/texts.h"
#include "core/dealfields.h"
#include "core/figurelocales.h"
#include "core/profit.h"
#include "core/schedule.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

const char *const NoLoan =
    QT_TRANSLATE_NOOP("Analysis", "The down payment is more than the price: there is no loan.");
const char *const TooLarge = QT_TRANSLATE_NOOP("Analysis", "The figure is too large to compute.");

bool isFinite(double x)
{
    return std::isfinite(x);
}

// Why the payment of a loan is not a number. Beside a term of 0, the rate's growth over the term
// or the loan amount itself can leave the range of a double.
QString paymentProblem(const DealRecord &record, int k)
{
    const double term = record.m_term[k].m_value;
    if (term == 0)
        return AnalysisText::kept(NoSchedule::NoPayment);
    const double r = Profit::monthlyRate(record.m_interestRate[k].m_value);
    if (!isFinite(r) || (r != 0 && !isFinite(std::pow(1.0 + r, 12.0 * term))))
        return AnalysisText::kept(NoSchedule::RateTooHigh);
    return AnalysisText::kept(NoSchedule::AmountTooLarge);
}

// Why the figures of a loan's life cannot be given, or an empty text when they can.
QString lifeProblem(const DealRecord &record, int k, double payment, double count)
{
    if (!isFinite(payment))
        return paymentProblem(record, k);
    if (!(count > 0)) {
        return record.m_term[k].m_value < 0
            ? AnalysisText::tr(NoSchedule::TermBelowZero)
            : AnalysisText::tr(NoSchedule::NoPayment);
    }
    if (count > MaxScheduledPayments)
        return AnalysisText::tr(NoSchedule::TooLong);
    return {};
}

template <class Schedule> double totalInterest(const Schedule &schedule)
{
    double interest = 0;
    for (const ScheduleRow &row : schedule)
        interest += row.interest;
    return interest;
}

void analyzeLife(LoanAnalysis &loan, const DealRecord &record, int k, double loanAmount,
                 double payment, double prepaidFinanceCharge)
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
    // Both sums in one pass: each waits on its own additions only.
    double paid = 0;
    double interest = 0;
    for (const ScheduleRow &row : loan.schedule) {
        paid += row.payment;
        interest += row.interest;
    }
    const double withoutExtra = extra > 0 ? totalInterest(sharedSchedule(loanAmount, rate, term, 0)) : interest;
    loan.interestSaved = Measure::of(withoutExtra - interest, {});
    loan.payments = Measure::of(double(loan.schedule.size()), {});
    loan.totalPaid = Measure::of(paid, {});
    loan.totalCost = Measure::of(down + prepaidFinanceCharge + paid, {});
    loan.totalInterest = Measure::of(interest, {});
    loan.payoffMonth = Measure::of(double(loan.schedule.size()), {});
    for (int i = 0; i < MilestoneCount; ++i) {
        const std::size_t months =
            i < int(MilestoneYears.size()) ? std::size_t(12 * MilestoneYears[std::size_t(i)])
                                           : loan.schedule.size();
        const double balance = months == 0 ? loanAmount
            : months >= loan.schedule.size() ? 0.0
                                             : loan.schedule[months - 1].balance;
        loan.balance[std::size_t(i)] = Measure::of(balance, {});
        loan.equity[std::size_t(i)] = Measure::of(down + (loanAmount - balance), {});
    }
}

// Every underwriting figure unknown, for reason.
void noUnderwriting(LoanAnalysis &loan, const QString &reason)
{
    for (Measure *m : {&loan.cashOnCash, &loan.debtServiceCoverage, &loan.breakEvenOccupancy,
                        &loan.breakEvenRent, &loan.highestOffer})
        *m = Measure::unknown(reason);
}

// Year 1 alone: what the underwriting figures need, whatever the holding period.
ProjectionAssumptions yearOneOf(ProjectionAssumptions assumptions)
{
    assumptions.holdYears = 1;
    return assumptions;
}

// The year-1 cash flow at another price, everything else as typed.
double cashFlowAtPrice(ProjectionInputs inputs, const ProjectionAssumptions &yearOne, double price)
{
    inputs.price = price;
    return yearOneCashFlow(inputs, yearOne);
}

// The highest price, in whole cents, at which the year-1 cash flow is still 0 or more. The cash
// flow falls as the price rises (a larger loan, longer mortgage insurance) and is linear between
// the months mortgage insurance ends, so false position (Illinois) closes in within a few steps.
Measure highestOfferOf(const LoanAnalysis &loan, const DealRecord &record, int k,
                       const ProjectionInputs &inputs, const ProjectionAssumptions &assumptions)
{
    // Without a loan amount the purchase is in cash: a higher price would need a loan that no
    // lender offered, at a rate no one quoted.
    if (loan.loanAmount.value == 0)
        return Measure::unknown(AnalysisText::tr("There is no loan amount: a higher price would need a loan that no one offered."));
    const ProjectionAssumptions yearOne = yearOneOf(assumptions);
    const auto at = [&](double cents) { return cashFlowAtPrice(inputs, yearOne, cents / 100.0); };
    double low = std::ceil(inputs.downPayment * 100.0);
    // The payments grow in proportion to the amount borrowed, so the year-1 cash flow at the price
    // asked points at the price where it reaches 0, within a cent where it reaches 0 on a whole
    // cent; mortgage insurance may move it further. A price it points at is checked before it
    // is taken.
    const ProjectionYear &asked = loan.projection.years.front();
    if (inputs.extraPayment == 0 && asked.debtService > 0 && inputs.loanAmount() > 0) {
        const double guess = std::floor(100.0 * (inputs.price + asked.cashFlow * inputs.loanAmount() / asked.debtService));
        if (guess - 1 >= low) {
            const double there = at(guess);
            const double next = there >= 0 ? at(guess + 1) : there;
            const double last = there >= 0 ? guess : guess - 1;
            if (next < 0 && (there >= 0 || at(last) >= 0))
                return Measure::of(last / 100.0, {});
        }
    }
    double lowFlow = at(low);
    if (!(lowFlow >= 0))
        return Measure::unknown(std::isnan(lowFlow) ? paymentProblem(record, k)
                                                    : AnalysisText::tr("The rent does not cover the costs even without a loan."));
    double high = std::max(low + 1, std::round(inputs.price * 100.0));
    double highFlow = at(high);
    for (int i = 0; i < 64 && highFlow >= 0; ++i) {
        low = high;
        lowFlow = highFlow;
        high *= 2;
        highFlow = at(high);
    }
    if (!(highFlow < 0))
        return Measure::unknown(AnalysisText::tr(TooLarge));
    int lastSide = 0;
    while (high - low > 1) {
        double next = std::round(low + (high - low) * lowFlow / (lowFlow - highFlow));
        next = std::clamp(next, low + 1, high - 1);
        const double flow = at(next);
        if (flow >= 0) {
            low = next;
            lowFlow = flow;
            if (lastSide == 1)
                highFlow /= 2;
            lastSide = 1;
        } else {
            high = next;
            highFlow = std::isnan(flow) ? highFlow : flow;
            if (lastSide == -1)
                lowFlow /= 2;
            lastSide = -1;
        }
    }
    return Measure::of(low / 100.0, {});
}

// The underwriting figures of one loan, all from year 1 of its projection under the base
// assumptions.
void underwrite(LoanAnalysis &loan, const DealRecord &record, int k, const ProjectionInputs &inputs,
                const ProjectionAssumptions &assumptions)
{
    if (!loan.principalAndInterest.isKnown())
        return noUnderwriting(loan, loan.principalAndInterest.reason);
    if (!loan.projection.isKnown())
        return noUnderwriting(loan, loan.projection.reason);
    const ProjectionYear &year = loan.projection.years.front();
    // The year's required payments: those of the same loan without extra payments.
    double required = year.debtService + year.pmi;
    if (inputs.extraPayment != 0) {
        ProjectionInputs plain = inputs;
        plain.extraPayment = 0;
        const Projection p = project(plain, yearOneOf(assumptions), YearlyReturns::ValueAtHold);
        required = p.isKnown() ? p.years.front().debtService + p.years.front().pmi : std::nan("");
    }
    const double invested = loan.projection.cashInvested;
    loan.cashOnCash = invested > 0
        ? Measure::of(year.cashFlow / invested, {})
        : Measure::unknown(AnalysisText::tr("No cash is invested to earn a return on."));
    loan.debtServiceCoverage = required == 0
        ? Measure::unknown(AnalysisText::tr("Nothing is paid on a loan: there is no debt service to cover."))
        : Measure::of(year.netOperatingIncome / required, {});
    loan.breakEvenOccupancy = year.rent == 0
        ? Measure::unknown(AnalysisText::tr("The monthly rent is 0."))
        : Measure::of((year.operatingCosts + required) / year.rent, {});
    // The year's net operating income is linear in the rent: its value at a rent of 0 and what
    // each unit of rent adds give the rent at which the cash flow is 0.
    ProjectionInputs at = inputs;
    at.rent = 0;
    const double withoutRent = operatingYearOne(at, assumptions).netOperatingIncome;
    at.rent = 1;
    const double perUnit = operatingYearOne(at, assumptions).netOperatingIncome - withoutRent;
    loan.breakEvenRent = perUnit > 0
        ? Measure::of((year.debtService + year.pmi - withoutRent) / perUnit, {})
        : Measure::unknown(AnalysisText::tr("Vacancy, upkeep, reserve and management take all of the rent: no rent breaks even."));
    loan.highestOffer = highestOfferOf(loan, record, k, inputs, assumptions);
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
    deal.cheapestByMonth = cheapestByMonth(deal.loanCosts(), deal.compared());
    deal.pointsBreakEven = pointsBreakEvens(deal.loanCosts(), deal.compared());
}

PropertyAnalysis analyzeProperty(const DealRecord &record, const ProjectionAssumptions &assumptions)
{
    const double price = record.m_purchasePrice.m_value;
    const double rent = record.m_rentalIncome.m_value;
    const QString noPrice = AnalysisText::tr("The purchase price is 0.");
    PropertyAnalysis p;
    // The income of year 1 of the projection: vacancy, upkeep, reserve and management counted.
    if (const QString problem = assumptions.baseProblem(); !problem.isEmpty()) {
        p.netOperatingIncome = p.netOperatingIncomeYearly = p.capRate = Measure::unknown(problem);
    } else {
        const double noi = operatingYearOne(inputsOf(record, 0), assumptions).netOperatingIncome;
        p.netOperatingIncome = Measure::of(noi / 12.0, {});
        p.netOperatingIncomeYearly = Measure::of(noi, {});
        p.capRate = price == 0 ? Measure::unknown(noPrice) : Measure::of(noi / price, {});
    }
    p.grossRentMultiplier = rent == 0
        ? Measure::unknown(AnalysisText::tr("The monthly rent is 0."))
        : Measure::of(price / (12.0 * rent), {});
    p.rentToPrice = price == 0 ? Measure::unknown(noPrice) : Measure::of(rent / price, {});
    return p;
}

} // namespace

Measure Measure::notFinite(const QString &reason)
{
    return unknown(reason.isEmpty() ? AnalysisText::tr(TooLarge) : reason);
}

DealAnalysis analyze(const DealRecord &record, YearlyReturns yearly)
{
    DealAnalysis deal;
    deal.assumptions = assumptionsOf(record.m_projection);
    deal.property = analyzeProperty(record, deal.assumptions);
    const auto figures = Profit::calculate(record);
    for (int k = 0; k < MAX_LOANS; ++k) {
        LoanAnalysis &loan = deal.loans[std::size_t(k)];
        const double payment = figures[Profit::PrincipalAndInterest][std::size_t(k)];
        // An empty reason is "too large": translated only where a figure is.
        const QString problem = isFinite(payment) ? QString() : paymentProblem(record, k);
        auto figure = [&](Profit::Figure f) {
            return Measure::of(figures[std::size_t(f)][std::size_t(k)],
                                f == Profit::LoanAmount ? QString() : problem);
        };
        loan.loanAmount = figure(Profit::LoanAmount);
        loan.principalAndInterest = figure(Profit::PrincipalAndInterest);
        loan.totalMonthlyPayment = figure(Profit::TotalMonthlyPayment);
        loan.monthlyCashFlow = figure(Profit::MonthlyCashFlow);
        loan.safetyCashFlow = figure(Profit::SafetyCashFlow);
        const ProjectionInputs inputs = inputsOf(record, k);
        loan.points = Measure::of(inputs.pointsPercent / 100.0, {});
        loan.lenderFees = Measure::of(inputs.lenderFees, {});
        loan.costs = loanCosts(inputs, deal.assumptions);
        if (loan.loanAmount.isKnown() && loan.loanAmount.value < 0) {
            // A down payment above the price borrows a negative amount: the report's figures
            // follow from it as written, but nothing of a loan's life or returns does.
            loan.notCompared = AnalysisText::tr(NoLoan);
            for (Measure *m : {&loan.payments, &loan.totalPaid, &loan.totalCost, &loan.totalInterest,
                                &loan.payoffMonth, &loan.interestSaved})
                *m = Measure::unknown(loan.notCompared);
            noUnderwriting(loan, loan.notCompared);
            loan.balance.fill(Measure::unknown(loan.notCompared));
            loan.equity.fill(Measure::unknown(loan.notCompared));
            loan.projection = unprojected(loan.notCompared);
            loan.scenarios.fill(resultOf(loan.projection));
            loan.priceToOffer = Measure::unknown(loan.notCompared);
            continue;
        }
        analyzeLife(loan, record, k, loan.loanAmount.value, payment, inputs.prepaidFinanceCharge());
        loan.projection = project(inputs, deal.assumptions, yearly);
        // The base case is the projection itself.
        for (std::size_t s = 0; s < Scenarios.size(); ++s) {
            loan.scenarios[s] = Scenarios[s] == Scenario::Base
                ? resultOf(loan.projection)
                : projectScenario(inputs, deal.assumptions, Scenarios[s]);
        }
        loan.priceToOffer = priceToOffer(inputs, deal.assumptions, &loan.projection);
        underwrite(loan, record, k, inputs, deal.assumptions);
    }
    leaveOut(deal, comparedOffers(record));
    return deal;
}

std::vector<const LoanCosts *> DealAnalysis::loanCosts() const
{
    std::vector<const LoanCosts *> costs;
    for (const LoanAnalysis &loan : loans)
        costs.push_back(&loan.costs);
    return costs;
}

std::vector<bool> DealAnalysis::compared() const
{
    std::vector<bool> compared;
    for (const LoanAnalysis &loan : loans)
        compared.push_back(loan.notCompared.isEmpty());
    return compared;
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
    a.tax = {fraction(figures.m_landShare), fraction(figures.m_incomeTaxRate),
             fraction(figures.m_capitalGainsRate), fraction(figures.m_recaptureRate)};
    // A year or term beyond any int is as far out of range as it can be: the refinance is left
    // out, and says so.
    const auto whole = [](const Value &years, int outOfRange) {
        return std::isfinite(years.m_value) && std::abs(years.m_value) < 1e6 ? int(years.m_value) : outOfRange;
    };
    a.refinance = {whole(figures.m_refinanceYear, -1), fraction(figures.m_refinanceLtv),
                   fraction(figures.m_refinanceRate), whole(figures.m_refinanceTerm, 0),
                   fraction(figures.m_refinanceCosts)};
    return a;
}

QString extraPaymentProblem(const DealRecord &record, int loan)
{
    if (!(record.m_extraPayment[std::size_t(loan)].m_value < 0))
        return {};
    return AnalysisText::tr("The extra payment of loan %1 must be 0 or more.").arg(loan + 1);
}

ProjectionInputs inputsOf(const DealRecord &record, int loan)
{
    const auto k = std::size_t(loan);
    return {record.m_purchasePrice.m_value, record.m_rentalIncome.m_value,
            record.m_escrow.m_value,        record.m_otherFees.m_value,
            record.m_downPayment[k].m_value, record.m_interestRate[k].m_value,
            record.m_term[k].m_value,        record.m_pmi[k].m_value,
            record.m_extraPayment[k].m_value, record.m_points[k].m_value,
            record.m_lenderFees[k].m_value};
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
        if (!first.readStored(field.firstRunText(), locales))
            first.m_value = field.firstRunText().toDouble();
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

ComparedOffers comparedOffers(const DealRecord &record)
{
    const ComparedOffers defaults = defaultComparedOffers(record);
    ComparedOffers compared{};
    for (std::size_t k = 0; k < compared.size(); ++k)
        compared[k] = record.m_compare[k].value_or(defaults[k]);
    return compared;
}

bool hasComparisonChoice(const DealRecord &record)
{
    return std::any_of(record.m_compare.begin(), record.m_compare.end(),
                       [](const std::optional<bool> &choice) { return choice.has_value(); });
}

void leaveOut(DealAnalysis &deal, const ComparedOffers &compared)
{
    for (int k = 0; k < MAX_LOANS; ++k) {
        LoanAnalysis &loan = deal.loans[std::size_t(k)];
        if (!compared[std::size_t(k)] && loan.notCompared.isEmpty())
            loan.notCompared = AnalysisText::kept(QT_TRANSLATE_NOOP("Analysis", "Left out of the comparison."));
    }
    rankLoans(deal);
}
