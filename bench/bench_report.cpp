// Writing the whole report page, as F5 does, for the first-run record and the five-loan example.
// The page is saved through QSaveFile, which syncs the file to its disk; the runs on /dev/shm
// (tmpfs, where the sync costs nothing) show how much of the time that is.

#include "core/appsettings.h"
#include "core/dealrecord.h"
#include "exchange/exchangefile.h"
#include "core/localeservices.h"
#include "platform/profilestore.h"
#include "report/report.h"

#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

DealRecord fiveLoanRecord()
{
    DealRecord record = ProfileStore::firstRunRecord();
    if (!ExchangeFile::read(record, QStringLiteral(ZANT_EXAMPLES "/five-loans.zant"), nullptr))
        qFatal("the five-loan example does not import");
    return record;
}

// range(0): 0 for the first-run record, 1 for the five-loan one; range(1): 1 on /dev/shm.
void BM_ReportCreate(benchmark::State &state)
{
    LocaleServices::pinLocale(QStringLiteral("en_US"));
    const DealRecord record = state.range(0) == 0 ? ProfileStore::firstRunRecord() : fiveLoanRecord();
    const AppSettings settings = AppSettings::defaults();
    const bool tmpfs = state.range(1) == 1;
    if (tmpfs && !QDir(QStringLiteral("/dev/shm")).exists()) {
        state.SkipWithError("no /dev/shm");
        return;
    }
    const auto folder = tmpfs ? std::make_unique<QTemporaryDir>(QStringLiteral("/dev/shm/zant-bench-XXXXXX"))
                              : std::make_unique<QTemporaryDir>();
    const QString path = folder->filePath(QStringLiteral("report.htm"));
    Report report(record, settings);
    report.setClock(QDateTime(QDate(2024, 5, 1), QTime(12, 0)));
    for (auto _ : state) {
        QString error;
        if (!report.create(path, &error)) {
            state.SkipWithError(error.toUtf8().constData());
            break;
        }
    }
    state.SetLabel(tmpfs ? "tmpfs" : QDir::tempPath().toStdString());
}

} // namespace

BENCHMARK(BM_ReportCreate)
    ->ArgNames({"five_loans", "tmpfs"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();
