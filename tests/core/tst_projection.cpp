#include "core/dealrecord.h"
#include "core/loananalysis.h"
#include "core/localeservices.h"
#include "core/projection.h"
#include "core/schedule.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScopeGuard>
#include <QTest>

#include <random>
#include <QTranslator>

#include <cmath>
#include <cstring>
#include <thread>
#include <limits>

Q_DECLARE_METATYPE(ProjectionInputs)
Q_DECLARE_METATYPE(ProjectionAssumptions)

// The holding-period projection against figures computed apart from this code: a spreadsheet
// formula library's PMT, FV, IRR and NPV on the same definitions
// (scripts/reference/projection-reference.mjs wrote data/projection-reference.json).
class TestProjection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void matchesReference_data();
    void matchesReference();
    void irrOfKnownFlows_data();
    void irrOfKnownFlows();
    void reachesWhereTheIrrDoes();
    void aHintFindsTheSameRate();
    void scheduleIsTheAnalysis_data();
    void scheduleIsTheAnalysis();
    void balanceRunsDownMonthByMonth();
    void refusesWhatItCannotProject_data();
    void refusesWhatItCannotProject();
    void scenarioFiguresAreCheckedApart_data();
    void scenarioFiguresAreCheckedApart();
    void reasonsReadInGerman_data();
    void reasonsReadInGerman();
    void keptReasonsFollowTheTranslators();
    void projectsYearsWhoseSumOverflows();

private:
    QJsonObject m_reference;
};

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// A money figure agrees to 1e-6 of its size (of 1 near 0); a rate to 1e-9.
bool moneyAgrees(double actual, double expected)
{
    return std::fabs(actual - expected) <= 1e-6 * std::max(1.0, std::fabs(expected));
}

bool rateAgrees(double actual, double expected)
{
    return std::fabs(actual - expected) <= 1e-9;
}

// Expected null: unknown with a reason. Otherwise known and within tolerance.
QString measureMismatch(const Measure &m, const QJsonValue &expected, bool isRate)
{
    if (expected.isNull())
        return m.isKnown() ? QStringLiteral("%1, expected none").arg(m.value, 0, 'g', 17) : QString();
    if (!m.isKnown())
        return QStringLiteral("none (%1), expected %2").arg(m.reason).arg(expected.toDouble(), 0, 'g', 17);
    const bool ok = isRate ? rateAgrees(m.value, expected.toDouble()) : moneyAgrees(m.value, expected.toDouble());
    return ok ? QString()
              : QStringLiteral("%1, expected %2").arg(m.value, 0, 'g', 17).arg(expected.toDouble(), 0, 'g', 17);
}

ProjectionInputs inputsOf(const QJsonObject &o)
{
    ProjectionInputs in;
    in.price = o[u"price"].toDouble();
    in.rent = o[u"rent"].toDouble();
    in.escrow = o[u"escrow"].toDouble();
    in.otherFees = o[u"otherFees"].toDouble();
    in.downPayment = o[u"downPayment"].toDouble();
    in.ratePercent = o[u"ratePercent"].toDouble();
    in.termYears = o[u"termYears"].toDouble();
    in.pmi = o[u"pmi"].toDouble();
    in.extraPayment = o[u"extraPayment"].toDouble();
    in.pointsPercent = o[u"points"].toDouble();
    in.lenderFees = o[u"lenderFees"].toDouble();
    return in;
}

// The assumptions a deal names, on top of the program's own defaults: a wrong default shows as
// a wrong figure in every deal that does not override it.
ProjectionAssumptions assumptionsOf(const QJsonObject &deal)
{
    ProjectionAssumptions a;
    const QJsonObject o = deal[u"overrides"].toObject();
    const std::pair<const char *, double ProjectionAssumptions::*> fields[] = {
        {"appreciation", &ProjectionAssumptions::appreciation},
        {"rentGrowth", &ProjectionAssumptions::rentGrowth},
        {"expenseGrowth", &ProjectionAssumptions::expenseGrowth},
        {"vacancy", &ProjectionAssumptions::vacancy},
        {"maintenance", &ProjectionAssumptions::maintenance},
        {"capitalReserve", &ProjectionAssumptions::capitalReserve},
        {"management", &ProjectionAssumptions::management},
        {"closingCosts", &ProjectionAssumptions::closingCosts},
        {"sellingCosts", &ProjectionAssumptions::sellingCosts},
        {"discountRate", &ProjectionAssumptions::discountRate},
        {"pmiEndLtv", &ProjectionAssumptions::pmiEndLtv},
    };
    for (const auto &[key, member] : fields) {
        if (o.contains(QLatin1String(key)))
            a.*member = o[QLatin1String(key)].toDouble();
    }
    if (o.contains(u"holdYears"))
        a.holdYears = o[u"holdYears"].toInt();
    const QString scenario = deal[u"scenario"].toString();
    if (scenario == u"bear")
        a = a.withMarket(a.bear);
    else if (scenario == u"bull")
        a = a.withMarket(a.bull);
    return a;
}

