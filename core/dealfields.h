#pragma once

#include "core/dealrecord.h"
#include "core/scenarios.h"

#include <QString>

#include <array>
#include <optional>
#include <utility>
#include <vector>

// What a field holds; it decides how the field is read, shown and exported.
enum class FieldKind { Text, Money, Percent, WholeNumber };
// Where a field is typed: the main window's deal, or an assumption of the Loan Analysis window.
enum class EditedOn { MainWindow, ProjectionPage, ScenariosPage, OfferSummary, Refinance, AfterTaxPage };
// The market figures a scenario (bear, base, bull) replaces; None for every other field.
enum class MarketFigure { None, Appreciation, RentGrowth, ExpenseGrowth, Vacancy };

// One field of the deal, listed once for everything that reads or writes it: the profile, the
// deal file, the window, the analysis export and the tests. A loan field exists once for each
// loan; its profile entry and file label then end in the loan's number ("Term3").
// Further groups of fields (the projection's assumptions) are tables of this same kind.
struct DealField
{
    const char *name; // profile entry and file label, without the loan's number
    FieldKind kind;
    bool perLoan;
    const char *messageName; // for messages, in the ReadNotice context; "%1" is the loan
    const char *key;         // JSON and CSV key
    const char *exportLabel; // a figure's row in the comparison CSV, in the Report context
    const char *firstRun; // a figure's first-run text, read like a stored one; nullptr for a text
    QString *(*textIn)(DealRecord &record, int loan);  // a text's string; nullptr for a figure
    Value *(*figureIn)(DealRecord &record, int loan); // a figure's value; nullptr for a text
    // The main window's figures only, in the MainDialog context: the edit's tooltip and its
    // What's This.
    const char *toolTip = nullptr;
    const char *whatsThis = nullptr;
    // The projection's assumptions only, in the Projection context: the edit's label, what the
    // figure means (its tooltip and help) and where it enters the figures (its What's This).
    const char *label = nullptr;
    const char *definition = nullptr;
    const char *consequence = nullptr;
    Scenario scenario = Scenario::Base; // the market it belongs to; bear and bull have objects
                                        // of their own in the JSON's "assumptions"
    MarketFigure market = MarketFigure::None;
    EditedOn editedOn = EditedOn::MainWindow;
    // Stored after the choice of the offers compared (Compare1 to Compare5): the taxes and the
    // refinance, which came after it.
    bool afterChoice = false;
    // The object of the JSON's "assumptions" that holds the figure ("refinance"); nullptr for one
    // of its own.
    const char *group = nullptr;

    [[nodiscard]] bool isText() const { return kind == FieldKind::Text; }
    [[nodiscard]] QString firstRunText() const { return QString::fromLatin1(firstRun); }
    // The profile entry and file label of the field of loan (0 to 4; ignored for the property).
    [[nodiscard]] QString entry(int loan) const;
    // How messages name the field of loan number (1 to 5; ignored for the property).
    [[nodiscard]] QString shownName(int number) const;
    [[nodiscard]] QString &text(DealRecord &record, int loan) const;
    [[nodiscard]] const QString &text(const DealRecord &record, int loan) const;
    [[nodiscard]] Value &figure(DealRecord &record, int loan) const;
    [[nodiscard]] const Value &figure(const DealRecord &record, int loan) const;
};

// The deal's fields: the property's, then a loan's, each group in the order they are stored.
[[nodiscard]] const std::vector<DealField> &dealFields();
// The holding-period assumptions, stored after the deal's fields in this order: the property's
// (hold, market, costs, rates, then the bear and bull markets), then each loan's extra payment.
[[nodiscard]] const std::vector<DealField> &projectionFields();

// The rows of the holding period and of a loan's extra payment, for what reads them by themselves
// (the CSV's hold_years column, the Projection page's row of extra payments).
[[nodiscard]] const DealField &holdingPeriodField();
[[nodiscard]] const DealField &extraPaymentField();
// The assumptions typed for each offer beside its figures (extra payment, points, lender fees),
// in their order.
[[nodiscard]] std::vector<const DealField *> offerSummaryFields();

// A plain number as the profile and the command line write it: "." as its point, an optional
// sign and exponent, a "%" after it for a percent figure; no grouping ("2,125" is refused, not
// read as 2125), nothing else around it. Nothing for any other text or an infinite figure.
[[nodiscard]] std::optional<double> readPlainNumber(const QString &text, FieldKind kind);

// The user's choice of the offers compared is stored after the assumptions, and only once it is
// made: the entries Compare1 to Compare5, 1 for an offer compared and 0 for one left out. Where
// none is stored the offers someone filled in are compared.
[[nodiscard]] QString compareEntry(int loan);
// The choice as the entries give it: an entry that reads as 0 leaves its offer out, any other
// number compares it; an offer without an entry (nothing) follows the rule. The program writes
// all five or none.
[[nodiscard]] std::array<std::optional<bool>, MAX_LOANS>
choiceOfEntries(const std::array<std::optional<double>, MAX_LOANS> &entries);

// Calls visit(field, loan) for every stored field of table in the order of the profile and the
// deal file: the property's fields (loan 0), then each loan's fields. The deal's own loan fields
// are stored loan by loan (Lender1, DownPayment1, … Lender2, …), the assumptions of the offers
// field by field (ExtraPayment1 to ExtraPayment5, then Points1 to Points5, …).
// The fields stored after the choice of the offers compared come last; atChoice() is called where
// that choice stands.
template <class Visit, class AtChoice = void (*)()>
void forEachStoredField(const std::vector<DealField> &table, Visit &&visit, AtChoice &&atChoice = [] {})
{
    for (const DealField &field : table) {
        if (!field.perLoan && !field.afterChoice)
            visit(field, 0);
    }
    const bool loanByLoan = &table == &dealFields();
    for (int outer = 0; outer < (loanByLoan ? MAX_LOANS : int(table.size())); ++outer) {
        for (int inner = 0; inner < (loanByLoan ? int(table.size()) : MAX_LOANS); ++inner) {
            const DealField &field = table[std::size_t(loanByLoan ? inner : outer)];
            if (field.perLoan)
                visit(field, loanByLoan ? outer : inner);
        }
    }
    atChoice();
    for (const DealField &field : table) {
        if (!field.perLoan && field.afterChoice)
            visit(field, 0);
    }
}

// The same for the deal's own fields.
template <class Visit>
void forEachStoredField(Visit &&visit)
{
    forEachStoredField(dealFields(), std::forward<Visit>(visit));
}
