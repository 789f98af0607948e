// The loan analysis of the five-loan example: every measure and the monthly schedule of all five
// loans, as the Loan Analysis window and zantoria-report --format=json compute them.

#include "core/dealrecord.h"
#include "exchange/exchangefile.h"
#include "core/loananalysis.h"
#include "core/localeservices.h"
#include "platform/profilestore.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

void BM_AnalyzeFiveLoans(benchmark::State &state)
{
    LocaleServices::pinLocale(QStringLiteral("en_US"));
    DealRecord record = ProfileStore::firstRunRecord();
    if (!ExchangeFile::read(record, QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"), nullptr))
        qFatal("the five-loan example does not import");
    for (auto _ : state) {
        DealAnalysis deal = analyze(record);
        benchmark::DoNotOptimize(deal);
    }
}

// What zantoria-report --format=csv computes for each deal of bench/generate-deals.sh (the five
// loans with price, rent and first rate changed in each, held 30 years): a different deal each
// iteration, as in a market screened, so that no schedule of the one before is asked for again.
void BM_AnalyzeScreenedDeals(benchmark::State &state)
{
    LocaleServices::pinLocale(QStringLiteral("en_US"));
    DealRecord example = ProfileStore::firstRunRecord();
    if (!ExchangeFile::read(example, QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"), nullptr))
        qFatal("the five-loan example does not import");
    example.m_projection.m_holdYears.m_value = 30;
    std::vector<DealRecord> deals(500, example);
    for (std::size_t i = 0; i < deals.size(); ++i) {
        deals[i].m_purchasePrice.m_value = 150000 + 7.0 * double(i + 1);
        deals[i].m_rentalIncome.m_value = 1500 + double((i + 1) % 900);
        deals[i].m_interestRate[0].m_value = 3 + double((i + 1) % 500) / 100;
    }
    std::size_t next = 0;
    for (auto _ : state) {
        DealAnalysis deal = analyze(deals[next], YearlyReturns::AtHoldOnly);
        benchmark::DoNotOptimize(deal);
        next = (next + 1) % deals.size();
    }
}

} // namespace

BENCHMARK(BM_AnalyzeFiveLoans)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AnalyzeScreenedDeals)->Unit(benchmark::kMicrosecond);
