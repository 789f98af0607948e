#include "core/dealfields.h"

#include "core/figurelocales.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

template <auto member>
QString *textOf(DealRecord &record, int)
{
    return &(record.*member);
}

template <auto member>
QString *loanTextOf(DealRecord &record, int loan)
{
    return &(record.*member)[loan];
}

template <auto member>
Value *figureOf(DealRecord &record, int)
{
    return &(record.*member);
}

template <auto member>
Value *loanFigureOf(DealRecord &record, int loan)
{
    return &(record.*member)[loan];
}

template <auto member>
Value *projectionOf(DealRecord &record, int)
{
    return &(record.m_projection.*member);
}

template <auto market, auto member>
Value *marketOf(DealRecord &record, int)
{
    return &(record.m_projection.*market.*member);
}

using R = DealRecord;
using P = ProjectionFigures;
using M = MarketFigures;

// Built on first use, so that the table is there for any static that walks it.
std::vector<DealField> makeFields()
{
    return {
        {"Description", FieldKind::Text, false, QT_TRANSLATE_NOOP("ReadNotice", "the description"),
         "description", nullptr, nullptr, &textOf<&R::m_description>, nullptr},
        {"PurchasePrice", FieldKind::Money, false,
         QT_TRANSLATE_NOOP("ReadNotice", "the purchase price"), "purchase_price",
         QT_TRANSLATE_NOOP("Report", "Purchase Price"), "200000", nullptr,
         &figureOf<&R::m_purchasePrice>,
         QT_TRANSLATE_NOOP("MainDialog", "What the property costs, in your currency"),
         QT_TRANSLATE_NOOP("MainDialog", "The price you would pay for the property. Each loan borrows this price less its "
            "down payment.")},
        {"RentalIncome", FieldKind::Money, false,
         QT_TRANSLATE_NOOP("ReadNotice", "the monthly rental income"), "monthly_rent",
         QT_TRANSLATE_NOOP("Report", "Monthly Rental Income"), "2000", nullptr,
         &figureOf<&R::m_rentalIncome>,
         QT_TRANSLATE_NOOP("MainDialog", "The rent the property brings in each month, in your currency"),
         QT_TRANSLATE_NOOP("MainDialog", "The monthly rent. The cash flow is this rent less the total monthly payment.")},
        {"Escrow", FieldKind::Money, false, QT_TRANSLATE_NOOP("ReadNotice", "the monthly escrow"),
         "monthly_escrow", QT_TRANSLATE_NOOP("Report", "Monthly Escrow"), "0",
         nullptr, &figureOf<&R::m_escrow>,
         QT_TRANSLATE_NOOP("MainDialog", "What you pay into escrow each month, in your currency"),
         QT_TRANSLATE_NOOP("MainDialog", "The monthly escrow payment for property taxes and insurance. It is part of every "
            "loan's total monthly payment.")},
        {"OtherFees", FieldKind::Money, false,
         QT_TRANSLATE_NOOP("ReadNotice", "the other monthly fees"), "other_monthly_fees",
         QT_TRANSLATE_NOOP("Report", "Other Monthly Fees"), "0", nullptr,
         &figureOf<&R::m_otherFees>,
         QT_TRANSLATE_NOOP("MainDialog", "Other costs each month, in your currency"),
         QT_TRANSLATE_NOOP("MainDialog", "Other monthly costs of the property, such as association fees or upkeep. They "
            "lower the cash flow but are no part of a loan's payment.")},
        {"SafetyMargin", FieldKind::Percent, false,
         QT_TRANSLATE_NOOP("ReadNotice", "the safety margin"), "safety_margin",
         QT_TRANSLATE_NOOP("Report", "Safety Margin"), "0", nullptr,
         &figureOf<&R::m_safetyMargin>,
         QT_TRANSLATE_NOOP("MainDialog", "The share of the rent held back, in percent"),
         QT_TRANSLATE_NOOP("MainDialog", "The percentage of the rent held back for vacancies and repairs. The safety cash "
            "flow is the cash flow less this share of the rent.")},
        {"Lender", FieldKind::Text, true, QT_TRANSLATE_NOOP("ReadNotice", "the lender of loan %1"),
         "lender", nullptr, nullptr, &loanTextOf<&R::m_lender>, nullptr},
        {"DownPayment", FieldKind::Money, true,
         QT_TRANSLATE_NOOP("ReadNotice", "the down payment of loan %1"), "down_payment",
         QT_TRANSLATE_NOOP("Report", "Down Payment"), "20000", nullptr,
         &loanFigureOf<&R::m_downPayment>,
         QT_TRANSLATE_NOOP("MainDialog", "What you pay up front for this loan, in your currency"),
         QT_TRANSLATE_NOOP("MainDialog", "The down payment of the loan shown. The loan amount is the purchase price less "
            "this down payment.")},
        {"InterestRate", FieldKind::Percent, true,
         QT_TRANSLATE_NOOP("ReadNotice", "the interest rate of loan %1"), "interest_rate",
         QT_TRANSLATE_NOOP("Report", "Interest Rate"), "7", nullptr,
         &loanFigureOf<&R::m_interestRate>,
         QT_TRANSLATE_NOOP("MainDialog", "The loan's yearly interest rate, in percent"),
         QT_TRANSLATE_NOOP("MainDialog", "The annual interest rate of the loan shown, in percent.")},
        {"Term", FieldKind::WholeNumber, true,
         QT_TRANSLATE_NOOP("ReadNotice", "the term of loan %1"), "term_years",
         QT_TRANSLATE_NOOP("Report", "Term (Years)"), "30", nullptr,
         &loanFigureOf<&R::m_term>,
         QT_TRANSLATE_NOOP("MainDialog", "How long the loan runs, in whole years"),
         QT_TRANSLATE_NOOP("MainDialog", "The term of the loan shown, in years. A loan without a term has no monthly figures "
            "in the report.")},
        {"PMI", FieldKind::Money, true, QT_TRANSLATE_NOOP("ReadNotice", "the PMI of loan %1"),
         "pmi", QT_TRANSLATE_NOOP("Report", "PMI"), "0", nullptr,
         &loanFigureOf<&R::m_pmi>,
         QT_TRANSLATE_NOOP("MainDialog", "The loan's mortgage insurance each month, in your currency"),
         QT_TRANSLATE_NOOP("MainDialog", "The monthly private mortgage insurance (PMI) of the loan shown. It is part of the "
            "loan's total monthly payment.")},
    };
}