// The deal of one loan as the window and the files hold it: assumptions in per cent.
DealRecord recordOf(const ProjectionInputs &in, const ProjectionAssumptions &a)
{
    DealRecord r;
    r.m_purchasePrice.m_value = in.price;
    r.m_rentalIncome.m_value = in.rent;
    r.m_escrow.m_value = in.escrow;
    r.m_otherFees.m_value = in.otherFees;
    r.m_downPayment[0].m_value = in.downPayment;
    r.m_interestRate[0].m_value = in.ratePercent;
    r.m_term[0].m_value = in.termYears;
    r.m_pmi[0].m_value = in.pmi;
    r.m_extraPayment[0].m_value = in.extraPayment;
    r.m_points[0].m_value = in.pointsPercent;
    r.m_lenderFees[0].m_value = in.lenderFees;
    ProjectionFigures &f = r.m_projection;
    f.m_holdYears.m_value = a.holdYears;
    const std::pair<Value *, double> shares[] = {
        {&f.m_market.m_appreciation, a.appreciation}, {&f.m_market.m_rentGrowth, a.rentGrowth},
        {&f.m_market.m_expenseGrowth, a.expenseGrowth}, {&f.m_market.m_vacancy, a.vacancy},
        {&f.m_maintenance, a.maintenance}, {&f.m_capitalReserve, a.capitalReserve},
        {&f.m_management, a.management}, {&f.m_closingCosts, a.closingCosts},
        {&f.m_sellingCosts, a.sellingCosts}, {&f.m_discountRate, a.discountRate},
        {&f.m_pmiEndLtv, a.pmiEndLtv}, {&f.m_targetIrr, a.targetIrr}};
    for (const auto &[value, fraction] : shares)
        value->m_value = 100 * fraction;
    return r;
}

} // namespace

void TestProjection::initTestCase()
{
    LocaleServices::pinLocale(QStringLiteral("en_US"));
    QFile file(QStringLiteral(ZANT_PROJECTION_REFERENCE));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    QJsonParseError error;
    m_reference = QJsonDocument::fromJson(file.readAll(), &error).object();
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
}

void TestProjection::matchesReference_data()
{
    QTest::addColumn<QJsonObject>("deal");
    for (const QJsonValue &deal : m_reference[u"deals"].toArray())
        QTest::newRow(qPrintable(deal[u"name"].toString())) << deal.toObject();
    // The depreciation's ends: a sale after one year, a hold longer than 27.5 years.
    for (const QJsonValue &deal : m_reference[u"taxChecks"].toArray())
        QTest::newRow(qPrintable(deal[u"name"].toString())) << deal.toObject();
}

