#include "core/measures.h"

#include "core/localeservices.h"
#include "core/value.h"

#include <QCoreApplication>

namespace {

template <std::size_t I> Measure balance(const LoanAnalysis &loan)
{
    return loan.balance[I];
}
template <std::size_t I> Measure equity(const LoanAnalysis &loan)
{
    return loan.equity[I];
}

// A figure of the offer's refinance; unknown, and saying why, where none is made.
Measure refinanceFigure(const LoanAnalysis &loan, Measure RefinanceResult::*figure)
{
    const RefinanceResult &refinance = loan.projection.refinance;
    if (refinance.made)
        return refinance.*figure;
    if (!loan.projection.isKnown())
        return Measure::unknown(loan.projection.reason);
    return Measure::unknown(refinance.ignored.isEmpty() ? QCoreApplication::translate("Projection", "No refinance is made.")
                                                        : refinance.ignored);
}

} // namespace

const std::vector<LoanMeasure> &loanMeasures()
{
    using U = MeasureUnit;
    static const std::vector<LoanMeasure> rows = {
        {LoanMeasureId::LoanAmount, "loan_amount", QT_TRANSLATE_NOOP("Analysis", "Loan Amount"),
         QT_TRANSLATE_NOOP("Analysis", "The purchase price less the down payment."), U::Money,
         Better::Neither, [](const LoanAnalysis &l) { return l.loanAmount; }},
        {LoanMeasureId::PrincipalAndInterest, "principal_and_interest", QT_TRANSLATE_NOOP("Analysis", "Principal and Interest"),
         QT_TRANSLATE_NOOP("Analysis", "The level monthly payment that pays the loan back over its term."),
         U::Money, Better::Lower, [](const LoanAnalysis &l) { return l.principalAndInterest; }},
        {LoanMeasureId::TotalMonthlyPayment, "total_monthly_payment", QT_TRANSLATE_NOOP("Analysis", "Total Monthly Payment"),
         QT_TRANSLATE_NOOP("Analysis", "Principal and interest plus escrow and PMI."), U::Money,
         Better::Lower, [](const LoanAnalysis &l) { return l.totalMonthlyPayment; }},
        {LoanMeasureId::MonthlyCashFlow, "monthly_cash_flow", QT_TRANSLATE_NOOP("Analysis", "Monthly Cash Flow"),
         QT_TRANSLATE_NOOP("Analysis", "The rent less the other fees and the total monthly payment."),
         U::Money, Better::Higher, [](const LoanAnalysis &l) { return l.monthlyCashFlow; }},
        {LoanMeasureId::SafetyCashFlow, "safety_cash_flow", QT_TRANSLATE_NOOP("Analysis", "Safety Cash Flow"),
         QT_TRANSLATE_NOOP("Analysis", "The monthly cash flow less the safety margin's share of the rent."),
         U::Money, Better::Higher, [](const LoanAnalysis &l) { return l.safetyCashFlow; }},
        {LoanMeasureId::Payments, "payments", QT_TRANSLATE_NOOP("Analysis", "Number of Payments"),
         QT_TRANSLATE_NOOP("Analysis", "Monthly payments over the term: 12 a year, the last one smaller when the term ends within a year."),
         U::Count, Better::Neither, [](const LoanAnalysis &l) { return l.payments; }},
        {LoanMeasureId::TotalPaid, "total_paid", QT_TRANSLATE_NOOP("Analysis", "Total of Payments"),
         QT_TRANSLATE_NOOP("Analysis", "All payments of principal and interest over the loan's life."),
         U::Money, Better::Neither, [](const LoanAnalysis &l) { return l.totalPaid; }},
        // The payments alone favour a large down payment and mark no best: offers compare
        // only with the down payment added.
        {LoanMeasureId::TotalCost, "total_cost", QT_TRANSLATE_NOOP("Analysis", "Total Cost"),
         QT_TRANSLATE_NOOP("Analysis", "The down payment, the points and lender fees, and all payments of principal and interest: what the purchase costs in all, before escrow, PMI and the other fees."),
         U::Money, Better::Lower, [](const LoanAnalysis &l) { return l.totalCost; }},
        {LoanMeasureId::TotalInterest, "total_interest", QT_TRANSLATE_NOOP("Analysis", "Total Interest"),
         QT_TRANSLATE_NOOP("Analysis", "The interest part of all payments: the total of payments less the loan amount."),
         U::Money, Better::Lower, [](const LoanAnalysis &l) { return l.totalInterest; }},
        {LoanMeasureId::PayoffMonth, "payoff_month", QT_TRANSLATE_NOOP("Analysis", "Payoff Month"),
         QT_TRANSLATE_NOOP("Analysis", "The month of the last payment, counted from the first."),
         U::Count, Better::Neither, [](const LoanAnalysis &l) { return l.payoffMonth; }},
        {LoanMeasureId::Balance1Year, "balance_1_year", QT_TRANSLATE_NOOP("Analysis", "Balance after 1 Year"),
         QT_TRANSLATE_NOOP("Analysis", "What is still owed after 12 payments."), U::Money,
         Better::Lower, balance<0>},
        {LoanMeasureId::Balance5Years, "balance_5_years", QT_TRANSLATE_NOOP("Analysis", "Balance after 5 Years"),
         QT_TRANSLATE_NOOP("Analysis", "What is still owed after 60 payments."), U::Money,
         Better::Lower, balance<1>},
        {LoanMeasureId::Balance10Years, "balance_10_years", QT_TRANSLATE_NOOP("Analysis", "Balance after 10 Years"),
         QT_TRANSLATE_NOOP("Analysis", "What is still owed after 120 payments."), U::Money,
         Better::Lower, balance<2>},
        {LoanMeasureId::Equity1Year, "equity_1_year", QT_TRANSLATE_NOOP("Analysis", "Equity after 1 Year"),
         QT_TRANSLATE_NOOP("Analysis", "The down payment plus the principal repaid in 12 payments."),
         U::Money, Better::Higher, equity<0>},
        {LoanMeasureId::Equity5Years, "equity_5_years", QT_TRANSLATE_NOOP("Analysis", "Equity after 5 Years"),
         QT_TRANSLATE_NOOP("Analysis", "The down payment plus the principal repaid in 60 payments."),
         U::Money, Better::Higher, equity<1>},
        {LoanMeasureId::Equity10Years, "equity_10_years", QT_TRANSLATE_NOOP("Analysis", "Equity after 10 Years"),
         QT_TRANSLATE_NOOP("Analysis", "The down payment plus the principal repaid in 120 payments."),
         U::Money, Better::Higher, equity<2>},
        // The underwriting figures, all from year 1 of the projection under the base assumptions.
        {LoanMeasureId::CashOnCash, "cash_on_cash", QT_TRANSLATE_NOOP("Analysis", "Cash-on-Cash (Year 1)"),
         QT_TRANSLATE_NOOP("Analysis", "Year 1's cash flow of the projection (the rent less vacancy, escrow, other fees, maintenance, capital reserve, management and every payment) as a share of the cash invested: the cash to close (the down payment, the closing costs, the points and the lender fees)."),
         U::Fraction, Better::Higher, [](const LoanAnalysis &l) { return l.cashOnCash; }},
        {LoanMeasureId::DebtServiceCoverage, "debt_service_coverage", QT_TRANSLATE_NOOP("Analysis", "Debt Service Coverage (Year 1)"),
         QT_TRANSLATE_NOOP("Analysis", "Year 1's net operating income divided by the year's required payments (principal, interest and PMI; extra payments left out); lenders look for 1.25 or more."),
         U::Ratio, Better::Higher, [](const LoanAnalysis &l) { return l.debtServiceCoverage; }},
        {LoanMeasureId::BreakEvenOccupancy, "break_even_occupancy", QT_TRANSLATE_NOOP("Analysis", "Break-even Occupancy (Year 1)"),
         QT_TRANSLATE_NOOP("Analysis", "The share of year 1's rent that must come in to pay its operating costs and required payments; the rest may stand empty."),
         U::Fraction, Better::Lower, [](const LoanAnalysis &l) { return l.breakEvenOccupancy; }},
        {LoanMeasureId::BreakEvenRent, "break_even_rent", QT_TRANSLATE_NOOP("Analysis", "Break-even Rent (Year 1)"),
         QT_TRANSLATE_NOOP("Analysis", "The monthly rent at which year 1's cash flow is 0, with vacancy, upkeep, reserve and management as assumed."),
         U::Money, Better::Lower, [](const LoanAnalysis &l) { return l.breakEvenRent; }},
        {LoanMeasureId::HighestOffer, "highest_offer", QT_TRANSLATE_NOOP("Analysis", "Highest Offer (Year 1)"),
         QT_TRANSLATE_NOOP("Analysis", "The highest purchase price, to the cent, at which year 1's cash flow is still 0 or more, with this loan's down payment, rate, term and PMI and the assumptions unchanged: the most to offer the seller on the year's income."),
         U::Money, Better::Higher, [](const LoanAnalysis &l) { return l.highestOffer; }},
        {LoanMeasureId::InterestSaved, "interest_saved", QT_TRANSLATE_NOOP("Analysis", "Interest Saved"),
         QT_TRANSLATE_NOOP("Analysis", "The interest the extra payments save: the total interest of the same loan without them, less this loan's."),
         U::Money, Better::Higher, [](const LoanAnalysis &l) { return l.interestSaved; }},
        // What the offer costs beyond its rate.
        {LoanMeasureId::Points, "points", QT_TRANSLATE_NOOP("Analysis", "Points"),
         QT_TRANSLATE_NOOP("Analysis", "What the lender charges at closing in per cent of the loan amount; one point is 1 %."),
         U::Rate, Better::Neither, [](const LoanAnalysis &l) { return l.points; }, true},
        {LoanMeasureId::LenderFees, "lender_fees", QT_TRANSLATE_NOOP("Analysis", "Lender Fees"),
         QT_TRANSLATE_NOOP("Analysis", "The lender's own fees paid at closing: origination, underwriting and the like."),
         U::Money, Better::Neither, [](const LoanAnalysis &l) { return l.lenderFees; }, true},
        {LoanMeasureId::PrepaidFinanceCharge, "prepaid_finance_charge", QT_TRANSLATE_NOOP("Analysis", "Prepaid Finance Charge"),
         QT_TRANSLATE_NOOP("Analysis", "The points in money plus the lender fees: what the loan costs before its first payment."),
         U::Money, Better::Lower, [](const LoanAnalysis &l) { return l.costs.prepaidFinanceCharge; }},
        {LoanMeasureId::CashToClose, "cash_to_close", QT_TRANSLATE_NOOP("Analysis", "Cash to Close"),
         QT_TRANSLATE_NOOP("Analysis", "The down payment, the closing costs and the prepaid finance charge: the cash invested at the purchase."),
         U::Money, Better::Lower, [](const LoanAnalysis &l) { return l.costs.cashToClose; }},
        {LoanMeasureId::Apr, "apr", QT_TRANSLATE_NOOP("Analysis", "APR"),
         QT_TRANSLATE_NOOP("Analysis", "The annual percentage rate as US law (Regulation Z) computes it: the yearly rate at which the required payments, PMI included, repay the loan amount less points and fees."),
         U::Rate, Better::Lower, [](const LoanAnalysis &l) { return l.costs.apr; }},
        {LoanMeasureId::RateOverHold, "rate_over_hold", QT_TRANSLATE_NOOP("Analysis", "Rate over the Hold"),
         QT_TRANSLATE_NOOP("Analysis", "The same rate for a buyer who sells at the end of the holding period: the payments until then, extra payments included, and the balance paid off at the sale. Points weigh more the sooner the loan is repaid."),
         U::Rate, Better::Lower, [](const LoanAnalysis &l) { return l.costs.rateOverHold; }},
    };
    return rows;
}

