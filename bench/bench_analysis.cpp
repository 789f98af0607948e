// The loan analysis of the five-loan example: every measure and the monthly schedule of all five
// loans, as the Loan Analysis window and zantoria-report --format=json compute them.

#include "core/dealrecord.h"
#include "exchange/exchangefile.h"
#include "core/loananalysis.h"
#include "core/localeservices.h"
#include "platform/profilestore.h"

#include <benchmark/benchmark.h>

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

} // namespace

BENCHMARK(BM_AnalyzeFiveLoans)->Unit(benchmark::kMicrosecond);