// Every yearly figure and every return of every year, and the summary at the end of the hold.
void TestProjection::matchesReference()
{
    QFETCH(QJsonObject, deal);
    const Projection p = project(inputsOf(deal[u"inputs"].toObject()), assumptionsOf(deal));
    QVERIFY2(p.isKnown(), qPrintable(p.reason));
    const QJsonObject expected = deal[u"expected"].toObject();
    QVERIFY(moneyAgrees(p.cashInvested, expected[u"cashInvested"].toDouble()));
    const QJsonArray years = expected[u"years"].toArray();
    QCOMPARE(p.years.size(), std::size_t(years.size()));
    const std::pair<const char *, double ProjectionYear::*> money[] = {
        {"rent", &ProjectionYear::rent}, {"vacancyLoss", &ProjectionYear::vacancyLoss},
        {"operatingCosts", &ProjectionYear::operatingCosts},
        {"netOperatingIncome", &ProjectionYear::netOperatingIncome},
        {"debtService", &ProjectionYear::debtService}, {"pmi", &ProjectionYear::pmi},
        {"cashFlow", &ProjectionYear::cashFlow}, {"propertyValue", &ProjectionYear::propertyValue},
        {"loanBalance", &ProjectionYear::loanBalance}, {"equity", &ProjectionYear::equity},
        {"saleProceeds", &ProjectionYear::saleProceeds},
    };
    const std::tuple<const char *, Measure ProjectionYear::*, bool> returns[] = {
        {"irrIfSold", &ProjectionYear::irrIfSold, true},
        {"npvIfSold", &ProjectionYear::npvIfSold, false},
        {"equityMultipleIfSold", &ProjectionYear::equityMultipleIfSold, false},
    };
    for (std::size_t i = 0; i < p.years.size(); ++i) {
        const ProjectionYear &y = p.years[i];
        const QJsonObject e = years[int(i)].toObject();
        QCOMPARE(y.year, int(i) + 1);
        for (const auto &[key, member] : money) {
            const double want = e[QLatin1String(key)].toDouble();
            QVERIFY2(moneyAgrees(y.*member, want),
                     qPrintable(QStringLiteral("year %1 %2: %3, expected %4").arg(y.year).arg(QLatin1String(key))
                                    .arg(y.*member, 0, 'g', 17).arg(want, 0, 'g', 17)));
        }
        for (const auto &[key, member, isRate] : returns) {
            const QString bad = measureMismatch(y.*member, e[QLatin1String(key)], isRate);
            QVERIFY2(bad.isEmpty(), qPrintable(QStringLiteral("year %1 %2: %3").arg(y.year).arg(QLatin1String(key), bad)));
        }
    }
    const std::tuple<const char *, Measure Projection::*, bool> summary[] = {
        {"irr", &Projection::irr, true}, {"npv", &Projection::npv, false},
        {"equityMultiple", &Projection::equityMultiple, false},
        {"totalProfit", &Projection::totalProfit, false},
        {"annualizedReturn", &Projection::annualizedReturn, true},
        {"saleProceeds", &Projection::saleProceeds, false},
    };
    for (const auto &[key, member, isRate] : summary) {
        const QString bad = measureMismatch(p.*member, expected[QLatin1String(key)], isRate);
        QVERIFY2(bad.isEmpty(), qPrintable(QLatin1String(key) + QStringLiteral(": ") + bad));
    }

    // After tax: the hold's returns, each year's IRR had the property been sold then, and the
    // depreciation within its bounds (11 months of 330 for a sale in year 1, never more than the
    // basis in all).
    const QJsonObject afterTax = expected[u"afterTax"].toObject();
    const std::tuple<const char *, Measure AfterTaxReturns::*, bool> taxed[] = {
        {"irr", &AfterTaxReturns::irr, true}, {"npv", &AfterTaxReturns::npv, false},
        {"equityMultiple", &AfterTaxReturns::equityMultiple, false},
        {"totalProfit", &AfterTaxReturns::totalProfit, false},
        {"depreciationTaken", &AfterTaxReturns::depreciationTaken, false},
        {"taxOnSale", &AfterTaxReturns::taxOnSale, false}};
    for (const auto &[key, member, isRate] : taxed) {
        const QString bad = measureMismatch(p.afterTax.*member, afterTax[QLatin1String(key)], isRate);
        QVERIFY2(bad.isEmpty(), qPrintable(QStringLiteral("after tax ") + QLatin1String(key) + QStringLiteral(": ") + bad));
    }
    const QJsonArray ifSold = expected[u"afterTaxIrrIfSold"].toArray();
    double depreciated = 0;
    for (std::size_t i = 0; i < p.years.size(); ++i) {
        const QString bad = measureMismatch(p.years[i].afterTaxIrrIfSold, ifSold[int(i)], true);
        QVERIFY2(bad.isEmpty(), qPrintable(QStringLiteral("year %1 after-tax IRR: %2").arg(i + 1).arg(bad)));
        depreciated += p.years[i].depreciation;
    }
    if (deal.contains(u"depreciableBasis")) {
        const double basis = deal[u"depreciableBasis"].toDouble();
        if (p.years.size() == 1)
            QCOMPARE(p.years[0].depreciation, basis * 11 / 330);
        QVERIFY(depreciated <= basis * (1 + 1e-15));
        if (p.years.size() >= 28)
            QVERIFY(moneyAgrees(depreciated, basis));
    }

    // The underwriting figures: year 1 of the same projection.
    const DealAnalysis analysis = analyze(recordOf(inputsOf(deal[u"inputs"].toObject()), assumptionsOf(deal)));
    const LoanAnalysis &loan = analysis.loans[0];
    const QJsonObject underwriting = expected[u"underwriting"].toObject();
    const std::tuple<const char *, Measure, bool> figures[] = {
        {"netOperatingIncome", analysis.property.netOperatingIncomeYearly, false},
        {"capRate", analysis.property.capRate, true},
        {"cashOnCash", loan.cashOnCash, true},
        {"debtServiceCoverage", loan.debtServiceCoverage, true},
        {"breakEvenOccupancy", loan.breakEvenOccupancy, true},
        {"breakEvenRent", loan.breakEvenRent, false},
        {"highestOffer", loan.highestOffer, false},
    };
    for (const auto &[key, measure, isRate] : figures) {
        const QString bad = measureMismatch(measure, underwriting[QLatin1String(key)], isRate);
        QVERIFY2(bad.isEmpty(), qPrintable(QLatin1String(key) + QStringLiteral(": ") + bad));
    }
}