const std::vector<PropertyMeasure> &propertyMeasures()
{
    using U = MeasureUnit;
    static const std::vector<PropertyMeasure> rows = {
        {"net_operating_income", QT_TRANSLATE_NOOP("Analysis", "Net Operating Income (Month, Year 1)"),
         QT_TRANSLATE_NOOP("Analysis", "A twelfth of year 1's net operating income of the projection: the rent less vacancy, escrow, other fees, maintenance, capital reserve and management, before any loan payment."),
         U::Money, [](const PropertyAnalysis &p) { return p.netOperatingIncome; }},
        {"net_operating_income_yearly", QT_TRANSLATE_NOOP("Analysis", "Net Operating Income (Year 1)"),
         QT_TRANSLATE_NOOP("Analysis", "Year 1's net operating income of the projection."), U::Money,
         [](const PropertyAnalysis &p) { return p.netOperatingIncomeYearly; }},
        {"cap_rate", QT_TRANSLATE_NOOP("Analysis", "Cap Rate (Year 1)"),
         QT_TRANSLATE_NOOP("Analysis", "Year 1's net operating income as a share of the purchase price."),
         U::Fraction, [](const PropertyAnalysis &p) { return p.capRate; }},
        {"gross_rent_multiplier", QT_TRANSLATE_NOOP("Analysis", "Gross Rent Multiplier"),
         QT_TRANSLATE_NOOP("Analysis", "The purchase price divided by a year's rent."), U::Ratio,
         [](const PropertyAnalysis &p) { return p.grossRentMultiplier; }},
        {"rent_to_price", QT_TRANSLATE_NOOP("Analysis", "Rent-to-Price Ratio"),
         QT_TRANSLATE_NOOP("Analysis", "The monthly rent as a share of the purchase price; investors screen for 1 % (the \"1 % rule\")."),
         U::Fraction, [](const PropertyAnalysis &p) { return p.rentToPrice; }},
    };
    return rows;
}

