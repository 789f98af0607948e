// Import throughput: a generated deal file of about 15 MB (a deal file is read up to 16 MiB),
// valid entries and comment lines, read from disk and imported into one record, as the Import command does.

#include "core/dealrecord.h"
#include "exchange/exchangefile.h"
#include "core/localeservices.h"
#include "platform/profilestore.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QByteArray generatedDealFile(qsizetype targetSize)
{
    QByteArray block;
    block += ";\n; Zantoria Import/Export file, block %1\n;\n\n";
    block += "Description = Four-unit building, 12 Elm Street\n";
    block += "PurchasePrice = $200,000.00\nRentalIncome = $2,000.00\nEscrow = $250.00\n";
    block += "OtherFees = $100.00\nSafetyMargin = 10.00%\n";
    for (int n = 1; n <= 5; ++n) {
        block += "\nLender" + QByteArray::number(n) + " = First Savings Bank\n";
        block += "DownPayment" + QByteArray::number(n) + " = $20,000.00\n";
        block += "InterestRate" + QByteArray::number(n) + " = 7.00%\n";
        block += "Term" + QByteArray::number(n) + " = 30\n";
        block += "PMI" + QByteArray::number(n) + " = $0.00\n";
    }
    QByteArray file;
    file.reserve(targetSize + block.size());
    for (int i = 0; file.size() < targetSize; ++i)
        file += QByteArray(block).replace("%1", QByteArray::number(i));
    return file;
}

void BM_ImportFile(benchmark::State &state)
{
    LocaleServices::pinLocale(QStringLiteral("en_US"));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("large.zant"));
    const QByteArray bytes = generatedDealFile(qsizetype(state.range(0)) << 20);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            state.SkipWithError("cannot write the deal file");
            return;
        }
    }
    for (auto _ : state) {
        DealRecord record = ProfileStore::firstRunRecord();
        if (!ExchangeFile::read(record, path, nullptr)) {
            state.SkipWithError("the generated file does not import");
            break;
        }
        benchmark::DoNotOptimize(record.m_pmi[4].m_value);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

} // namespace

BENCHMARK(BM_ImportFile)->Arg(15)->ArgName("MB")->Unit(benchmark::kMillisecond)->UseRealTime();