void TestProjection::irrOfKnownFlows_data()
{
    QTest::addColumn<QJsonObject>("c");
    for (const QJsonValue &c : m_reference[u"irrCases"].toArray())
        QTest::newRow(qPrintable(c[u"name"].toString())) << c.toObject();
}

// Flows built from known roots: none where no rate can be, and the root nearest 0 of several.
void TestProjection::irrOfKnownFlows()
{
    QFETCH(QJsonObject, c);
    std::vector<double> flows;
    for (const QJsonValue &f : c[u"flows"].toArray())
        flows.push_back(f.toDouble());
    const QString bad = measureMismatch(irr(flows), c[u"irr"], true);
    QVERIFY2(bad.isEmpty(), qPrintable(bad));
}

// Whether flows reach a target is whether their IRR does, at targets far from it and one step of
// a double from it: over the reference's flows and flows of random holds, some of which change
// sign several times, lose money, or never pay back.
// The reference's flows and 400 random holds: money paid in, then years that pay out or need
// cash, a sale at a gain or a loss.
std::vector<std::vector<double>> irrCasesOf(const QJsonObject &reference)
{
    std::vector<std::vector<double>> cases;
    for (const QJsonValue &c : reference[u"irrCases"].toArray()) {
        std::vector<double> flows;
        for (const QJsonValue &f : c[u"flows"].toArray())
            flows.push_back(f.toDouble());
        cases.push_back(flows);
    }
    std::mt19937 random(34);
    std::uniform_real_distribution<double> share(-0.3, 0.6);
    for (int i = 0; i < 400; ++i) {
        std::vector<double> flows{-std::ldexp(1.0, 10 + i % 10) * (1 + share(random))};
        const int years = 1 + i % 30;
        for (int t = 0; t < years; ++t)
            flows.push_back(-flows.front() * share(random) / 4);
        flows.back() += -flows.front() * 3 * share(random);
        cases.push_back(flows);
    }
    return cases;
}

void TestProjection::reachesWhereTheIrrDoes()
{
    const std::vector<std::vector<double>> cases = irrCasesOf(m_reference);
    int near = 0;
    for (const std::vector<double> &flows : cases) {
        const Measure rate = irr(flows);
        std::vector<double> targets{-0.5, 0, 0.1, 4};
        if (rate.isKnown()) {
            for (double t : {rate.value - 1e-3, std::nextafter(rate.value, -1.0), rate.value,
                             std::nextafter(rate.value, 1.0), rate.value + 1e-3}) {
                if (t > -1)
                    targets.push_back(t);
            }
            ++near;
        }
        for (double target : targets) {
            QVERIFY2(irrReaches(flows, target) == (rate.isKnown() && rate.value >= target),
                     qPrintable(QStringLiteral("target %1, IRR %2 (%3), %4 flows")
                                    .arg(target, 0, 'g', 17).arg(rate.value, 0, 'g', 17)
                                    .arg(rate.reason).arg(flows.size())));
        }
    }
    QVERIFY(near > 300);
}