QString measureText(const char *text)
{
    return QCoreApplication::translate("Analysis", text);
}

QString formatMeasure(const Measure &measure, MeasureUnit unit, const QString &currency)
{
    if (!measure.isKnown())
        return QStringLiteral("\u2014");
    switch (unit) {
    case MeasureUnit::Money:
        return formatCurrency(measure.value, currency);
    case MeasureUnit::Fraction:
        // A computed share has no typed third decimal to keep: two, like every other figure.
        return LocaleServices::formatNumber(doubleToText(measure.value * 100.0)) + QLatin1Char('%');
    case MeasureUnit::Rate:
        return LocaleServices::formatRate(doubleToText(measure.value * 100.0)) + QLatin1Char('%');
    case MeasureUnit::Ratio:
        return LocaleServices::formatNumber(doubleToText(measure.value));
    case MeasureUnit::Count:
        break;
    }
    IntegerValue whole;
    whole.m_value = measure.value;
    return whole.format(currency);
}

int bestLoan(const DealAnalysis &deal, const LoanMeasure &measure)
{
    if (measure.better == Better::Neither)
        return -1;
    return bestLoanOf(deal, measure.get, measure.better == Better::Higher);
}

std::vector<int> bestLoans(const DealAnalysis &deal, const LoanMeasure &measure)
{
    return bestLoans(deal, measure.get, measure.better);
}

