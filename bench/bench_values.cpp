// Parse and Format of one figure of each kind, as leaving an edit does it, in en_US.

#include "core/localeservices.h"
#include "core/value.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

// Figures as people type them: whole numbers, cents and rates, from 0 to a few million.
std::vector<double> sampleFigures()
{
    std::vector<double> figures;
    for (int i = 0; i < 1024; ++i)
        figures.push_back(double((i * 7919) % 500000000) / 100.0);
    return figures;
}

template <typename Value>
void BM_ParseFormat(benchmark::State &state)
{
    LocaleServices::pinLocale(QStringLiteral("en_US"));
    const std::vector<double> figures = sampleFigures();
    std::vector<QString> texts;
    for (const double figure : figures) {
        Value value;
        value.m_value = figure;
        texts.push_back(value.format(QString()));
    }
    std::size_t i = 0;
    Value value;
    for (auto _ : state) {
        value.parse(texts[i]);
        QString shown = value.format(QString());
        benchmark::DoNotOptimize(shown);
        if (++i == texts.size())
            i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}

template <typename Value>
void BM_Format(benchmark::State &state)
{
    LocaleServices::pinLocale(QStringLiteral("en_US"));
    const std::vector<double> figures = sampleFigures();
    std::size_t i = 0;
    Value value;
    for (auto _ : state) {
        value.m_value = figures[i];
        QString shown = value.format(QString());
        benchmark::DoNotOptimize(shown);
        if (++i == figures.size())
            i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}

template <typename Value>
void BM_Parse(benchmark::State &state)
{
    LocaleServices::pinLocale(QStringLiteral("en_US"));
    std::vector<QString> texts;
    for (const double figure : sampleFigures()) {
        Value value;
        value.m_value = figure;
        texts.push_back(value.format(QString()));
    }
    std::size_t i = 0;
    Value value;
    for (auto _ : state) {
        value.parse(texts[i]);
        benchmark::DoNotOptimize(value.m_value);
        if (++i == texts.size())
            i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK_TEMPLATE(BM_ParseFormat, CurrencyValue);
BENCHMARK_TEMPLATE(BM_ParseFormat, PercentValue);
BENCHMARK_TEMPLATE(BM_ParseFormat, IntegerValue);
BENCHMARK_TEMPLATE(BM_Format, CurrencyValue);
BENCHMARK_TEMPLATE(BM_Format, PercentValue);
BENCHMARK_TEMPLATE(BM_Format, IntegerValue);
BENCHMARK_TEMPLATE(BM_Parse, CurrencyValue);
BENCHMARK_TEMPLATE(BM_Parse, PercentValue);
BENCHMARK_TEMPLATE(BM_Parse, IntegerValue);