// A search begun at a hint (the return of selling a year earlier) finds the rate the search from
// 0 finds, to the last few bits, whether the hint lies next to it, far off or below −100 %; and
// so does a search that sums the flows in interleaved runs, on a hold's years or a loan's 360
// months (flows of every length, so that every run is left short once).
void TestProjection::aHintFindsTheSameRate()
{
    std::vector<std::vector<double>> cases = irrCasesOf(m_reference);
    for (double rate : {-0.05, 0.0, 0.004, 0.03}) {
        for (std::size_t months : {357, 358, 359, 360}) {
            std::vector<double> flows(months + 1, 1000.0 + 50 * rate);
            flows.front() = -1000.0 * double(months) * (1 - 100 * rate) / 2;
            cases.push_back(flows);
        }
    }
    for (const std::vector<double> &flows : cases) {
        const Measure rate = irr(flows);
        const double r = rate.isKnown() ? rate.value : 0.1;
        for (double hint : {r, r - 0.003, r + 0.05, -0.5, 3.0, -2.0, NaN}) {
            for (Summing summing : {Summing::InOrder, Summing::Interleaved}) {
                const Measure near = irrNear(flows, hint, 0.01, summing);
                QCOMPARE(near.reason, rate.reason);
                QVERIFY2(std::fabs(near.value - rate.value) <= 1e-13 * std::max(1.0, std::fabs(rate.value)),
                         qPrintable(QStringLiteral("hint %1, %2 flows, summed %3: %4, from 0 %5")
                                        .arg(hint).arg(flows.size()).arg(int(summing))
                                        .arg(near.value, 0, 'g', 17).arg(rate.value, 0, 'g', 17)));
            }
        }
    }
}

void TestProjection::scheduleIsTheAnalysis_data()
{
    QTest::addColumn<double>("price");
    QTest::addColumn<double>("down");
    QTest::addColumn<double>("rate");
    QTest::addColumn<double>("term");
    QTest::addColumn<double>("extra");
    QTest::addColumn<int>("months"); // what a projection asks for
    QTest::newRow("first run") << 200000.0 << 20000.0 << 7.0 << 30.0 << 0.0 << 120;
    QTest::newRow("eighths") << 350000.0 << 70000.0 << 6.875 << 15.0 << 0.0 << 360;
    QTest::newRow("no interest") << 200000.0 << 20000.0 << 0.0 << 30.0 << 0.0 << 12;
    QTest::newRow("half a year") << 200000.0 << 20000.0 << 7.0 << 15.5 << 0.0 << 186;
    QTest::newRow("a fraction of a month") << 200000.0 << 20000.0 << 7.0 << 15.3 << 0.0 << 600;
    QTest::newRow("very high rate") << 200000.0 << 20000.0 << 95.0 << 40.0 << 0.0 << 1;
    QTest::newRow("cash") << 200000.0 << 200000.0 << 7.0 << 30.0 << 0.0 << 360;
    QTest::newRow("term 0") << 200000.0 << 20000.0 << 7.0 << 0.0 << 0.0 << 12;
    QTest::newRow("down above price") << 200000.0 << 250000.0 << 7.0 << 30.0 << 0.0 << 12;
    QTest::newRow("a thousand years and more") << 200000.0 << 20000.0 << 7.0 << 1000.5 << 0.0 << 12;
    QTest::newRow("extra payments, paid off early") << 200000.0 << 20000.0 << 7.0 << 30.0 << 500.0 << 600;
    QTest::newRow("extra payments, a few years") << 200000.0 << 20000.0 << 7.0 << 30.0 << 500.0 << 60;
    QTest::newRow("extra payments, no interest") << 200000.0 << 20000.0 << 0.0 << 30.0 << 250.0 << 0;
}