std::vector<int> bestLoans(const DealAnalysis &deal, Measure (*get)(const LoanAnalysis &), Better better)
{
    std::vector<int> loans;
    if (better == Better::Neither)
        return loans;
    const int best = bestLoanOf(deal, get, better == Better::Higher);
    if (best < 0)
        return loans;
    const double value = get(deal.loans[std::size_t(best)]).value;
    for (int k = 0; k < MAX_LOANS; ++k) {
        const Measure m = get(deal.loans[std::size_t(k)]);
        if (m.isKnown() && m.value == value && deal.loans[std::size_t(k)].notCompared.isEmpty())
            loans.push_back(k);
    }
    return loans;
}

const LoanMeasure &loanMeasure(LoanMeasureId id)
{
    // Each row stands at the place of its id (a test holds the table to that).
    return loanMeasures()[static_cast<std::size_t>(id)];
}

namespace {

// A figure of the projection, unknown for the projection's reason where there is none.
Measure projected(const Projection &projection, double value)
{
    return projection.isKnown() ? Measure::of(value, {}) : Measure::unknown(projection.reason);
}

} // namespace

const std::vector<ProjectionMeasure> &projectionMeasures()
{
    using U = MeasureUnit;
    static const std::vector<ProjectionMeasure> rows = {
        // More cash in is no better or worse in itself: like the loan amount, it marks no best.
        {ProjectionMeasureId::CashInvested, "cash_invested", QT_TRANSLATE_NOOP("Projection", "Cash Invested"),
         QT_TRANSLATE_NOOP("Projection", "The cash to close, paid in year 0: the down payment, the closing costs, the points and the lender fees."),
         U::Money, false, Better::Neither, true,
         [](const LoanAnalysis &l) { return projected(l.projection, l.projection.cashInvested); }},
        {ProjectionMeasureId::YearOneCashFlow, "year_1_cash_flow", QT_TRANSLATE_NOOP("Projection", "Year-1 Cash Flow"),
         QT_TRANSLATE_NOOP("Projection", "The first year's net operating income less its debt service and mortgage insurance."),
         U::Money, false, Better::Higher, false,
         [](const LoanAnalysis &l) {
             return l.projection.years.empty() ? projected(l.projection, 0)
                                               : projected(l.projection, l.projection.years.front().cashFlow);
         }},
        {ProjectionMeasureId::Irr, "irr", QT_TRANSLATE_NOOP("Projection", "IRR"),
         QT_TRANSLATE_NOOP("Projection", "Internal rate of return: the yearly rate at which the cash invested, the yearly cash flows and the sale proceeds at the end of the holding period are worth 0 today."),
         U::Fraction, false, Better::Higher, true, [](const LoanAnalysis &l) { return l.projection.irr; },
         [](const ScenarioResult &r) { return r.irr; }, true},
        {ProjectionMeasureId::Npv, "npv", QT_TRANSLATE_NOOP("Projection", "NPV"),
         QT_TRANSLATE_NOOP("Projection", "Net present value: the same flows discounted at the discount rate, year 0 undiscounted."),
         U::Money, false, Better::Higher, true, [](const LoanAnalysis &l) { return l.projection.npv; },
         [](const ScenarioResult &r) { return r.npv; }},
        {ProjectionMeasureId::EquityMultiple, "equity_multiple", QT_TRANSLATE_NOOP("Projection", "Equity Multiple"),
         QT_TRANSLATE_NOOP("Projection", "What the deal pays out (the years that bring cash in, the sale included) divided by what is put into it (the cash invested and the cash that covers a year's shortfall); never below 0."),
         U::Ratio, true, Better::Higher, true, [](const LoanAnalysis &l) { return l.projection.equityMultiple; },
         [](const ScenarioResult &r) { return r.equityMultiple; }},
        {ProjectionMeasureId::TotalProfit, "total_profit", QT_TRANSLATE_NOOP("Projection", "Total Profit"),
         QT_TRANSLATE_NOOP("Projection", "The yearly cash flows plus the sale proceeds, less the cash invested."),
         U::Money, false, Better::Higher, true, [](const LoanAnalysis &l) { return l.projection.totalProfit; },
         [](const ScenarioResult &r) { return r.totalProfit; }},
        {ProjectionMeasureId::AnnualizedReturn, "annualized_return", QT_TRANSLATE_NOOP("Projection", "Annualized Return"),
         QT_TRANSLATE_NOOP("Projection", "The yearly rate at which the equity multiple builds up over the holding period: the multiple to the power of 1 over the years, less 1."),
         U::Fraction, false, Better::Higher, true, [](const LoanAnalysis &l) { return l.projection.annualizedReturn; }},
        {ProjectionMeasureId::SaleProceeds, "sale_proceeds", QT_TRANSLATE_NOOP("Projection", "Sale Proceeds"),
         QT_TRANSLATE_NOOP("Projection", "The property's value at the end of the holding period, less the selling costs and the loan balance."),
         U::Money, false, Better::Higher, true, [](const LoanAnalysis &l) { return l.projection.saleProceeds; }},
        {ProjectionMeasureId::InterestSaved, "interest_saved", QT_TRANSLATE_NOOP("Projection", "Interest Saved"),
         QT_TRANSLATE_NOOP("Projection", "The interest the extra payments save over the loan's life, against the same loan without them."),
         U::Money, false, Better::Higher, false, [](const LoanAnalysis &l) { return l.interestSaved; }},
        // What a refinance gave, shown where one is asked for.
        {ProjectionMeasureId::RefinanceCashOut, "cash_out", QT_TRANSLATE_NOOP("Projection", "Refinance Cash Out"),
         QT_TRANSLATE_NOOP("Projection", "The new loan less the balance it pays off and its costs: cash in hand in the year of the refinance; below 0 where cash must be brought."),
         U::Money, false, Better::Higher, false, [](const LoanAnalysis &l) { return refinanceFigure(l, &RefinanceResult::cashOut); },
         nullptr, false, true},
        {ProjectionMeasureId::CashLeftInDeal, "cash_left_in_deal", QT_TRANSLATE_NOOP("Projection", "Cash Left in the Deal"),
         QT_TRANSLATE_NOOP("Projection", "The cash invested less the refinance's cash out."),
         U::Money, false, Better::Lower, false, [](const LoanAnalysis &l) { return refinanceFigure(l, &RefinanceResult::cashLeftInDeal); },
         nullptr, false, true},
        {ProjectionMeasureId::CashOnCashAfterRefinance, "cash_on_cash_after", QT_TRANSLATE_NOOP("Projection", "Cash-on-Cash after the Refinance"),
         QT_TRANSLATE_NOOP("Projection", "The cash flow of the year after the refinance as a share of the cash left in the deal."),
         U::Fraction, false, Better::Higher, false, [](const LoanAnalysis &l) { return refinanceFigure(l, &RefinanceResult::cashOnCashAfter); },
         nullptr, false, true},
    };
    return rows;
}

