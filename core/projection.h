#pragma once

#include "core/measure.h"

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

    // The base case's four market figures.
    [[nodiscard]] MarketAssumptions market() const;
    // These assumptions with the four market figures of a scenario; everything else kept.
    [[nodiscard]] ProjectionAssumptions withMarket(const MarketAssumptions &scenario) const;
    // Why these assumptions cannot be used, naming the first out of range, bear, bull and target
    // included; empty when every one is in range.
    [[nodiscard]] QString problem() const;
    // The same for the assumptions the base case's projection uses.
    [[nodiscard]] QString baseProblem() const;
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
struct ProjectionYear
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
    // The returns had the property been sold at the end of this year.
    Measure irrIfSold;
    Measure npvIfSold;
    Measure equityMultipleIfSold;
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

    [[nodiscard]] bool isKnown() const { return reason.isEmpty(); }
};

// Whether the returns of selling are computed for every year, or for the hold only (what a
// scenario or a search over prices needs; the earlier years' IRR and NPV are then unknown).
enum class YearlyReturns { EveryYear, AtHoldOnly };

[[nodiscard]] Projection project(const ProjectionInputs &inputs,
                                 const ProjectionAssumptions &assumptions,
                                 YearlyReturns yearly = YearlyReturns::EveryYear);

// The property's figures of year 1 (rent, vacancy loss, operating costs, net operating income),
// the same for every loan; the loan's figures are 0. The assumptions are taken as they are.
[[nodiscard]] ProjectionYear operatingYearOne(const ProjectionInputs &inputs,
                                              const ProjectionAssumptions &assumptions);

// A projection that was not made, every figure unknown for reason.
[[nodiscard]] Projection unprojected(const QString &reason);

// The yearly rate r > −1 at which flows (year 0 first) are worth 0 today, as a spreadsheet's IRR.
// Unknown when nothing is invested in year 0 or the flows never change sign; with several changes
// of sign, the root nearest 0. Exact to 1e-9 in the rate.
[[nodiscard]] Measure irr(const std::vector<double> &flows);

// The flows discounted at rate, year 0 undiscounted (a spreadsheet's NPV discounts its first
// value: this is flows[0] + NPV(rate, flows[1..])).
[[nodiscard]] Measure npv(double rate, const std::vector<double> &flows);