namespace {

bool sameRows(const std::vector<ScheduleRow> &rows, const std::vector<ScheduleRow> &expected)
{
    return rows.size() == expected.size()
        && std::equal(rows.begin(), rows.end(), expected.begin(), [](const ScheduleRow &a, const ScheduleRow &e) {
               return a.month == e.month && std::memcmp(&a.payment, &e.payment, sizeof(double)) == 0
                   && std::memcmp(&a.principal, &e.principal, sizeof(double)) == 0
                   && std::memcmp(&a.interest, &e.interest, sizeof(double)) == 0
                   && std::memcmp(&a.balance, &e.balance, sizeof(double)) == 0;
           });
}

// Made on a thread of its own, which has made no schedule before.
std::vector<ScheduleRow> madeAfresh(double amount, double rate, double term, double extra,
                                    int months = MaxScheduledPayments)
{
    std::vector<ScheduleRow> rows;
    std::thread([&] { rows = amortize(amount, rate, term, extra, months); }).join();
    return rows;
}

} // namespace

// The schedule is the analysis's, row for row and bit for bit, so the analysis and the
// projection never disagree about a month; and one asked for again, in full or its first months
// only, is the one made afresh.
void TestProjection::scheduleIsTheAnalysis()
{
    QFETCH(double, price);
    QFETCH(double, down);
    QFETCH(double, rate);
    QFETCH(double, term);
    QFETCH(double, extra);
    QFETCH(int, months);
    DealRecord record;
    record.m_purchasePrice.m_value = price;
    record.m_downPayment[0].m_value = down;
    record.m_interestRate[0].m_value = rate;
    record.m_term[0].m_value = term;
    record.m_extraPayment[0].m_value = extra;
    const double amount = price - down;
    const std::vector<ScheduleRow> full = madeAfresh(amount, rate, term, extra);
    QVERIFY(sameRows(analyze(record).loans[0].schedule, full));
    QVERIFY(sameRows(amortize(amount, rate, term, extra, months), madeAfresh(amount, rate, term, extra, months)));
    // The first months first, then the whole, then the first months again.
    std::vector<ScheduleRow> first, whole, again;
    std::thread([&] {
        first = amortize(amount, rate, term, extra, months);
        whole = amortize(amount, rate, term, extra);
        again = amortize(amount, rate, term, extra, months);
    }).join();
    const std::size_t count = std::min(full.size(), std::size_t(months));
    const std::vector<ScheduleRow> expected(full.begin(), full.begin() + std::ptrdiff_t(count));
    QVERIFY(sameRows(first, expected));
    QVERIFY(sameRows(whole, full));
    QVERIFY(sameRows(again, expected));
}

// A level loan's balance, month after month: each payment takes off what lies between the
// balance owed and the closed form's balance after it (less what the extra payments have repaid),
// the last one all that is left. The schedule keeps to it bit for bit at every rate, also where
// the closed form's balances fall faster than by half a month (rates of 100 % a month and more).
void TestProjection::balanceRunsDownMonthByMonth()
{
    int rows = 0;
    for (double rate : {0.5, 7.0, 95.0, 1199.0, 1200.0, 1300.0, 5000.0}) {
        for (double term : {1.0, 15.0, 30.0}) {
            for (double extra : {0.0, 500.0, 1234.56, 9876.54, 31.7, 77.77, 250.25, 3333.0}) {
                const double amount = 180000 + 7 * rate + extra, r = rate / 1200, g = std::log1p(r);
                const int count = int(12 * term);
                std::vector<ScheduleRow> expected;
                double balance = amount;
                for (int month = 1; month <= count && balance > 0; ++month) {
                    const double after = amount * std::expm1((month - count) * g) / std::expm1(-count * g)
                        - (extra > 0 ? extra * std::expm1(month * g) / r : 0.0);
                    const double interest = balance * r;
                    double principal = balance - after;
                    if (month == count || principal >= balance)
                        principal = balance;
                    const double owed = month == count || balance - principal <= 0 ? 0.0 : balance - principal;
                    expected.push_back({month, principal + interest, principal, interest, owed});
                    balance = owed;
                }
                const std::vector<ScheduleRow> schedule = amortize(amount, rate, term, extra);
                QVERIFY2(sameRows(schedule, expected), qPrintable(QStringLiteral("%1 %, %2 years, extra %3")
                                                                      .arg(rate).arg(term).arg(extra)));
                rows += int(schedule.size());
            }
        }
    }
    QVERIFY(rows > 3000);
}