const ProjectionMeasure &projectionMeasure(ProjectionMeasureId id)
{
    // Each row stands at the place of its id (a test holds the table to that).
    return projectionMeasures()[static_cast<std::size_t>(id)];
}

QString projectionText(const char *text)
{
    return QCoreApplication::translate("Projection", text);
}

QString formatProjectionMeasure(const Measure &measure, const ProjectionMeasure &row,
                                const QString &currency)
{
    return formatProjectionFigure(measure, row.unit, row.multiple, currency);
}

QString formatProjectionFigure(const Measure &measure, MeasureUnit unit, bool multiple,
                               const QString &currency)
{
    const QString text = formatMeasure(measure, unit, currency);
    return multiple && measure.isKnown() ? text + QChar(0x00D7) : text;
}

namespace {

template <auto member> Measure money(const ProjectionYear &year)
{
    return Measure::of(year.*member, {});
}

// The first column of every table of years.
ProjectionYearColumn yearColumn()
{
    return {"year", QT_TRANSLATE_NOOP("Projection", "Year"),
            QT_TRANSLATE_NOOP("Projection", "The year of the holding period, counted from the purchase."),
            MeasureUnit::Count, false, [](const ProjectionYear &y) { return Measure::of(double(y.year), {}); }};
}

} // namespace