using Reach = Value *(*)(DealRecord &record, int loan);

DealField assumption(const char *name, FieldKind kind, const char *messageName, const char *key,
                     const char *firstRun, Reach in, const char *label, const char *definition,
                     const char *consequence, MarketFigure market = MarketFigure::None,
                     EditedOn editedOn = EditedOn::ProjectionPage)
{
    DealField field{name, kind, false, messageName, key, nullptr, firstRun, nullptr, in};
    field.label = label;
    field.definition = definition;
    field.consequence = consequence;
    field.market = market;
    field.editedOn = editedOn;
    return field;
}

// The four figures of a bear or bull market, each defined as its base figure is; they are typed
// on the Scenarios page.
std::vector<DealField> marketFields(const std::vector<DealField> &base, Scenario scenario,
                                    const std::array<const char *, 4> &names,
                                    const std::array<const char *, 4> &messageNames,
                                    const std::array<const char *, 4> &firstRuns,
                                    const std::array<Reach, 4> &reaches)
{
    const char *consequence = scenario == Scenario::Bear
        ? QT_TRANSLATE_NOOP("Projection", "It replaces the base figure in the bear market's projection; every other assumption is kept.")
        : QT_TRANSLATE_NOOP("Projection", "It replaces the base figure in the bull market's projection; every other assumption is kept.");
    std::vector<DealField> fields;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const DealField &like = base[i + 1]; // after the holding period
        DealField field = assumption(names[i], like.kind, messageNames[i], like.key, firstRuns[i],
                                     reaches[i], like.label, like.definition, consequence,
                                     like.market, EditedOn::ScenariosPage);
        field.scenario = scenario;
        fields.push_back(field);
    }
    return fields;
}

