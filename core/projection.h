#pragma once

#include "core/measure.h"
#include "core/rateofreturn.h"

#include <QString>

#include <vector>

// What one loan offer earns when the property is held for some years and then sold: a table of
// yearly figures over the loan's monthly schedule (core/schedule.h) and the returns of selling
// after each year. Qt Core only; the window, the report and the command line show what it gives.
//
// Every assumption is a fraction (0.03 for 3 %); shares are of the year's gross scheduled rent
// unless their name says otherwise. Growth starts in year 2.

// The four figures a market scenario (bear, base, bull) replaces.
struct MarketAssumptions
{
    double appreciation = 0.03;
    double rentGrowth = 0.02;
    double expenseGrowth = 0.02;
    double vacancy = 0.05;
};

// What the investor owes the tax office, as fractions (United States rules, simplified: a loss
// saves tax at the income tax rate, as the investor's other income absorbs it).
struct TaxAssumptions
{
    double landShare = 0.20; // of the price and closing costs; the rest is depreciated
    double incomeTax = 0.24;
    double capitalGains = 0.15;
    double recapture = 0.25; // on the gain the depreciation taken made
};

// Every offer's loan replaced by a new one after year `year` (0: none) of the hold.
struct RefinanceAssumptions
{
    int year = 0;
    double ltv = 0.75;  // the new loan ÷ the property's value in that year
    double rate = 0.06; // yearly
    int termYears = 30;
    double costs = 0.02; // ÷ the new loan, paid out of it
};

struct ProjectionAssumptions
{
    int holdYears = 10;
    double appreciation = 0.03;
    double rentGrowth = 0.02;
    double expenseGrowth = 0.02;
    double vacancy = 0.05;
    double maintenance = 0.05;
    double capitalReserve = 0.05;
    double management = 0;
    double closingCosts = 0.03; // of the price
    double sellingCosts = 0.06; // of the sale price
    double discountRate = 0.08;
    double pmiEndLtv = 0.78;    // mortgage insurance is paid while the balance is above this × price
    double targetIrr = 0.10;
    MarketAssumptions bear{0.0, 0.01, 0.04, 0.10};
    MarketAssumptions bull{0.05, 0.04, 0.02, 0.03};
    TaxAssumptions tax;
    RefinanceAssumptions refinance;

    // The base case's four market figures.
    [[nodiscard]] MarketAssumptions market() const;
    // These assumptions with the four market figures of a scenario; everything else kept.
    [[nodiscard]] ProjectionAssumptions withMarket(const MarketAssumptions &scenario) const;
    // Why these assumptions cannot be used, naming the first out of range, bear, bull and target
    // included; empty when every one is in range.
    [[nodiscard]] QString problem() const;
    // The same for the assumptions the base case's projection uses.
    [[nodiscard]] QString baseProblem() const;
    // Why the after-tax figures cannot be computed (a rate or share out of range); empty when
    // they can.
    [[nodiscard]] QString taxProblem() const;
    // Why the refinance is left out (a figure out of range, a year at or past the hold); empty
    // when there is none to make or it is made.
    [[nodiscard]] QString refinanceIgnored() const;
    // Whether a refinance is made within the hold.
    [[nodiscard]] bool refinances() const;
};

// One loan offer on the deal, monthly figures as typed.
struct ProjectionInputs
{
    double price = 0;
    double rent = 0;
    double escrow = 0;
    double otherFees = 0;
    double downPayment = 0;
    double ratePercent = 0; // 7 for 7 %, as the record holds it
    double termYears = 0;
    double pmi = 0;
    double extraPayment = 0;
    double pointsPercent = 0; // of the loan amount, 1 for one point; a search over prices keeps it
    double lenderFees = 0;

    [[nodiscard]] double loanAmount() const { return price - downPayment; }
    // Points and lender fees: what the lender takes at closing besides the rate.
    [[nodiscard]] double prepaidFinanceCharge() const;
    // The down payment, the closing costs and the prepaid finance charge, paid in year 0.
    [[nodiscard]] double cashToClose(double closingCosts) const;
};

// One year t of the holding period; money per year, values and balances at the year's end.
// A year's taxes, with the property sold at the end of the hold (the last year is that of the
// sale); 0 where the after-tax figures are unknown.
struct YearTaxes
{
    double depreciation = 0;
    double loanCostsDeducted = 0;
    double taxableIncome = 0;
    double incomeTax = 0; // below 0 for a loss, which saves tax
    double afterTaxCashFlow = 0;
};