const std::vector<ProjectionYearColumn> &projectionYearColumns()
{
    using U = MeasureUnit;
    using Y = ProjectionYear;
    static const std::vector<ProjectionYearColumn> columns = {
        yearColumn(),
        {"rent", QT_TRANSLATE_NOOP("Projection", "Rent"),
         QT_TRANSLATE_NOOP("Projection", "The year's gross scheduled rent: twelve months of rent, grown by the rent growth from the second year on."),
         U::Money, false, money<&Y::rent>},
        {"vacancy_loss", QT_TRANSLATE_NOOP("Projection", "Vacancy Loss"),
         QT_TRANSLATE_NOOP("Projection", "The rent times the vacancy."), U::Money, false, money<&Y::vacancyLoss>},
        {"operating_costs", QT_TRANSLATE_NOOP("Projection", "Operating Costs"),
         QT_TRANSLATE_NOOP("Projection", "Twelve months of escrow and other fees, grown by the expense growth from the second year on, plus the rent times maintenance, capital reserve and management."),
         U::Money, false, money<&Y::operatingCosts>},
        {"net_operating_income", QT_TRANSLATE_NOOP("Projection", "Net Operating Income"),
         QT_TRANSLATE_NOOP("Projection", "The rent less the vacancy loss and the operating costs."), U::Money, false,
         money<&Y::netOperatingIncome>},
        {"debt_service", QT_TRANSLATE_NOOP("Projection", "Debt Service"),
         QT_TRANSLATE_NOOP("Projection", "The payments of the year's twelve months, extra payments included; 0 after the payoff."),
         U::Money, false, money<&Y::debtService>},
        {"pmi", QT_TRANSLATE_NOOP("Projection", "PMI"),
         QT_TRANSLATE_NOOP("Projection", "The monthly PMI for each month of the year in which the balance owed is above the loan-to-value at which PMI ends."),
         U::Money, false, money<&Y::pmi>},
        {"cash_flow", QT_TRANSLATE_NOOP("Projection", "Cash Flow"),
         QT_TRANSLATE_NOOP("Projection", "The net operating income less the debt service and the PMI."), U::Money, false,
         money<&Y::cashFlow>},
        {"property_value", QT_TRANSLATE_NOOP("Projection", "Property Value"),
         QT_TRANSLATE_NOOP("Projection", "The price, grown by the appreciation each year."), U::Money, false,
         money<&Y::propertyValue>},
        {"loan_balance", QT_TRANSLATE_NOOP("Projection", "Loan Balance"),
         QT_TRANSLATE_NOOP("Projection", "What is still owed at the end of the year."), U::Money, false,
         money<&Y::loanBalance>},
        {"equity", QT_TRANSLATE_NOOP("Projection", "Equity"),
         QT_TRANSLATE_NOOP("Projection", "The property value less the loan balance."), U::Money, false, money<&Y::equity>},
        {"sale_proceeds", QT_TRANSLATE_NOOP("Projection", "Sale Proceeds"),
         QT_TRANSLATE_NOOP("Projection", "What a sale at the end of the year leaves: the property value less the selling costs and the loan balance."),
         U::Money, false, money<&Y::saleProceeds>},
        {"irr_if_sold", QT_TRANSLATE_NOOP("Projection", "IRR if Sold"),
         QT_TRANSLATE_NOOP("Projection", "The IRR had the property been sold at the end of this year."), U::Fraction, false,
         [](const Y &y) { return y.irrIfSold; }},
        {"npv_if_sold", QT_TRANSLATE_NOOP("Projection", "NPV if Sold"),
         QT_TRANSLATE_NOOP("Projection", "The NPV had the property been sold at the end of this year."), U::Money, false,
         [](const Y &y) { return y.npvIfSold; }},
        {"equity_multiple_if_sold", QT_TRANSLATE_NOOP("Projection", "Equity Multiple if Sold"),
         QT_TRANSLATE_NOOP("Projection", "The equity multiple had the property been sold at the end of this year."),
         U::Ratio, true, [](const Y &y) { return y.equityMultipleIfSold; }},
        {"refinance_cash_out", QT_TRANSLATE_NOOP("Projection", "Refinance Cash Out"),
         QT_TRANSLATE_NOOP("Projection", "In the year of a refinance: the new loan less the balance it pays off and its costs, a flow of its own for every sale after that year; below 0 where cash must be brought."),
         U::Money, false, money<&Y::refinanceCashOut>},
    };
    return columns;
}