// The taxes and the refinance: stored after the choice of the offers compared.
std::vector<DealField> laterFields()
{
    const auto later = [](DealField field, EditedOn editedOn, const char *group = nullptr) {
        field.editedOn = editedOn;
        field.afterChoice = true;
        field.group = group;
        return field;
    };
    const EditedOn tax = EditedOn::AfterTaxPage;
    const EditedOn refinance = EditedOn::Refinance;
    return {
        later(assumption("LandShare", FieldKind::Percent, QT_TRANSLATE_NOOP("ReadNotice", "the land share"),
                         "land_share_percent", "20", &projectionOf<&P::m_landShare>,
                         QT_TRANSLATE_NOOP("Projection", "Land share"),
                         QT_TRANSLATE_NOOP("Projection", "The part of the price and closing costs that pays for the land, which is not depreciated."),
                         QT_TRANSLATE_NOOP("Projection", "It sets the depreciable basis, and so the depreciation of every year.")), tax),
        later(assumption("IncomeTaxRate", FieldKind::Percent, QT_TRANSLATE_NOOP("ReadNotice", "the income tax rate"),
                         "income_tax_rate_percent", "24", &projectionOf<&P::m_incomeTaxRate>,
                         QT_TRANSLATE_NOOP("Projection", "Income tax rate"),
                         QT_TRANSLATE_NOOP("Projection", "The investor's top rate of income tax; a loss saves tax at it, as other income absorbs it."),
                         QT_TRANSLATE_NOOP("Projection", "It enters the income tax of every year, and the tax on a sale at a loss.")), tax),
        later(assumption("CapitalGainsRate", FieldKind::Percent, QT_TRANSLATE_NOOP("ReadNotice", "the capital gains rate"),
                         "capital_gains_rate_percent", "15", &projectionOf<&P::m_capitalGainsRate>,
                         QT_TRANSLATE_NOOP("Projection", "Capital gains rate"),
                         QT_TRANSLATE_NOOP("Projection", "The tax rate on the gain of the sale beyond the depreciation taken."),
                         QT_TRANSLATE_NOOP("Projection", "It enters the tax on the sale.")), tax),
        later(assumption("RecaptureRate", FieldKind::Percent, QT_TRANSLATE_NOOP("ReadNotice", "the recapture rate"),
                         "recapture_rate_percent", "25", &projectionOf<&P::m_recaptureRate>,
                         QT_TRANSLATE_NOOP("Projection", "Recapture rate"),
                         QT_TRANSLATE_NOOP("Projection", "The tax rate on the part of the gain that the depreciation taken made: the sale takes back part of what depreciation saved."),
                         QT_TRANSLATE_NOOP("Projection", "It enters the tax on the sale.")), tax),
        later(assumption("RefinanceYear", FieldKind::WholeNumber, QT_TRANSLATE_NOOP("ReadNotice", "the year of the refinance"),
                         "year", "0", &projectionOf<&P::m_refinanceYear>,
                         QT_TRANSLATE_NOOP("Projection", "Refinance after year"),
                         QT_TRANSLATE_NOOP("Projection", "The year at whose end every offer's loan is replaced by a new one; 0 for no refinance."),
                         QT_TRANSLATE_NOOP("Projection", "From the next year on the debt service, balance and sale proceeds are the new loan's; the cash out is a flow of that year.")), refinance, "refinance"),
        later(assumption("RefinanceLtv", FieldKind::Percent, QT_TRANSLATE_NOOP("ReadNotice", "the loan-to-value of the refinance"),
                         "ltv_percent", "75", &projectionOf<&P::m_refinanceLtv>,
                         QT_TRANSLATE_NOOP("Projection", "Refinance loan-to-value"),
                         QT_TRANSLATE_NOOP("Projection", "The new loan as a share of the property's value in the year of the refinance."),
                         QT_TRANSLATE_NOOP("Projection", "It sets the new loan amount, and so the cash out.")), refinance, "refinance"),
        later(assumption("RefinanceRate", FieldKind::Percent, QT_TRANSLATE_NOOP("ReadNotice", "the rate of the refinance"),
                         "rate_percent", "6", &projectionOf<&P::m_refinanceRate>,
                         QT_TRANSLATE_NOOP("Projection", "Refinance rate"),
                         QT_TRANSLATE_NOOP("Projection", "The new loan's yearly interest rate."),
                         QT_TRANSLATE_NOOP("Projection", "It sets the new loan's payments.")), refinance, "refinance"),
        later(assumption("RefinanceTerm", FieldKind::WholeNumber, QT_TRANSLATE_NOOP("ReadNotice", "the term of the refinance"),
                         "term_years", "30", &projectionOf<&P::m_refinanceTerm>,
                         QT_TRANSLATE_NOOP("Projection", "Refinance term (years)"),
                         QT_TRANSLATE_NOOP("Projection", "The new loan's term in whole years."),
                         QT_TRANSLATE_NOOP("Projection", "It sets the new loan's payments.")), refinance, "refinance"),
        later(assumption("RefinanceCosts", FieldKind::Percent, QT_TRANSLATE_NOOP("ReadNotice", "the costs of the refinance"),
                         "costs_percent", "2", &projectionOf<&P::m_refinanceCosts>,
                         QT_TRANSLATE_NOOP("Projection", "Refinance costs"),
                         QT_TRANSLATE_NOOP("Projection", "The costs of the new loan as a share of it, paid out of it."),
                         QT_TRANSLATE_NOOP("Projection", "They lower the cash out, and are deducted from the income over the new loan's term.")), refinance, "refinance"),
    };
}

