#include "core/dealfields.h"

#include <QCoreApplication>

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

using R = DealRecord;

// Built on first use, so that the table is there for any static that walks it.
std::vector<DealField> makeFields()
{
    return {
        {"Description", FieldKind::Text, false, QT_TRANSLATE_NOOP("ReadNotice", "the description"),
         "description", nullptr, nullptr, &textOf<&R::m_description>, nullptr},
        {"PurchasePrice", FieldKind::Money, false,
         QT_TRANSLATE_NOOP("ReadNotice", "the purchase price"), "purchase_price",
         QT_TRANSLATE_NOOP("Report", "Purchase Price"), &FirstRun::PurchasePrice, nullptr,
         &figureOf<&R::m_purchasePrice>},
        {"RentalIncome", FieldKind::Money, false,
         QT_TRANSLATE_NOOP("ReadNotice", "the monthly rental income"), "monthly_rent",
         QT_TRANSLATE_NOOP("Report", "Monthly Rental Income"), &FirstRun::RentalIncome, nullptr,
         &figureOf<&R::m_rentalIncome>},
        {"Escrow", FieldKind::Money, false, QT_TRANSLATE_NOOP("ReadNotice", "the monthly escrow"),
         "monthly_escrow", QT_TRANSLATE_NOOP("Report", "Monthly Escrow"), &FirstRun::Escrow,
         nullptr, &figureOf<&R::m_escrow>},
        {"OtherFees", FieldKind::Money, false,
         QT_TRANSLATE_NOOP("ReadNotice", "the other monthly fees"), "other_monthly_fees",
         QT_TRANSLATE_NOOP("Report", "Other Monthly Fees"), &FirstRun::OtherFees, nullptr,
         &figureOf<&R::m_otherFees>},
        {"SafetyMargin", FieldKind::Percent, false,
         QT_TRANSLATE_NOOP("ReadNotice", "the safety margin"), "safety_margin",
         QT_TRANSLATE_NOOP("Report", "Safety Margin"), &FirstRun::SafetyMargin, nullptr,
         &figureOf<&R::m_safetyMargin>},
        {"Lender", FieldKind::Text, true, QT_TRANSLATE_NOOP("ReadNotice", "the lender of loan %1"),
         "lender", nullptr, nullptr, &loanTextOf<&R::m_lender>, nullptr},
        {"DownPayment", FieldKind::Money, true,
         QT_TRANSLATE_NOOP("ReadNotice", "the down payment of loan %1"), "down_payment",
         QT_TRANSLATE_NOOP("Report", "Down Payment"), &FirstRun::DownPayment, nullptr,
         &loanFigureOf<&R::m_downPayment>},
        {"InterestRate", FieldKind::Percent, true,
         QT_TRANSLATE_NOOP("ReadNotice", "the interest rate of loan %1"), "interest_rate",
         QT_TRANSLATE_NOOP("Report", "Interest Rate"), &FirstRun::InterestRate, nullptr,
         &loanFigureOf<&R::m_interestRate>},
        {"Term", FieldKind::WholeNumber, true,
         QT_TRANSLATE_NOOP("ReadNotice", "the term of loan %1"), "term_years",
         QT_TRANSLATE_NOOP("Report", "Term (Years)"), &FirstRun::Term, nullptr,
         &loanFigureOf<&R::m_term>},
        {"PMI", FieldKind::Money, true, QT_TRANSLATE_NOOP("ReadNotice", "the PMI of loan %1"),
         "pmi", QT_TRANSLATE_NOOP("Report", "PMI"), &FirstRun::Pmi, nullptr,
         &loanFigureOf<&R::m_pmi>},
    };
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