const std::vector<ProjectionYearColumn> &afterTaxYearColumns()
{
    using U = MeasureUnit;
    using Y = ProjectionYear;
    static const std::vector<ProjectionYearColumn> columns = {
        yearColumn(),
        {"depreciation", QT_TRANSLATE_NOOP("Projection", "Depreciation"),
         QT_TRANSLATE_NOOP("Projection", "The price and closing costs less the land share, written off straight over 27.5 years from mid-month: 11.5 months in the first year and in the year of the sale, 12 in the others."),
         U::Money, false, money<&Y::depreciation>},
        {"interest", QT_TRANSLATE_NOOP("Projection", "Interest"),
         QT_TRANSLATE_NOOP("Projection", "The interest part of the year's payments."), U::Money, false, money<&Y::interest>},
        {"loan_costs_deducted", QT_TRANSLATE_NOOP("Projection", "Loan Costs Deducted"),
         QT_TRANSLATE_NOOP("Projection", "The points and lender fees spread evenly over the loan's term, for the months it is paid; what is left in the year of its payoff, the refinance or the sale. A refinance's costs are spread over the new loan's term."),
         U::Money, false, money<&Y::loanCostsDeducted>},
        {"taxable_income", QT_TRANSLATE_NOOP("Projection", "Taxable Income"),
         QT_TRANSLATE_NOOP("Projection", "The net operating income less the interest, the PMI, the depreciation and the loan costs deducted; below 0 a loss."),
         U::Money, false, money<&Y::taxableIncome>},
        {"income_tax", QT_TRANSLATE_NOOP("Projection", "Income Tax"),
         QT_TRANSLATE_NOOP("Projection", "The taxable income times the income tax rate; a loss saves tax, as the investor's other income absorbs it."),
         U::Money, false, money<&Y::incomeTax>},
        {"after_tax_cash_flow", QT_TRANSLATE_NOOP("Projection", "After-Tax Cash Flow"),
         QT_TRANSLATE_NOOP("Projection", "The cash flow less the income tax."), U::Money, false, money<&Y::afterTaxCashFlow>},
        {"after_tax_irr_if_sold", QT_TRANSLATE_NOOP("Projection", "After-Tax IRR if Sold"),
         QT_TRANSLATE_NOOP("Projection", "The IRR after tax had the property been sold at the end of this year."), U::Fraction, false,
         [](const Y &y) { return y.afterTaxIrrIfSold; }},
    };
    return columns;
}