std::vector<DealField> makeProjectionFields()
{
    std::vector<DealField> fields = {
        assumption("HoldYears", FieldKind::WholeNumber, QT_TRANSLATE_NOOP("ReadNotice", "the holding period"),
                   "hold_years", "10", &projectionOf<&P::m_holdYears>,
                   QT_TRANSLATE_NOOP("Projection", "Holding period (years)"),
                   QT_TRANSLATE_NOOP("Projection",
                                     "How many years the property is held before it is sold (1 to 50)."),
                   QT_TRANSLATE_NOOP("Projection", "It sets how many years the table runs and the year of the sale.")),
        assumption("Appreciation", FieldKind::Percent, QT_TRANSLATE_NOOP("ReadNotice", "the appreciation"),
                   "appreciation_percent", "3", &marketOf<&P::m_market, &M::m_appreciation>,
                   QT_TRANSLATE_NOOP("Projection", "Appreciation"),
                   QT_TRANSLATE_NOOP("Projection",
                                     "How much the property's value grows each year, from the price paid."),
                   QT_TRANSLATE_NOOP("Projection", "It enters the property value of every year, and so the equity and the sale proceeds."), MarketFigure::Appreciation),
        assumption("RentGrowth", FieldKind::Percent, QT_TRANSLATE_NOOP("ReadNotice", "the rent growth"),
                   "rent_growth_percent", "2", &marketOf<&P::m_market, &M::m_rentGrowth>,
                   QT_TRANSLATE_NOOP("Projection", "Rent growth"),
                   QT_TRANSLATE_NOOP("Projection",
                                     "How much the rent grows each year, from the second year on."),
                   QT_TRANSLATE_NOOP("Projection", "It enters the rent of every year after the first."), MarketFigure::RentGrowth),
        assumption("ExpenseGrowth", FieldKind::Percent, QT_TRANSLATE_NOOP("ReadNotice", "the expense growth"),
                   "expense_growth_percent", "2", &marketOf<&P::m_market, &M::m_expenseGrowth>,
                   QT_TRANSLATE_NOOP("Projection", "Expense growth"),
                   QT_TRANSLATE_NOOP("Projection",
                                     "How much escrow and other fees grow each year, from the second year on."),
                   QT_TRANSLATE_NOOP("Projection", "It enters the operating costs of every year after the first."), MarketFigure::ExpenseGrowth),
        assumption("Vacancy", FieldKind::Percent, QT_TRANSLATE_NOOP("ReadNotice", "the vacancy"),
                   "vacancy_percent", "5", &marketOf<&P::m_market, &M::m_vacancy>,
                   QT_TRANSLATE_NOOP("Projection", "Vacancy"),
                   QT_TRANSLATE_NOOP("Projection",
                                     "The share of the year's rent lost to empty months and unpaid rent."),
                   QT_TRANSLATE_NOOP("Projection", "It enters the vacancy loss, and so the net operating income."), MarketFigure::Vacancy),
        assumption("Maintenance", FieldKind::Percent, QT_TRANSLATE_NOOP("ReadNotice", "the maintenance"),
                   "maintenance_percent", "5", &projectionOf<&P::m_maintenance>,
                   QT_TRANSLATE_NOOP("Projection", "Maintenance"),
                   QT_TRANSLATE_NOOP("Projection",
                                     "Repairs and upkeep, as a share of the year's rent."),
                   QT_TRANSLATE_NOOP("Projection", "It enters the operating costs of every year.")),
        assumption("CapitalReserve", FieldKind::Percent, QT_TRANSLATE_NOOP("ReadNotice", "the capital reserve"),
                   "capital_reserve_percent", "5", &projectionOf<&P::m_capitalReserve>,
                   QT_TRANSLATE_NOOP("Projection", "Capital reserve"),
                   QT_TRANSLATE_NOOP("Projection",
                                     "Money put aside for large replacements (roof, heating), as a share of the year's rent."),
                   QT_TRANSLATE_NOOP("Projection", "It enters the operating costs of every year.")),
        assumption("Management", FieldKind::Percent, QT_TRANSLATE_NOOP("ReadNotice", "the management fee"),
                   "management_percent", "0", &projectionOf<&P::m_management>,
                   QT_TRANSLATE_NOOP("Projection", "Management"),
                   QT_TRANSLATE_NOOP("Projection",
                                     "A property manager's fee, as a share of the year's rent."),
                   QT_TRANSLATE_NOOP("Projection", "It enters the operating costs of every year.")),
        assumption("ClosingCosts", FieldKind::Percent, QT_TRANSLATE_NOOP("ReadNotice", "the closing costs"),
                   "closing_costs_percent", "3", &projectionOf<&P::m_closingCosts>,
                   QT_TRANSLATE_NOOP("Projection", "Closing costs"),
                   QT_TRANSLATE_NOOP("Projection",
                                     "The costs of buying, as a share of the price, paid in cash with the down payment."),
                   QT_TRANSLATE_NOOP("Projection", "It enters the cash invested in year 0.")),
        assumption("SellingCosts", FieldKind::Percent, QT_TRANSLATE_NOOP("ReadNotice", "the selling costs"),
                   "selling_costs_percent", "6", &projectionOf<&P::m_sellingCosts>,
                   QT_TRANSLATE_NOOP("Projection", "Selling costs"),
                   QT_TRANSLATE_NOOP("Projection",
                                     "The costs of selling, as a share of the sale price."),
                   QT_TRANSLATE_NOOP("Projection", "It enters the sale proceeds.")),
        assumption("DiscountRate", FieldKind::Percent, QT_TRANSLATE_NOOP("ReadNotice", "the discount rate"),
                   "discount_rate_percent", "8", &projectionOf<&P::m_discountRate>,
                   QT_TRANSLATE_NOOP("Projection", "Discount rate"),
                   QT_TRANSLATE_NOOP("Projection",
                                     "The yearly return the cash could earn elsewhere; the net present value discounts each year's flow at it."),
                   QT_TRANSLATE_NOOP("Projection", "It enters the NPV.")),
        assumption("PmiEndLtv", FieldKind::Percent, QT_TRANSLATE_NOOP("ReadNotice", "the loan-to-value at which PMI ends"),
                   "pmi_end_ltv_percent", "78", &projectionOf<&P::m_pmiEndLtv>,
                   QT_TRANSLATE_NOOP("Projection", "PMI ends at loan-to-value"),
                   QT_TRANSLATE_NOOP("Projection",
                                     "PMI is paid while the balance owed is above this share of the price; 0 keeps it for the whole loan."),
                   QT_TRANSLATE_NOOP("Projection", "It decides in which months the PMI is paid.")),
        assumption("TargetIrr", FieldKind::Percent, QT_TRANSLATE_NOOP("ReadNotice", "the target IRR"),
                   "target_irr_percent", "10", &projectionOf<&P::m_targetIrr>,
                   QT_TRANSLATE_NOOP("Projection", "Target IRR"),
                   QT_TRANSLATE_NOOP("Projection",
                                     "The return on the cash invested that the purchase must reach; the price to offer is the highest that still reaches it."),
                   QT_TRANSLATE_NOOP("Projection", "It sets the price to offer of each loan."), MarketFigure::None, EditedOn::ScenariosPage),
    };
    const auto add = [&fields](std::vector<DealField> more) {
        fields.insert(fields.end(), more.begin(), more.end());
    };
    add(marketFields(fields, Scenario::Bear,
                     {"BearAppreciation", "BearRentGrowth", "BearExpenseGrowth", "BearVacancy"},
                     {QT_TRANSLATE_NOOP("ReadNotice", "the appreciation of the bear market"),
                      QT_TRANSLATE_NOOP("ReadNotice", "the rent growth of the bear market"),
                      QT_TRANSLATE_NOOP("ReadNotice", "the expense growth of the bear market"),
                      QT_TRANSLATE_NOOP("ReadNotice", "the vacancy of the bear market")},
                     {"0", "1",
                      "4", "10"},
                     {&marketOf<&P::m_bear, &M::m_appreciation>, &marketOf<&P::m_bear, &M::m_rentGrowth>,
                      &marketOf<&P::m_bear, &M::m_expenseGrowth>, &marketOf<&P::m_bear, &M::m_vacancy>}));
    add(marketFields(fields, Scenario::Bull,
                     {"BullAppreciation", "BullRentGrowth", "BullExpenseGrowth", "BullVacancy"},
                     {QT_TRANSLATE_NOOP("ReadNotice", "the appreciation of the bull market"),
                      QT_TRANSLATE_NOOP("ReadNotice", "the rent growth of the bull market"),
                      QT_TRANSLATE_NOOP("ReadNotice", "the expense growth of the bull market"),
                      QT_TRANSLATE_NOOP("ReadNotice", "the vacancy of the bull market")},
                     {"5", "4",
                      "2", "3"},
                     {&marketOf<&P::m_bull, &M::m_appreciation>, &marketOf<&P::m_bull, &M::m_rentGrowth>,
                      &marketOf<&P::m_bull, &M::m_expenseGrowth>, &marketOf<&P::m_bull, &M::m_vacancy>}));
    DealField extra = assumption("ExtraPayment", FieldKind::Money,
                                 QT_TRANSLATE_NOOP("ReadNotice", "the extra payment of loan %1"),
                                 "extra_payment", "0", &loanFigureOf<&R::m_extraPayment>,
                                 QT_TRANSLATE_NOOP("Projection", "Extra payment"),
                                 QT_TRANSLATE_NOOP("Projection", "Paid each month on top of the payment, "
                                                                 "straight into the principal: the loan ends "
                                                                 "sooner and costs less interest."),
                                 QT_TRANSLATE_NOOP("Projection", "It enters the schedule, the debt service, the loan balance and the interest saved."),
                                 MarketFigure::None, EditedOn::OfferSummary);
    DealField points = assumption("Points", FieldKind::Percent,
                                  QT_TRANSLATE_NOOP("ReadNotice", "the points of loan %1"),
                                  "points_percent", "0", &loanFigureOf<&R::m_points>,
                                  QT_TRANSLATE_NOOP("Projection", "Points"),
                                  QT_TRANSLATE_NOOP("Projection", "What the lender charges at closing in per cent of the "
                                                                  "loan amount (1 % is one point), usually for a lower rate."),
                                  QT_TRANSLATE_NOOP("Projection", "It enters the cash to close, and so the cash invested, the APR and the cost if repaid."),
                                  MarketFigure::None, EditedOn::OfferSummary);
    DealField fees = assumption("LenderFees", FieldKind::Money,
                                QT_TRANSLATE_NOOP("ReadNotice", "the lender fees of loan %1"),
                                "lender_fees", "0", &loanFigureOf<&R::m_lenderFees>,
                                QT_TRANSLATE_NOOP("Projection", "Lender fees"),
                                QT_TRANSLATE_NOOP("Projection", "The lender's own fees paid at closing (origination, underwriting "
                                                                "and the like); title, appraisal and escrow deposits belong in the closing costs."),
                                QT_TRANSLATE_NOOP("Projection", "It enters the cash to close, and so the cash invested, the APR and the cost if repaid."),
                                MarketFigure::None, EditedOn::OfferSummary);
    for (DealField *perLoan : {&extra, &points, &fees}) {
        perLoan->perLoan = true;
        fields.push_back(*perLoan);
    }
    add(laterFields());
    return fields;
}

} // namespace