void TestProjection::refusesWhatItCannotProject_data()
{
    QTest::addColumn<ProjectionInputs>("inputs");
    QTest::addColumn<ProjectionAssumptions>("assumptions");
    QTest::addColumn<QString>("named"); // what the reason must name

    const ProjectionInputs in{200000, 2000, 250, 100, 40000, 6.5, 30, 0, 0};
    const ProjectionAssumptions a;
    auto with = [&a](auto change) { ProjectionAssumptions b = a; change(b); return b; };
    QTest::newRow("hold 0") << in << with([](auto &b) { b.holdYears = 0; }) << "holding period";
    QTest::newRow("hold 51") << in << with([](auto &b) { b.holdYears = 51; }) << "holding period";
    QTest::newRow("appreciation -100 %") << in << with([](auto &b) { b.appreciation = -1; }) << "appreciation";
    QTest::newRow("rent growth not a number") << in << with([](auto &b) { b.rentGrowth = NaN; }) << "rent growth";
    QTest::newRow("expense growth -150 %") << in << with([](auto &b) { b.expenseGrowth = -1.5; }) << "expense growth";
    QTest::newRow("vacancy below 0") << in << with([](auto &b) { b.vacancy = -0.01; }) << "vacancy";
    QTest::newRow("maintenance above 100 %") << in << with([](auto &b) { b.maintenance = 1.01; }) << "maintenance";
    QTest::newRow("capital reserve below 0") << in << with([](auto &b) { b.capitalReserve = -0.5; }) << "capital reserve";
    QTest::newRow("management above 100 %") << in << with([](auto &b) { b.management = 2; }) << "management";
    QTest::newRow("closing costs below 0") << in << with([](auto &b) { b.closingCosts = -0.03; }) << "closing costs";
    QTest::newRow("selling costs above 100 %") << in << with([](auto &b) { b.sellingCosts = 1.5; }) << "selling costs";
    QTest::newRow("discount rate -100 %") << in << with([](auto &b) { b.discountRate = -1; }) << "discount rate";
    QTest::newRow("insurance end above 100 %") << in << with([](auto &b) { b.pmiEndLtv = 1.2; }) << "mortgage insurance";
    QTest::newRow("bear vacancy of the scenario used") << in << a.withMarket({0, 0.01, 0.04, 1.1}) << "vacancy";

    ProjectionInputs termZero = in;
    termZero.termYears = 0;
    QTest::newRow("term 0") << termZero << a << "term is 0";
    ProjectionInputs cashTermZero = termZero;
    cashTermZero.downPayment = cashTermZero.price;
    QTest::newRow("cash, term 0") << cashTermZero << a << "term is 0";
    ProjectionInputs above = in;
    above.downPayment = 250000;
    QTest::newRow("down payment above the price") << above << a << "down payment";
    ProjectionInputs negativeExtra = in;
    negativeExtra.extraPayment = -100;
    QTest::newRow("extra payment below 0") << negativeExtra << a << "extra payment";
    ProjectionInputs huge = in;
    huge.price = 1e306;
    huge.downPayment = 1e305;
    QTest::newRow("beyond a double") << huge << with([](auto &b) { b.appreciation = 1e3; }) << "too large";
}

// A projection it cannot make says why, naming the figure, and holds no number that could be
// shown as one: no years, every summary figure unknown.
void TestProjection::refusesWhatItCannotProject()
{
    QFETCH(ProjectionInputs, inputs);
    QFETCH(ProjectionAssumptions, assumptions);
    QFETCH(QString, named);
    const Projection p = project(inputs, assumptions);
    QVERIFY2(p.reason.contains(named, Qt::CaseInsensitive), qPrintable(p.reason));
    QVERIFY(p.years.empty());
    for (const Measure &m : {p.irr, p.npv, p.equityMultiple, p.totalProfit, p.annualizedReturn, p.saleProceeds})
        QCOMPARE(m.reason, p.reason);
}

void TestProjection::scenarioFiguresAreCheckedApart_data()
{
    QTest::addColumn<ProjectionAssumptions>("assumptions");
    QTest::addColumn<QString>("named");
    ProjectionAssumptions a;
    a.bear.vacancy = 1.5;
    QTest::newRow("bear vacancy") << a << "bear case's vacancy";
    a = {};
    a.bull.appreciation = -1;
    QTest::newRow("bull appreciation") << a << "bull case's appreciation";
    a = {};
    a.bull.expenseGrowth = -2;
    QTest::newRow("bull expense growth") << a << "bull case's expense growth";
    a = {};
    a.targetIrr = -1;
    QTest::newRow("target IRR") << a << "target IRR";
}