const std::vector<AfterTaxMeasure> &afterTaxMeasures()
{
    using U = MeasureUnit;
    static const std::vector<AfterTaxMeasure> rows = {
        {"irr", QT_TRANSLATE_NOOP("Projection", "After-Tax IRR"),
         QT_TRANSLATE_NOOP("Projection", "The yearly rate at which the after-tax flows are worth 0: the cash invested, each year's cash flow less its income tax (and a refinance's cash out), and the sale proceeds less the tax on the sale."),
         U::Fraction, false, Better::Higher, [](const LoanAnalysis &l) { return l.projection.afterTax.irr; }},
        {"npv", QT_TRANSLATE_NOOP("Projection", "After-Tax NPV"),
         QT_TRANSLATE_NOOP("Projection", "The after-tax flows discounted at the discount rate."), U::Money, false, Better::Higher,
         [](const LoanAnalysis &l) { return l.projection.afterTax.npv; }},
        {"equity_multiple", QT_TRANSLATE_NOOP("Projection", "After-Tax Equity Multiple"),
         QT_TRANSLATE_NOOP("Projection", "What the after-tax flows paid out divided by what they put in."), U::Ratio, true,
         Better::Higher, [](const LoanAnalysis &l) { return l.projection.afterTax.equityMultiple; }},
        {"total_profit", QT_TRANSLATE_NOOP("Projection", "After-Tax Profit"),
         QT_TRANSLATE_NOOP("Projection", "The after-tax flows of the hold less the cash invested: what the investor keeps."), U::Money, false,
         Better::Higher, [](const LoanAnalysis &l) { return l.projection.afterTax.totalProfit; }},
        {"depreciation_taken", QT_TRANSLATE_NOOP("Projection", "Depreciation Taken"),
         QT_TRANSLATE_NOOP("Projection", "The depreciation of every year of the hold: it lowered the income taxed, and the sale taxes it back at the recapture rate."),
         U::Money, false, Better::Neither, [](const LoanAnalysis &l) { return l.projection.afterTax.depreciationTaken; }},
        {"tax_on_sale", QT_TRANSLATE_NOOP("Projection", "Tax on the Sale"),
         QT_TRANSLATE_NOOP("Projection", "The gain up to the depreciation taken at the recapture rate, the rest at the capital gains rate; a sale at a loss saves tax at the income tax rate."),
         U::Money, false, Better::Lower, [](const LoanAnalysis &l) { return l.projection.afterTax.taxOnSale; }},
    };
    return rows;
}