const std::vector<DealField> &dealFields()
{
    static const std::vector<DealField> fields = makeFields();
    return fields;
}

QString DealField::entry(int loan) const
{
    const QString base = QLatin1String(name);
    return perLoan ? base + QString::number(loan + 1) : base;
}

QString DealField::shownName(int number) const
{
    const QString shown = QCoreApplication::translate("ReadNotice", messageName);
    return perLoan ? shown.arg(QString::number(number)) : shown;
}

QString &DealField::text(DealRecord &record, int loan) const
{
    return *textIn(record, loan);
}

const QString &DealField::text(const DealRecord &record, int loan) const
{
    // Only reads: the accessors are written once, for records that may change.
    return *textIn(const_cast<DealRecord &>(record), loan);
}

Value &DealField::figure(DealRecord &record, int loan) const
{
    return *figureIn(record, loan);
}

const Value &DealField::figure(const DealRecord &record, int loan) const
{
    return *figureIn(const_cast<DealRecord &>(record), loan);
}

const std::vector<DealField> &projectionFields()
{
    static const std::vector<DealField> fields = makeProjectionFields();
    return fields;
}

QString compareEntry(int loan)
{
    return QStringLiteral("Compare%1").arg(loan + 1);
}

std::array<std::optional<bool>, MAX_LOANS>
choiceOfEntries(const std::array<std::optional<double>, MAX_LOANS> &entries)
{
    std::array<std::optional<bool>, MAX_LOANS> choice{};
    for (std::size_t k = 0; k < choice.size(); ++k) {
        if (entries[k])
            choice[k] = *entries[k] != 0;
    }
    return choice;
}

std::optional<double> readPlainNumber(const QString &text, FieldKind kind)
{
    QString number = text.trimmed();
    if (kind == FieldKind::Percent && number.endsWith(QLatin1Char('%')))
        number = number.chopped(1).trimmed();
    QLocale plain = QLocale::c();
    plain.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = plain.toDouble(number, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

const DealField &holdingPeriodField()
{
    return *std::find_if(projectionFields().cbegin(), projectionFields().cend(),
                         [](const DealField &f) { return f.figureIn == &projectionOf<&P::m_holdYears>; });
}

const DealField &extraPaymentField()
{
    return *std::find_if(projectionFields().cbegin(), projectionFields().cend(),
                         [](const DealField &f) { return f.figureIn == &loanFigureOf<&R::m_extraPayment>; });
}

std::vector<const DealField *> offerSummaryFields()
{
    std::vector<const DealField *> fields;
    for (const DealField &field : projectionFields()) {
        if (field.editedOn == EditedOn::OfferSummary)
            fields.push_back(&field);
    }
    return fields;
}