// A figure of a scenario not in use, or the target, is reported where the assumptions are
// checked, but does not stop the projection of the case in use.
void TestProjection::scenarioFiguresAreCheckedApart()
{
    QFETCH(ProjectionAssumptions, assumptions);
    QFETCH(QString, named);
    QVERIFY2(assumptions.problem().contains(named), qPrintable(assumptions.problem()));
    QVERIFY(ProjectionAssumptions().problem().isEmpty());
    const Projection p = project({200000, 2000, 250, 100, 40000, 6.5, 30, 0, 0}, assumptions);
    QVERIFY2(p.isKnown(), qPrintable(p.reason));
    QCOMPARE(p.years.size(), std::size_t(assumptions.holdYears));
}

void TestProjection::reasonsReadInGerman_data()
{
    QTest::addColumn<ProjectionInputs>("inputs");
    QTest::addColumn<ProjectionAssumptions>("assumptions");
    const ProjectionInputs in{200000, 2000, 250, 100, 40000, 6.5, 30, 0, 0};
    ProjectionAssumptions longHold;
    longHold.holdYears = 60;
    QTest::newRow("an assumption") << in << longHold;
    ProjectionInputs termZero = in;
    termZero.termYears = 0;
    QTest::newRow("the loan's schedule, as the analysis says it") << termZero << ProjectionAssumptions();
    ProjectionInputs above = in;
    above.downPayment = 250000;
    QTest::newRow("no loan") << above << ProjectionAssumptions();
}

// The reasons reach a German investor in German, those the projection shares with the analysis
// included.
void TestProjection::reasonsReadInGerman()
{
    QFETCH(ProjectionInputs, inputs);
    QFETCH(ProjectionAssumptions, assumptions);
    const QString english = project(inputs, assumptions).reason;
    QTranslator german;
    QVERIFY(german.load(QStringLiteral(":/i18n/zantoria_de.qm")));
    QCoreApplication::installTranslator(&german);
    const auto restore = qScopeGuard([&german] { QCoreApplication::removeTranslator(&german); });
    const QString translated = project(inputs, assumptions).reason;
    QVERIFY2(!translated.isEmpty() && translated != english, qPrintable(translated));
}

// A reason every projection gives is translated once a thread, and again once the translators
// change: in every thread, installed and removed.
void TestProjection::keptReasonsFollowTheTranslators()
{
    const ProjectionInputs in{200000, 2000, 250, 100, 40000, 6.5, 30, 0, 0};
    const auto yearOneReason = [&in] {
        return project(in, ProjectionAssumptions(), YearlyReturns::AtHoldOnly).years.front().irrIfSold.reason;
    };
    const auto inAnotherThread = [&] {
        QString reason;
        std::thread([&] { reason = yearOneReason(); }).join();
        return reason;
    };
    const QString english = QStringLiteral("Not computed.");
    QCOMPARE(yearOneReason(), english);
    QCOMPARE(inAnotherThread(), english);
    {
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(":/i18n/zantoria_de.qm")));
        QCoreApplication::installTranslator(&german);
        const auto restore = qScopeGuard([&german] { QCoreApplication::removeTranslator(&german); });
        const QString translated = QCoreApplication::translate("Projection", "Not computed.");
        QVERIFY(translated != english);
        QCOMPARE(yearOneReason(), translated);
        QCOMPARE(inAnotherThread(), translated);
    }
    QCOMPARE(yearOneReason(), english);
}

// A year's figures are each within a double though their sum is not: the projection is made.
void TestProjection::projectsYearsWhoseSumOverflows()
{
    const double price = 0.4 * std::numeric_limits<double>::max();
    const ProjectionInputs cash{price, 0, 0, 0, price, 6.5, 30, 0, 0};
    const Projection p = project(cash, ProjectionAssumptions());
    QVERIFY2(p.reason.isEmpty(), qPrintable(p.reason));
    QCOMPARE(int(p.years.size()), ProjectionAssumptions().holdYears);
    const ProjectionYear &last = p.years.back();
    QVERIFY(std::isinf(last.propertyValue + last.equity + last.saleProceeds));
}

QTEST_GUILESS_MAIN(TestProjection)
#include "tst_projection.moc"