struct ProjectionYear : YearTaxes
{
    int year = 0;
    double rent = 0; // gross scheduled rent
    double vacancyLoss = 0;
    double operatingCosts = 0;
    double netOperatingIncome = 0;
    double debtService = 0; // payments of the year's months, extra payments included
    double pmi = 0;
    double cashFlow = 0;
    double propertyValue = 0;
    double loanBalance = 0;
    double equity = 0;
    double saleProceeds = 0; // after selling costs and the loan's payoff
    double interest = 0;     // the interest part of the year's payments
    double refinanceCashOut = 0; // in the year of the refinance: a flow of its own
    // The returns had the property been sold at the end of this year.
    Measure irrIfSold;
    Measure npvIfSold;
    Measure equityMultipleIfSold;
    // After tax, had the property been sold at the end of this year.
    Measure afterTaxIrrIfSold;
};

// What the investor keeps of a sale at the end of the hold.
struct AfterTaxReturns
{
    QString reason; // why there are none; empty when they are computed
    Measure irr;
    Measure npv;
    Measure equityMultiple;
    Measure totalProfit;
    Measure depreciationTaken;
    Measure taxOnSale;
};

// The refinance of one offer, where it is made.
struct RefinanceResult
{
    bool made = false;
    QString ignored; // why a refinance asked for is not made
    Measure newLoanAmount;
    Measure cashOut;         // new loan − old balance − costs; below 0 where cash is brought
    Measure cashLeftInDeal;  // cash invested − cash out
    Measure cashOnCashAfter; // the next year's cash flow ÷ the cash left in
};

struct Projection
{
    QString reason; // why there is no projection; empty when it is computed
    double cashInvested = 0; // the cash to close, year 0
    std::vector<ProjectionYear> years; // 1 to the holding period
    // The sale at the end of the holding period.
    Measure irr;
    Measure npv;
    Measure equityMultiple;
    Measure totalProfit;
    Measure annualizedReturn;
    Measure saleProceeds;
    AfterTaxReturns afterTax;
    RefinanceResult refinance;

    [[nodiscard]] bool isKnown() const { return reason.isEmpty(); }
};

// Whether the returns of selling are computed for every year, or for the hold only (what a
// scenario or a search over prices needs; the earlier years' IRR and NPV are then unknown).
// A search over prices or markets needs neither the years' returns nor those after tax; a table
// that leaves out the years, the years' returns before tax only (the hold's IRR is searched from
// the year before's, as in the window) and none after tax. The steps of a search that looks at
// the flows' value alone (or only at the years) need no IRR at all: ValueAtHold leaves it unknown.
enum class YearlyReturns { EveryYear, BeforeTaxEveryYear, AtHoldOnly, BeforeTaxAtHold, ValueAtHold };

[[nodiscard]] Projection project(const ProjectionInputs &inputs,
                                 const ProjectionAssumptions &assumptions,
                                 YearlyReturns yearly = YearlyReturns::EveryYear);

// The flows of a known projection sold at the hold: −the cash invested, each year's cash flow
// with a refinance's cash out, and the sale proceeds added to the last year's cash flow. Their
// value at a rate, with npv(), is the projection's NPV at that rate, to the last digit.
[[nodiscard]] std::vector<double> flowsSoldAtHold(const Projection &projection);

// What a projection gives at the hold, made without its years: what a scenario or a search over
// prices needs.
struct AtHold
{
    std::vector<double> flows; // flowsSoldAtHold's; empty where there is no projection
    Measure irr;
    Measure npv;
    Measure equityMultiple;
    Measure totalProfit;
};

// The projection's figures at the hold, to the last digit: irr, npv, equityMultiple and
// totalProfit of project(inputs, assumptions, YearlyReturns::BeforeTaxAtHold), the IRR unknown
// unless withIrr.
[[nodiscard]] AtHold projectAtHold(const ProjectionInputs &inputs, const ProjectionAssumptions &assumptions,
                                   bool withIrr);

// The cash flow of year 1 of project(inputs, assumptions), to the last digit; not a number where
// there is no projection. A search over prices for the year-1 cash flow asks for nothing else,
// and is spared the returns, the refinance and the after-tax figures of every step.
[[nodiscard]] double yearOneCashFlow(const ProjectionInputs &inputs, const ProjectionAssumptions &assumptions);

// How many projections this thread has made: what a search over prices costs, for its tests.
[[nodiscard]] unsigned long long projectionsMade();

// The property's figures of year 1 (rent, vacancy loss, operating costs, net operating income),
// the same for every loan; the loan's figures are 0. The assumptions are taken as they are.
[[nodiscard]] ProjectionYear operatingYearOne(const ProjectionInputs &inputs,
                                              const ProjectionAssumptions &assumptions);

// A projection that was not made, every figure unknown for reason.
[[nodiscard]] Projection unprojected(const QString &reason);

